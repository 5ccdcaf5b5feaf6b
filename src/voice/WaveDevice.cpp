#include "WaveDevice.h"

#include "SoundServer.h"
#include "SoundServerWatch.h"
#include "WaveFile.h"

#include <QAudioSink>
#include <QAudioSource>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace orvanta {

namespace {

// A sound whose playing makes no progress for this long has ended (the server went away).
constexpr int StallMs = 1000;
// How long a stopped recording waits for captured sound that is still on its way.
constexpr int CollectMs = 600;
constexpr int CollectMarginMs = 20;
constexpr int StreamSetUpMs = 400;
// How long after a stream ended the sound library may still be busy with it: on a loaded
// machine its teardown took more than 400 ms.
constexpr int StreamSettleMs = 1000;

QString ServerGoneWhilePlaying()
{
    return WaveDevice::tr("Звук прерван: сервер звука не отвечает");
}

QString ServerGoneWhileRecording()
{
    return WaveDevice::tr("Запись прервана: сервер звука не отвечает");
}

// When the last stream of this program ended (the monotonic clock's milliseconds), or never.
std::atomic<qint64> lastStreamEnd{-1};

qint64 monotonicMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// How long a new stream may take to show in the sound server's report.
constexpr int StreamShownMs = 500;

// This program's streams now, by index.
std::vector<uint32_t> ownStreamIndexes()
{
    std::vector<uint32_t> indexes;
    for (const SoundStreamState &stream : SoundServer::instance().state().ownStreams)
        indexes.push_back(stream.index);
    return indexes;
}

// The server's report with only the streams of this program that came since before: the others
// belong to earlier plays, ending or gone.
SoundServerState serverWithNewStreams(const std::vector<uint32_t> &before)
{
    SoundServerState server = SoundServer::instance().state();
    std::erase_if(server.ownStreams, [&before](const SoundStreamState &stream) {
        return std::find(before.begin(), before.end(), stream.index) != before.end();
    });
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

QAudioDevice chooseDevice(const QList<QAudioDevice> &devices, const QAudioDevice &fallback,
                          const QString &name, const QString &kind)
{
    // The library keeps listing the devices of a server that went away.
    if (const QString away = SoundServerWatch::instance().problem(); !away.isEmpty())
        throw EWaveDeviceError(away);
    if (name.isEmpty()) {
        if (fallback.isNull())
            throw EWaveDeviceError(WaveDevice::tr("Нет устройства %1").arg(kind));
        return fallback;
    }
    if (const std::optional<QAudioDevice> device = FindSoundDevice(devices, name))
        return *device;
    throw EWaveDeviceError(WaveDevice::tr("Нет устройства %1 \"%2\"").arg(kind, name));
}

} // namespace

std::optional<QAudioDevice> FindSoundDevice(const QList<QAudioDevice> &devices, const QString &name)
{
    for (const QAudioDevice &device : devices)
        if (device.description() == name)
            return device;
    for (const QAudioDevice &device : devices)
        if (device.description().contains(name, Qt::CaseInsensitive))
            return device;
    return std::nullopt;
}

WaveDevice::WaveDevice(QObject *parent)
    : QObject(parent)
{
    SoundServerWatch::instance(); // watching from before the first sound
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

QAudioDevice WaveDevice::outputDevice() const
{
    return chooseDevice(QMediaDevices::audioOutputs(), QMediaDevices::defaultAudioOutput(),
                        m_outputName, tr("вывода звука"));
}

QString WaveDevice::outputProblem() const
{
    try {
        outputDevice();
        return {};
    } catch (const EWaveDeviceError &error) {
        return QString::fromStdString(error.what());
    }
}

QString WaveDevice::outputServerName() const
{
    return QString::fromUtf8(outputDevice().id());
}

QAudioDevice WaveDevice::inputDevice() const
{
    return chooseDevice(QMediaDevices::audioInputs(), QMediaDevices::defaultAudioInput(),
                        m_inputName, tr("записи звука"));
}

void WaveDevice::open()
{
    close();
    const QAudioDevice output = outputDevice();
    if (!QFileInfo::exists(FileName))
        throw EWaveDeviceError(tr("Файл \"%1\" не найден").arg(FileName));
    const TWaveFile wave(FileName);
    // A recording starts from a file that holds the header alone: no sound yet, but its format.
    if (!wave.Loaded && !wave.NoSoundYet)
        throw EWaveDeviceError(tr("Звук из файла \"%1\" не может быть воспроизведён: %2")
                                   .arg(FileName, wave.LoadError));
    openWave(output, wave, !wave.Loaded);
}

void WaveDevice::open(const TWaveFile &wave)
{
    close();
    const QAudioDevice output = outputDevice();
    FileName = wave.FileName;
    openWave(output, wave, false);
}

void WaveDevice::openWave(const QAudioDevice &output, const TWaveFile &wave, bool headerOnly)
{
    if (!(wave.Loaded || headerOnly) || !playable(wave))
        throw EWaveDeviceError(cannotPlay(FileName));

    QAudioFormat format;
    format.setSampleRate(int(wave.Format.SampleRate));
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!output.isFormatSupported(format))
        throw EWaveDeviceError(cannotPlay(FileName));
    m_format = format;

    m_samples.clear();
    if (wave.Loaded)
        m_samples = wave.Samples;
    m_position = 0;
    m_open = true;
}

void WaveDevice::close()
{
    if (m_sink)
        endPlayback();
    if (m_source)
        endRecording();
    m_open = false;
    m_samples.clear();
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
    return (value * m_format.sampleRate() + 500) / 1000;
}

qint64 WaveDevice::fromSamples(qint64 samples) const
{
    if (m_timeFormat == TimeFormat::Samples)
        return samples;
    return (samples * 1000 + m_format.sampleRate() / 2) / m_format.sampleRate();
}

void WaveDevice::seek(qint64 position)
{
    requireOpen();
    stop();
    m_position = std::clamp<qint64>(toSamples(position), 0, qint64(m_samples.size()));
}

qint64 WaveDevice::position() const
{
    requireOpen();
    if (m_source)
        return fromSamples(m_recorded.size() / 2);
    return fromSamples(m_sink ? playPosition() : m_position);
}

qint64 WaveDevice::length() const
{
    requireOpen();
    return fromSamples(m_source ? m_recorded.size() / 2 : qint64(m_samples.size()));
}

// Where the sound is as heard: smooth, a little behind the output, never past the end.
qint64 WaveDevice::playPosition() const
{
    const qint64 played = m_sink->processedUSecs() * m_format.sampleRate() / 1'000'000;
    return m_playStart + std::min(played, m_playEnd - m_playStart);
}

void WaveDevice::play()
{
    requireOpen();
    const bool wait = std::exchange(Wait, false);
    const std::optional<qint64> from = std::exchange(From, std::nullopt);
    const std::optional<qint64> to = std::exchange(To, std::nullopt);
    stop();
    const qint64 count = qint64(m_samples.size());
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

    const qint64 padding = qint64(m_format.sampleRate()) * PaddingMs / 1000;
    QByteArray data(2 * (end - start + padding), '\0');
    std::memcpy(data.data(), m_samples.data() + start, size_t(2 * (end - start)));
    m_playBuffer.close();
    m_playBuffer.setData(data);
    m_playBuffer.open(QIODevice::ReadOnly);

    m_streamDevice = outputDevice();
    m_streamsBefore = ownStreamIndexes();
    m_sink = std::make_unique<QAudioSink>(m_streamDevice, m_format);
    m_sink->start(&m_playBuffer);
    if (m_sink->error() != QAudio::NoError) {
        m_sink.reset();
        throw EWaveDeviceError(tr("Устройство вывода звука не принимает звук"));
    }
    m_playStart = m_peakFrom = start;
    m_playEnd = end;
    m_playMicroseconds = (end - start) * 1'000'000 / m_format.sampleRate();
    m_lastProcessed = -1;
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
    QAudioDevice output;
    try {
        output = outputDevice();
    } catch (const EWaveDeviceError &error) {
        return QString::fromStdString(error.what());
    }
    QBuffer silence;
    silence.setData(QByteArray(m_format.bytesForDuration(qint64(withinMs) * 1000), '\0'));
    silence.open(QIODevice::ReadOnly);
    const std::vector<uint32_t> before = ownStreamIndexes();
    QAudioSink sink(output, m_format);
    sink.start(&silence);
    QElapsedTimer waited;
    waited.start();
    while (sink.error() == QAudio::NoError && sink.processedUSecs() == 0 &&
           waited.elapsed() < withinMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
    const bool running = sink.error() == QAudio::NoError && sink.processedUSecs() > 0;
    // The stream comes up with the volume the server keeps for this program: muted or turned
    // down, it would carry the message to the panel too quietly. It is looked at once the
    // server shows it.
    QString level;
    for (waited.restart(); running && waited.elapsed() < StreamShownMs;) {
        const SoundServerState server = serverWithNewStreams(before);
        if (!server.ownStreams.empty()) {
            level = StreamLevelProblem(server);
            break;
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
    sink.reset();
    sink.stop();
    lastStreamEnd = monotonicMs();
    if (running)
        return level;
    return tr("Устройство вывода звука не запустилось за %1 с: сервер звука не отвечает")
        .arg(withinMs / 1000.0);
}

// The end of playing is when the output has played the whole sound, not when it has taken the
// last data: that comes earlier, and stopping then would cut the sound's end.
void WaveDevice::watchStream()
{
    // The sound library does not reliably signal a device that went away, and the sound server
    // moves its streams to another one at once: every look asks whether it is still there.
    if (deviceGone())
        return;
    if (!m_sink) {
        if (!m_source)
            m_watch.stop();
        return;
    }
    const qint64 processed = m_sink->processedUSecs();
    if (processed != m_lastProcessed) {
        m_lastProcessed = processed;
        m_sinceProgress.restart();
    }
    const bool heard = processed >= m_playMicroseconds;
    const bool failed =
        m_sink->state() == QAudio::StoppedState && m_sink->error() != QAudio::NoError;
    if (heard) {
        m_position = m_playEnd;
        endPlayback();
    } else if (failed || m_sinceProgress.elapsed() > StallMs) {
        m_position = playPosition();
        endPlayback(ServerGoneWhilePlaying());
    }
}

double WaveDevice::takePeak()
{
    int peak = 0;
    if (m_source) {
        collectRecording();
        peak = std::exchange(m_recordedPeak, 0);
    } else if (m_sink) {
        const qint64 now = playPosition();
        for (qint64 k = m_peakFrom; k < now; ++k)
            peak = std::max(peak, std::abs(int(m_samples[size_t(k)])));
        m_peakFrom = std::max(m_peakFrom, now);
    }
    return peak / 32768.0;
}

void WaveDevice::settleBeforeExit()
{
    const qint64 ended = lastStreamEnd;
    if (ended < 0)
        return;
    const qint64 left = ended + StreamSettleMs - monotonicMs();
    if (left > 0) {
        QEventLoop loop;
        QTimer::singleShot(int(left), &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

void WaveDevice::endPlayback(const QString &error)
{
    m_watch.stop();
    // Stopping alone lets the output play out what it holds: a stopped sound would go on
    // for a while. Dropping the held sound first ends it at once.
    m_sink->reset();
    m_sink->stop();
    m_sink.reset();
    lastStreamEnd = monotonicMs();
    m_playBuffer.close();
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
    const QAudioDevice input = inputDevice();
    if (!input.isFormatSupported(m_format))
        throw EWaveDeviceError(tr("Устройство записи звука не записывает звук в "
                                  "формате файла \"%1\"")
                                   .arg(FileName));
    m_recorded.clear();
    m_recordedPeak = 0;
    m_streamDevice = input;
    m_source = std::make_unique<QAudioSource>(input, m_format);
    m_source->setBufferSize(m_format.bytesForDuration(qint64(InputBufferMs) * 1000));
    m_sourceData = m_source->start();
    if (!m_sourceData || m_source->error() != QAudio::NoError) {
        m_source.reset();
        m_sourceData = nullptr;
        throw EWaveDeviceError(tr("Устройство записи звука не отвечает"));
    }
    m_soundArrived = false;
    connect(m_sourceData, &QIODevice::readyRead, this, [this] { collectRecording(); });
    connect(m_source.get(), &QAudioSource::stateChanged, this,
            [this](QAudio::State state) { watchRecording(state); });
    m_recordClock.start();
    m_watch.start();
    m_samples.clear();
    m_position = 0;
    emit stateChanged();
}

void WaveDevice::collectRecording()
{
    if (!m_sourceData)
        return;
    const QByteArray chunk = m_sourceData->readAll();
    const auto *samples = reinterpret_cast<const int16_t *>(chunk.constData());
    for (qsizetype i = 0; i < chunk.size() / 2; ++i)
        m_recordedPeak = std::max(m_recordedPeak, std::abs(int(samples[i])));
    m_recorded += chunk;
    if (!m_soundArrived && !m_recorded.isEmpty()) {
        m_soundArrived = true;
        m_sinceSoundArrived.start();
        m_firstChunkBytes = m_recorded.size();
        emit recordingStarted();
    }
}

// A sound server that goes away stops the input with an error and deletes its data: the
// recording ends there, without touching the stream again.
void WaveDevice::watchRecording(QAudio::State state)
{
    if (!m_source || state != QAudio::StoppedState || m_source->error() == QAudio::NoError)
        return;
    failRecording(ServerGoneWhileRecording());
}

void WaveDevice::failRecording(const QString &error)
{
    disconnect(m_source.get(), nullptr, this, nullptr);
    if (m_sourceData)
        disconnect(m_sourceData, nullptr, this, nullptr);
    m_sourceData = nullptr;
    m_source.release()->deleteLater(); // not inside its own signal
    lastStreamEnd = monotonicMs();
    m_recorded.clear();
    m_samples.clear();
    m_position = 0;
    emit stateChanged();
    emit recordingFailed(error);
}

// By the server's id alone: a device's other traits, such as being the default, may change
// while it stays.
static bool offered(const QList<QAudioDevice> &devices, const QAudioDevice &device)
{
    return std::any_of(devices.begin(), devices.end(),
                       [&](const QAudioDevice &other) { return other.id() == device.id(); });
}

QString WaveDevice::streamMoved() const
{
    return StreamMovedProblem(serverWithNewStreams(m_streamsBefore),
                              QString::fromUtf8(m_streamDevice.id()));
}

bool WaveDevice::deviceGone()
{
    // A server that went away takes every device with it, and is said as such.
    const QString name = m_streamDevice.description();
    if (m_sink) {
        const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
        if (offered(outputs, m_streamDevice)) {
            // The server also moves a stream whose output is still there (another output made
            // the default): the sound would go on, unasked, somewhere else.
            const QString moved = streamMoved();
            if (moved.isEmpty())
                return false;
            m_position = playPosition();
            endPlayback(tr("Звук прерван: %1").arg(moved));
            return true;
        }
        m_position = playPosition();
        endPlayback(outputs.isEmpty()
                        ? ServerGoneWhilePlaying()
                        : tr("Звук прерван: устройства вывода звука \"%1\" больше нет").arg(name));
        return true;
    }
    if (m_source) {
        const QList<QAudioDevice> inputs = QMediaDevices::audioInputs();
        if (offered(inputs, m_streamDevice))
            return false;
        failRecording(
            inputs.isEmpty()
                ? ServerGoneWhileRecording()
                : tr("Запись прервана: устройства записи звука \"%1\" больше нет").arg(name));
        return true;
    }
    return false;
}

// Captured sound reaches the program later than it was heard: before the input is closed, what
// is still on its way is collected, or the recording would lose its end.
void WaveDevice::endRecording()
{
    // An input stopped while its stream is still being set up is torn down later by the sound
    // library, after it is gone: a recording lasts at least until the stream is up.
    while (m_source && m_recordClock.elapsed() < StreamSetUpMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
    // What was heard until now: counted from the first sound the input delivered, which came
    // with what the input held when its stream started.
    const bool arrived = m_soundArrived;
    const qint64 heardMs =
        (arrived ? m_sinceSoundArrived.elapsed() : m_recordClock.elapsed()) - CollectMarginMs;
    const qint64 expected =
        (arrived ? m_firstChunkBytes : 0) + 2 * heardMs * m_format.sampleRate() / 1000;
    QElapsedTimer waited;
    waited.start();
    while (m_source && m_recorded.size() < expected && waited.elapsed() < CollectMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        collectRecording();
        QThread::msleep(5);
    }
    if (!m_source)
        return; // the input failed meanwhile and said so
    collectRecording();
    if (m_sourceData)
        disconnect(m_sourceData, nullptr, this, nullptr);
    disconnect(m_source.get(), nullptr, this, nullptr);
    m_source->stop();
    m_source.reset();
    lastStreamEnd = monotonicMs();
    m_sourceData = nullptr;

    m_samples.resize(size_t(m_recorded.size() / 2));
    if (!m_samples.empty())
        std::memcpy(m_samples.data(), m_recorded.constData(), 2 * m_samples.size());
    m_recorded.clear();
    m_position = qint64(m_samples.size());
    emit stateChanged();
}

void WaveDevice::stop()
{
    requireOpen();
    if (m_sink) {
        m_position = playPosition();
        endPlayback();
    }
    if (m_source)
        endRecording();
}

void WaveDevice::Save()
{
    requireOpen();
    TWaveFile wave;
    wave.Samples = m_samples;
    wave.Format.SampleRate = uint32_t(m_format.sampleRate());
    wave.Format.ByteRate = wave.Format.SampleRate * 2;
    if (!wave.SaveToFile(FileName))
        throw EWaveDeviceError(tr("Не удалось создать файл \"%1\"").arg(FileName));
}

} // namespace orvanta
