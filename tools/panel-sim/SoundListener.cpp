#include "SoundListener.h"

#include "voice/SoundStream.h"
#include "voice/WaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
// The pieces in which the reader gets the input's sound.
constexpr int ReadPieceMs = 20;

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
    SoundStream input;
    if (const QString refused = input.record(QString(), SampleRate, ReadPieceMs, false);
        !refused.isEmpty()) {
        std::cerr << "orvanta-panel-sim: the sound input does not record: " << refused.toStdString()
                  << "\n";
        return 1;
    }
    std::vector<int16_t> samples;
    for (;;) {
        QThread::msleep(ReadPieceMs / 2);
        if (!input.failure().isEmpty())
            return 1; // the sound server went away
        samples.clear();
        input.takeRecorded(samples);
        const auto bytes = qint64(samples.size()) * qint64(sizeof(int16_t));
        if (bytes > 0 && ::write(STDOUT_FILENO, samples.data(), size_t(bytes)) != bytes)
            return 1; // the listener is gone
    }
}

} // namespace orvanta::sim
