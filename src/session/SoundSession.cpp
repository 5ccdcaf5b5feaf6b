#include "SoundSession.h"

#include "link/PanelLink.h"
#include "voice/SoundServer.h"

namespace orvanta {

SoundSession::SoundSession(PanelLink &link, QString soundHome)
    : m_activity(link.activity())
    , m_messages(std::move(soundHome))
    , m_upload(link)
{
    // Devices come and go with the sound server's report: a chosen device is looked for now and
    // then, and only while one is chosen.
    m_deviceLook.setInterval(DeviceLookMs);
    connect(&m_deviceLook, &QTimer::timeout, this, [this] { giveUpMissingDevices(); });
}

void SoundSession::setDeviceNames(const QString &output, const QString &input)
{
    m_outputName = output;
    m_inputName = input;
    if (output.isEmpty() && input.isEmpty())
        m_deviceLook.stop();
    else
        m_deviceLook.start();
    m_sound.player().setDeviceNames(output, input);
    m_upload.setDeviceNames(output, input);
    emit devicesChanged();
}

void SoundSession::giveUpMissingDevices()
{
    if (m_activity.current() != Activity::Kind::None)
        return;
    const auto missing = [](const auto &devices, const QString &name) {
        return !name.isEmpty() && !devices.empty() && !FindSoundDevice(devices, name);
    };
    const SoundServerState server = SoundServer::instance().state();
    QStringList gone;
    QString output = m_outputName;
    QString input = m_inputName;
    if (missing(server.outputs, output)) {
        gone << tr("вывода звука \"%1\"").arg(output);
        output.clear();
    }
    if (missing(server.inputs, input)) {
        gone << tr("записи звука \"%1\"").arg(input);
        input.clear();
    }
    if (gone.isEmpty())
        return;
    setDeviceNames(output, input);
    emit devicesGivenUp(tr("Устройства %1 больше нет: звук идёт через устройство по "
                           "умолчанию")
                            .arg(gone.join(tr(" и "))));
}

} // namespace orvanta
