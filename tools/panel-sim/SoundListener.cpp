#include "SoundListener.h"

#include "WaveFile.h"

#include <QAudioSource>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QThread>
#include <csignal>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <sys/prctl.h>
#include <unistd.h>
#include <utility>

namespace orvanta::sim {

namespace {

constexpr int SampleRate = 44100;
// The sound of a message reaches the input a little after it was played; this much more is
// waited for after "+j", and kept.
constexpr int TailMs = 150;
constexpr int CollectLimitMs = 1000;
// How long the input may take to deliver its first sound.
constexpr int StartLimitMs = 5000;
// How often the reader is looked at; a running input delivers every few tens of milliseconds,
// silence too, so a reader quiet for the limit is stuck and is replaced.
constexpr int WatchMs = 500;
constexpr int QuietLimitMs = 5000;

} // namespace

SoundListener::SoundListener(QString folder)
    : m_folder(std::move(folder))
{
    m_reader.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&m_reader, &QProcess::readyReadStandardOutput, this, [this] { collect(); });
    m_watch.setInterval(WatchMs);
    connect(&m_watch, &QTimer::timeout, this, [this] { watch(); });
}

SoundListener::~SoundListener()
{
    m_reader.kill();
    m_reader.waitForFinished();
}

void SoundListener::startReader()
{
    m_sinceSound.start();
    m_reader.start(QCoreApplication::applicationFilePath(), {"--read-sound-input"});
}

void SoundListener::start()
{
    startReader();
    QDir().mkpath(m_folder);
    QElapsedTimer waited;
    waited.start();
    while (!m_hearing && waited.elapsed() < StartLimitMs &&
           m_reader.state() != QProcess::NotRunning) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    collect();
    if (!m_hearing && m_reader.state() == QProcess::NotRunning)
        throw std::runtime_error("the sound input cannot be read");
    m_watch.start();
}

void SoundListener::watch()
{
    if (m_reader.state() != QProcess::NotRunning && m_sinceSound.elapsed() > QuietLimitMs) {
        m_reader.kill();
        m_reader.waitForFinished();
    }
    if (m_reader.state() != QProcess::NotRunning)
        return;
    if (!std::exchange(m_lost, true)) {
        std::cerr << "orvanta-panel-sim: the sound input stopped; listening again once the sound "
                     "server is back\n";
        // The readers tried meanwhile fail each with the same words: they are not repeated.
        m_reader.setProcessChannelMode(QProcess::SeparateChannels);
        m_reader.setStandardErrorFile(QProcess::nullDevice());
    }
    startReader();
}

void SoundListener::collect()
{
    const QByteArray data = m_reader.readAllStandardOutput();
    if (data.isEmpty())
        return;
    m_sinceSound.start();
    m_hearing = true;
    if (std::exchange(m_lost, false))
        std::cerr << "orvanta-panel-sim: hearing the sound input again\n";
    if (m_inMessage)
        m_heard += data;
}

void SoundListener::messageStarted(int)
{
    collect(); // what came before the message is dropped
    m_heard.clear();
    m_inMessage = true;
    m_sinceStart.start();
}

void SoundListener::messageEnded(int message)
{
    const qint64 wanted = 2 * (m_sinceStart.elapsed() + TailMs) * SampleRate / 1000;
    QElapsedTimer waited;
    waited.start();
    while (m_reader.state() == QProcess::Running && m_heard.size() < wanted &&
           waited.elapsed() < CollectLimitMs) {
        QCoreApplication::processEvents();
        collect();
        QThread::msleep(5);
    }
    m_inMessage = false;
    TWaveFile wave;
    wave.Samples.resize(size_t(m_heard.size() / 2));
    if (!wave.Samples.empty())
        std::memcpy(wave.Samples.data(), m_heard.constData(), 2 * wave.Samples.size());
    m_heard.clear();
    wave.SaveToFile(
        QDir(m_folder).filePath(QStringLiteral("%1.wav").arg(message, 2, 10, QLatin1Char('0'))));
}

int ReadSoundInput(int argc, char **argv)
{
    // Ends with the listener, however it ends: a reader waiting for a server that is gone would
    // otherwise stay.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    QCoreApplication application(argc, argv);
    const QAudioDevice input = QMediaDevices::defaultAudioInput();
    if (input.isNull()) {
        std::cerr << "orvanta-panel-sim: no sound input to listen to\n";
        return 1;
    }
    QAudioFormat format;
    format.setSampleRate(SampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    QAudioSource source(input, format);
    QIODevice *data = source.start();
    if (!data) {
        std::cerr << "orvanta-panel-sim: the sound input does not record\n";
        return 1;
    }
    QFile out;
    out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    // The input's data is deleted when its stream fails, and with it this connection.
    QObject::connect(data, &QIODevice::readyRead, &application, [&] {
        const QByteArray bytes = data->readAll();
        if (out.write(bytes) != bytes.size())
            application.exit(1); // the listener is gone
    });
    QObject::connect(&source, &QAudioSource::stateChanged, &application, [&](QAudio::State state) {
        if (state == QAudio::StoppedState)
            application.exit(1); // the sound server went away
    });
    return application.exec();
}

} // namespace orvanta::sim
