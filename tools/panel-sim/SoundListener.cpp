#include "SoundListener.h"

#include "WaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QMediaDevices>
#include <QThread>
#include <cstring>
#include <stdexcept>

namespace orvanta::sim {

namespace {

// The sound of a message reaches the input a little after it was played; this much more is
// waited for after "+j", and kept.
constexpr int TailMs = 150;
constexpr int CollectLimitMs = 1000;
// How long the input may take to deliver its first sound.
constexpr int StartLimitMs = 5000;

} // namespace

SoundListener::SoundListener(QString folder)
    : m_folder(std::move(folder))
{}

void SoundListener::start()
{
    const QAudioDevice input = QMediaDevices::defaultAudioInput();
    if (input.isNull())
        throw std::runtime_error("no sound input to listen to");
    QAudioFormat format;
    format.setSampleRate(m_sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    m_source = std::make_unique<QAudioSource>(input, format);
    m_input = m_source->start();
    if (!m_input)
        throw std::runtime_error("the sound input does not record");
    connect(m_input, &QIODevice::readyRead, this, [this] { collect(); });
    QDir().mkpath(m_folder);
    QElapsedTimer waited;
    waited.start();
    while (!m_hearing && waited.elapsed() < StartLimitMs) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
}

void SoundListener::collect()
{
    const QByteArray data = m_input->readAll();
    m_hearing = m_hearing || !data.isEmpty();
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
    const qint64 wanted = 2 * (m_sinceStart.elapsed() + TailMs) * m_sampleRate / 1000;
    QElapsedTimer waited;
    waited.start();
    while (m_heard.size() < wanted && waited.elapsed() < CollectLimitMs) {
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

} // namespace orvanta::sim
