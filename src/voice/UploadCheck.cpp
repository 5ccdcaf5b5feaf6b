#include "UploadCheck.h"

#include "SoundServer.h"
#include "WaveDevice.h"
#include "WaveFile.h"

#include <QCoreApplication>

namespace orvanta {

namespace {

// How long a check right after start waits for the sound server's first answer.
constexpr int ServerAnswerMs = 2000;

} // namespace

UploadCheck CheckMessagesToPlay(const std::vector<UploadMessage> &messages, WaveDevice &device)
{
    UploadCheck check;
    check.outputProblem = device.outputProblem();
    if (!check.outputProblem.isEmpty())
        return check;
    // A muted or silent output takes the sound all the same: the panel would record silence.
    check.outputProblem = OutputProblem(SoundServer::instance().settledState(ServerAnswerMs),
                                        device.outputServerName());
    if (!check.outputProblem.isEmpty())
        return check;
    for (const UploadMessage &message : messages) {
        const auto shared = std::make_shared<const TWaveFile>(message.file);
        const TWaveFile &wave = *shared;
        QString reason;
        if (!wave.Loaded) {
            reason = wave.LoadError.isEmpty()
                         ? QCoreApplication::translate("orvanta::UploadCheck", "в файле нет звука")
                         : wave.LoadError;
        } else {
            try {
                device.open(shared);
                check.seconds += double(wave.Samples.size()) / wave.Format.SampleRate;
            } catch (const EWaveDeviceError &error) {
                reason = QString::fromStdString(error.what());
            }
        }
        if (!reason.isEmpty())
            check.problems.push_back({message.row, message.file, reason});
    }
    device.close();
    return check;
}

} // namespace orvanta
