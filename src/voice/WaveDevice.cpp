#include "WaveDevice.h"

#include "SoundServer.h"
#include "WaveFile.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace orvanta {

namespace {

// A sound whose playing makes no progress for this long has ended (the server went away).
constexpr int StallMs = 1000;
// How long a stopped recording waits for captured sound that is still on its way.
constexpr int CollectMs = 600;
constexpr int CollectMarginMs = 20;
// How long a choice of device waits for the server's first report, right after the start.
constexpr int ServerAnswerMs = 2000;

QString serverGone()
{
    return WaveDevice::tr("сервер звука не отвечает");
}

// How long a new stream may take to show in the sound server's report.
constexpr int StreamShownMs = 500;

// The server's report with only the one stream of this program: the others belong to other
// plays, ending or gone.
SoundServerState serverWithStream(SoundServerState server, int64_t index)
{
    std::erase_if(server.ownStreams,
                  [index](const SoundStreamState &stream) { return stream.index != index; });
    return server;
}

bool playable(const TWaveFile &wave)
{
    // A loaded message is 16-bit mono whatever its file held.
    return wave.Format.FormatTag == 1 && wave.Format.BitsPerSample == 16 &&
           wave.Format.Channels == 1 && wave.Format.SampleRate >= 1000 &&
           wave.Format.SampleRate <= 384000;
}

QString cannotPlay(const QString &fileName)
{
    return WaveDevice::tr("Звук из файла \"%1\" не может быть воспроизведён: частота его "
                          "отсчётов не подходит устройству")
        .arg(fileName);
}

// The server's name of the device of that description, or of the default one for an empty
// name.
template <class Device>
QString chooseDevice(const SoundServerState &server, const std::vector<Device> &devices,
                     const QString &fallback, const QString &name, const QString &kind)
{
    if (!server.present)
        throw EWaveDeviceError(ServerAwayProblem());
    if (name.isEmpty()) {
        if (fallback.isEmpty())
            throw EWaveDeviceError(WaveDevice::tr("Нет устройства %1").arg(kind));
        return fallback;
    }
    if (const Device *device = FindSoundDevice(devices, name))
        return device->name;
    throw EWaveDeviceError(WaveDevice::tr("Нет устройства %1 \"%2\"").arg(kind, name));
}

template <class Device>
const Device *deviceNamed(const std::vector<Device> &devices, const QString &name)
{
    for (const Device &device : devices)
        if (device.name == name)
            return &device;
    return nullptr;
}

// The description of the device of that server name, as the desktop shows it.
template <class Device> QString shownName(const std::vector<Device> &devices, const QString &name)
{
    const Device *device = deviceNamed(devices, name);
    return device && !device->description.isEmpty() ? device->description : name;
}

} // namespace

WaveDevice::WaveDevice(QObject *parent)
    : QObject(parent)
{
    SoundServer::instance(); // connecting from before the first sound
    m_watch.setInterval(WatchMs);
    connect(&m_watch, &QTimer::timeout, this, [this] { watchStream(); });
}

WaveDevice::~WaveDevice()
{
    close();
}

void WaveDevice::setDeviceNames(const QString &output, const QString &input)
{
    m_outputName = output;
    m_inputName = input;
}

QString WaveDevice::outputProblem() const
{
    try {
        outputServerName();
        return {};
    } catch (const EWaveDeviceError &error) {
        return QString::fromStdString(error.what());
    }
}

QString WaveDevice::outputServerName() const
{
    const SoundServerState server = SoundServer::instance().settledState(ServerAnswerMs);
    return chooseDevice(server, server.outputs, server.defaultOutput, m_outputName,
                        tr("вывода звука"));
}

QString WaveDevice::inputServerName() const
{
    const SoundServerState server = SoundServer::instance().settledState(ServerAnswerMs);
    return chooseDevice(server, server.inputs, server.defaultInput, m_inputName,
                        tr("записи звука"));
}

void WaveDevice::open()
{
    close();
    outputServerName(); // no output: nothing to open for
    if (!QFileInfo::exists(FileName))
        throw EWaveDeviceError(tr("Файл \"%1\" не найден").arg(FileName));
    TWaveFile wave(FileName);
    // A recording starts from a file that holds the header alone: no sound yet, but its format.
    if (!wave.Loaded && !wave.NoSoundYet)
        throw EWaveDeviceError(tr("Звук из файла \"%1\" не может быть воспроизведён: %2")
                                   .arg(FileName, wave.LoadError));
    openWave(wave, std::make_shared<const std::vector<int16_t>>(std::move(wave.Samples)));
}

void WaveDevice::open(std::shared_ptr<const TWaveFile> wave)
{
    close();
    outputServerName();
    FileName = wave->FileName;
    if (!wave->Loaded)
        throw EWaveDeviceError(cannotPlay(FileName));
    // Shares the wave's ownership while pointing at its samples.
    const TWaveFile &opened = *wave;
    openWave(opened, std::shared_ptr<const std::vector<int16_t>>(std::move(wave), &opened.Samples));
}

void WaveDevice::openWave(const TWaveFile &wave, std::shared_ptr<const std::vector<int16_t>> sound)
{
    if (!playable(wave))
        throw EWaveDeviceError(cannotPlay(FileName));
    m_rate = wave.Format.SampleRate;
    m_sound = std::move(sound);
    m_position = 0;
    m_open = true;
}

const std::vector<int16_t> &WaveDevice::samples() const
{
    static const std::vector<int16_t> none;
    return m_sound ? *m_sound : none;
}

void WaveDevice::close()
{
    if (m_mode == Mode::Playing)
        endPlayback();
    if (m_mode == Mode::Recording)
        endRecording();
    m_open = false;
    m_sound.reset();
    m_position = 0;
}

void WaveDevice::requireOpen() const
{
    if (!m_open)
        throw EWaveDeviceError(tr("Звуковой файл не открыт"));
}

qint64 WaveDevice::toSamples(qint64 value) const
{
    if (m_timeFormat == TimeFormat::Samples)
        return value;
    return (value * m_rate + 500) / 1000;
}

qint64 WaveDevice::fromSamples(qint64 samples) const
{
    if (m_timeFormat == TimeFormat::Samples)
        return samples;
    return (samples * 1000 + m_rate / 2) / m_rate;
}

void WaveDevice::seek(qint64 position)
{
    requireOpen();
    stop();
    m_position = std::clamp<qint64>(toSamples(position), 0, qint64(samples().size()));
}

qint64 WaveDevice::position() const
{
    requireOpen();
    if (isRecording())
        return fromSamples(qint64(m_recorded.size()));
    return fromSamples(isPlaying() ? playPosition() : m_position);
}

qint64 WaveDevice::length() const
{
    requireOpen();
    return fromSamples(qint64(isRecording() ? m_recorded.size() : samples().size()));
}

// Where the sound is as heard: smooth, a little behind the output, never past the end.
qint64 WaveDevice::playPosition() const
{
    const qint64 played = m_stream.playedMicroseconds() * m_rate / 1'000'000;
    return m_playStart + std::min(played, m_playEnd - m_playStart);
}

void WaveDevice::play()
{
    requireOpen();
    const bool wait = std::exchange(Wait, false);
    const std::optional<qint64> from = std::exchange(From, std::nullopt);
    const std::optional<qint64> to = std::exchange(To, std::nullopt);
    stop();
    const qint64 count = qint64(samples().size());
    const qint64 start = std::clamp<qint64>(from ? toSamples(*from) : m_position, 0, count);
    const qint64 end = std::clamp<qint64>(to ? toSamples(*to) : count, start, count);
    m_position = start;
    const int play = ++m_plays;
    if (start == end) {
        // Nothing to play is heard to its end at once. Told from the event loop, as every end
        // is, so that whoever waits for it has set up its wait; a later play makes it void.
        QTimer::singleShot(0, this, [this, play] {
            if (play == m_plays)
                emit playEnded({});
        });
        return;
    }

    // The stream plays the message's own samples, which stay unchanged while it runs: every
    // change of them stops it first.
    m_streamDevice = outputServerName();
    m_streamShownName = shownName(SoundServer::instance().state().outputs, m_streamDevice);
    const size_t padding = size_t(m_rate) * PaddingMs / 1000;
    if (const QString refused = m_stream.play(m_streamDevice, m_rate, m_sound->data() + start,
                                              size_t(end - start), padding);
        !refused.isEmpty())
        throw EWaveDeviceError(tr("Устройство вывода звука не принимает звук: %1").arg(refused));
    m_mode = Mode::Playing;
    m_playStart = m_peakFrom = start;
    m_playEnd = end;
    m_playMicroseconds = (end - start) * 1'000'000 / m_rate;
    m_lastPlayed = -1;
    m_sinceProgress.start();
    m_watch.start();
    emit stateChanged();

    if (wait) {
        QEventLoop loop;
        m_waitLoop = &loop;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        m_waitLoop = nullptr;
    }
}

QString WaveDevice::proveOutput(int withinMs)
{
    requireOpen();
    stop();
    QString output;
    try {
        output = outputServerName();
    } catch (const EWaveDeviceError &error) {
        return QString::fromStdString(error.what());
    }
    SoundStream silence;
    const size_t samples = size_t(m_rate) * size_t(withinMs) / 1000;
    QString problem = silence.play(output, m_rate, nullptr, 0, samples);
    QElapsedTimer waited;
    waited.start();
    while (problem.isEmpty() && silence.failure().isEmpty() && silence.playedMicroseconds() == 0 &&
           waited.elapsed() < withinMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
    const bool running =
        problem.isEmpty() && silence.failure().isEmpty() && silence.playedMicroseconds() > 0;
    if (!running)
        return tr("Устройство вывода звука не запустилось за %1 с: сервер звука не отвечает")
            .arg(withinMs / 1000.0);
    // The stream comes up with the volume the server keeps for this program: muted or turned
    // down, it would carry the message to the panel too quietly. It is looked at once the
    // server shows it.
    const int64_t index = silence.index();
    for (waited.restart(); waited.elapsed() < StreamShownMs;) {
        const SoundServerState server = serverWithStream(SoundServer::instance().state(), index);
        if (!server.ownStreams.empty())
            return StreamLevelProblem(server);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
    return {};
}

// The end of playing is when the output has played the whole sound, not when it has taken the
// last data: that comes earlier, and stopping then would cut the sound's end.
void WaveDevice::watchStream()
{
    if (m_mode == Mode::Idle) {
        m_watch.stop();
        return;
    }
    const QString lost = streamLost(SoundServer::instance().state());
    if (m_mode == Mode::Recording) {
        collectRecording();
        if (!lost.isEmpty())
            failRecording(tr("Запись прервана: %1").arg(lost));
        return;
    }
    if (!lost.isEmpty()) {
        m_position = playPosition();
        endPlayback(tr("Звук прерван: %1").arg(lost));
        return;
    }
    const qint64 played = m_stream.playedMicroseconds();
    if (played != m_lastPlayed) {
        m_lastPlayed = played;
        m_sinceProgress.restart();
    }
    if (played >= m_playMicroseconds) {
        // The server's clock may run ahead of what the output played by up to a period: stopping
        // now would cut the sound's end. It ends once the server has played out the stream, its
        // padding too, or once its clock stood still that long without saying so.
        if (m_stream.drained() || m_sinceProgress.elapsed() > StallMs) {
            m_position = m_playEnd;
            endPlayback();
        }
    } else if (m_sinceProgress.elapsed() > StallMs) {
        m_position = playPosition();
        endPlayback(tr("Звук прерван: %1").arg(serverGone()));
    }
}

QString WaveDevice::streamLost(const SoundServerState &server) const
{
    const bool playing = m_mode == Mode::Playing;
    const QString failure = m_stream.failure();
    // A server that went away takes every device with it, and is said as such.
    if (!server.present)
        return failure.isEmpty() ? QString() : serverGone();
    const bool offered = playing ? deviceNamed(server.outputs, m_streamDevice) != nullptr
                                 : deviceNamed(server.inputs, m_streamDevice) != nullptr;
    if (!offered)
        return playing ? tr("устройства вывода звука \"%1\" больше нет").arg(m_streamShownName)
                       : tr("устройства записи звука \"%1\" больше нет").arg(m_streamShownName);
    if (!failure.isEmpty())
        return failure;
    // The server also moves a stream whose output is still there (another output made the
    // default): the sound would go on, unasked, somewhere else.
    if (playing)
        return StreamMovedProblem(serverWithStream(server, m_stream.index()), m_streamDevice);
    return {};
}

double WaveDevice::takePeak()
{
    int peak = 0;
    if (isRecording()) {
        collectRecording();
        peak = std::exchange(m_recordedPeak, 0);
    } else if (isPlaying()) {
        const qint64 now = playPosition();
        for (qint64 k = m_peakFrom; k < now; ++k)
            peak = std::max(peak, std::abs(int((*m_sound)[size_t(k)])));
        m_peakFrom = std::max(m_peakFrom, now);
    }
    return peak / 32768.0;
}

void WaveDevice::endPlayback(const QString &error)
{
    m_watch.stop();
    m_stream.stop();
    m_mode = Mode::Idle;
    if (m_waitLoop)
        m_waitLoop->quit();
    emit stateChanged();
    emit playEnded(error);
}

void WaveDevice::record()
{
    requireOpen();
    Wait = false;
    From.reset();
    To.reset();
    stop();
    m_streamDevice = inputServerName();
    m_streamShownName = shownName(SoundServer::instance().state().inputs, m_streamDevice);
    m_recorded.clear();
    m_recordedPeak = 0;
    if (const QString refused = m_stream.record(m_streamDevice, m_rate, InputBufferMs, false);
        !refused.isEmpty())
        throw EWaveDeviceError(tr("Устройство записи звука не отвечает: %1").arg(refused));
    m_mode = Mode::Recording;
    m_soundArrived = false;
    m_recordClock.start();
    m_watch.start();
    m_sound.reset();
    m_position = 0;
    emit stateChanged();
}

void WaveDevice::collectRecording()
{
    const size_t had = m_recorded.size();
    m_stream.takeRecorded(m_recorded);
    for (size_t i = had; i < m_recorded.size(); ++i)
        m_recordedPeak = std::max(m_recordedPeak, std::abs(int(m_recorded[i])));
    if (!m_soundArrived && !m_recorded.empty()) {
        m_soundArrived = true;
        m_sinceSoundArrived.start();
        m_firstChunkSamples = qint64(m_recorded.size());
        emit recordingStarted();
    }
}

// The recording ends where its stream failed; what it recorded is dropped.
void WaveDevice::failRecording(const QString &error)
{
    m_watch.stop();
    m_stream.stop();
    m_mode = Mode::Idle;
    m_recorded.clear();
    m_sound.reset();
    m_position = 0;
    emit stateChanged();
    emit recordingFailed(error);
}

// Captured sound reaches the program later than it was heard: before the input is closed, what
// is still on its way is collected, or the recording would lose its end.
void WaveDevice::endRecording()
{
    // What was heard until now: counted from the first sound the input delivered, which came
    // with what the input held when its stream started.
    const bool arrived = m_soundArrived;
    const qint64 heardMs =
        (arrived ? m_sinceSoundArrived.elapsed() : m_recordClock.elapsed()) - CollectMarginMs;
    const qint64 expected = (arrived ? m_firstChunkSamples : 0) + heardMs * m_rate / 1000;
    QElapsedTimer waited;
    waited.start();
    while (qint64(m_recorded.size()) < expected && waited.elapsed() < CollectMs &&
           m_stream.failure().isEmpty()) {
        QThread::msleep(5);
        collectRecording();
    }
    collectRecording();
    m_watch.stop();
    m_stream.stop();
    m_mode = Mode::Idle;
    m_sound = std::make_shared<const std::vector<int16_t>>(std::exchange(m_recorded, {}));
    m_position = qint64(m_sound->size());
    emit stateChanged();
}

void WaveDevice::stop()
{
    requireOpen();
    if (isPlaying()) {
        m_position = playPosition();
        endPlayback();
    }
    if (isRecording())
        endRecording();
}

void WaveDevice::Save()
{
    requireOpen();
    TWaveFile wave;
    wave.Samples = samples();
    wave.Format.SampleRate = m_rate;
    wave.Format.ByteRate = wave.Format.SampleRate * 2;
    if (!wave.SaveToFile(FileName))
        throw EWaveDeviceError(tr("Не удалось создать файл \"%1\"").arg(FileName));
}

} // namespace orvanta
