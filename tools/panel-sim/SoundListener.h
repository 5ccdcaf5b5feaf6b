#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

namespace orvanta::sim {

// What the virtual panel hears on a sound input while it records a message, kept as one wave
// file per message ("01.wav" … "54.wav") in a folder. The input listens from the start, so
// that no message begins with sound the input held from before; between messages nothing is
// kept. Lives on the thread of Qt's event loop.
//
// The input is read by a child process (ReadSoundInput). The sound library gives up for good
// when the sound server stays away longer than a moment, so an input that stopped is read again
// by a new process: the listener says on standard error that it stopped, starts a reader every
// little while until one hears, and meanwhile keeps each message with what was heard.
class SoundListener : public QObject
{
public:
    explicit SoundListener(QString folder);
    ~SoundListener() override;

    // Starts listening to the system's default sound input, and returns once the input delivers
    // sound (a few seconds at most): a message played before would not be heard. Throws
    // std::runtime_error when the input cannot be read.
    void start();
    void messageStarted(int message);
    // Waits for the sound still on its way from the input, then writes the message's file.
    void messageEnded(int message);

private:
    void startReader();
    void collect();
    // Starts a reader again when the last one ended or went quiet.
    void watch();

    QString m_folder;
    QProcess m_reader;
    QTimer m_watch;
    QElapsedTimer m_sinceSound; // since the reader last delivered sound, or started
    QByteArray m_heard;
    bool m_inMessage = false;
    bool m_hearing = false; // the input has delivered sound
    bool m_lost = false;    // the input stopped, and has not delivered sound since
    QElapsedTimer m_sinceStart;
};

// orvanta-panel-sim --read-sound-input: writes what the system's default sound input hears to
// standard output, 16-bit mono at SoundListener's rate, and returns when the input stops.
int ReadSoundInput(int argc, char **argv);

} // namespace orvanta::sim
