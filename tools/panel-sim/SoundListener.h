#pragma once

#include <QAudioSource>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <memory>

namespace orvanta::sim {

// What the virtual panel hears on a sound input while it records a message, kept as one wave
// file per message ("01.wav" … "54.wav") in a folder. The input listens from the start, so
// that no message begins with sound the input held from before; between messages nothing is
// kept. Lives on the thread of Qt's event loop.
class SoundListener : public QObject
{
public:
    explicit SoundListener(QString folder);

    // Opens the system's default sound input. Throws std::runtime_error when there is none.
    // Starts listening, and returns once the input delivers sound (a few seconds at most): a
    // message played before would not be heard.
    void start();
    void messageStarted(int message);
    // Waits for the sound still on its way from the input, then writes the message's file.
    void messageEnded(int message);

private:
    void collect();

    QString m_folder;
    std::unique_ptr<QAudioSource> m_source;
    QIODevice *m_input = nullptr;
    QByteArray m_heard;
    bool m_inMessage = false;
    bool m_hearing = false; // the input has delivered sound
    QElapsedTimer m_sinceStart;
    int m_sampleRate = 44100;
};

} // namespace orvanta::sim
