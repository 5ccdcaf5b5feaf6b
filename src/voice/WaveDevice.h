#pragma once

#include "SoundStream.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

class QEventLoop;

namespace orvanta {

struct SoundServerState;
class TWaveFile;

// What the sound device refused, in words for the user.
class EWaveDeviceError : public std::runtime_error
{
public:
    explicit EWaveDeviceError(const QString &message)
        : std::runtime_error(message.toStdString())
    {}
};

// The wave-audio device: one wave file at a time, played on the sound output and recorded from
// the sound input, through the sound server's own connection. Positions, lengths and the from
// and to of the next play are in the time format last set: samples of the file, or
// milliseconds.
//
// Playing and recording run beside the window; a blocking play (Wait) lets paint and timer
// events through while it waits, never the user's input.
class WaveDevice : public QObject
{
    Q_OBJECT
public:
    enum class TimeFormat { Samples, Milliseconds };

    explicit WaveDevice(QObject *parent = nullptr);
    ~WaveDevice() override;

    // The file the next Open takes.
    QString FileName;
    // The next Play returns only when the sound has been heard to its end; Play clears it.
    bool Wait = false;
    // Where the next Play starts and ends, each used once and then forgotten.
    std::optional<qint64> From;
    std::optional<qint64> To;

    // The output and input to use, by their description; empty names the system's default.
    void setDeviceNames(const QString &output, const QString &input);
    // Why nothing can be played now (no such output), or empty.
    QString outputProblem() const;
    // The sound server's name of the output the next play goes to (the device's id). Throws
    // EWaveDeviceError when there is none.
    QString outputServerName() const;

    // Reads FileName and makes it the device's element, at position 0. Throws EWaveDeviceError
    // when there is no output, the file is missing, or its sound cannot be played.
    void open();
    // The same for a wave file that is already read, shared rather than copied: FileName becomes
    // its name.
    void open(std::shared_ptr<const TWaveFile> wave);
    // Stops and releases the file, so that it can be rewritten.
    void close();
    bool isOpen() const { return m_open; }

    void setTimeFormat(TimeFormat format) { m_timeFormat = format; }
    TimeFormat getTimeFormat() const { return m_timeFormat; }

    // Every operation below needs an open file and throws EWaveDeviceError without one.
    void rewind() { seek(0); }
    void seek(qint64 position);
    // From the position (or From) to the end (or To).
    void play();
    // Proves the output running: opens it in the open file's format and lets it take silence.
    // Empty once it took some within withinMs and the server shows the stream neither muted nor
    // turned down, else why not; user input waits meanwhile.
    QString proveOutput(int withinMs);
    // Into the open file, from position 0 until stopped, in the file's format.
    void record();
    // Ends playing or recording; what was recorded becomes the device's sound.
    void stop();
    // Writes the device's sound (what was recorded) into the open file.
    void Save();
    qint64 position() const;
    qint64 length() const;
    // The open file's sound and its rate, as they are played.
    const std::vector<int16_t> &samples() const;
    uint32_t sampleRate() const { return m_rate; }

    // The loudest sample heard since the last call, as a share of full scale (0 to 1): of what the
    // output played up to where it is now, or of what the input delivered. 0 while neither runs.
    double takePeak();

    bool isPlaying() const { return m_mode == Mode::Playing; }
    bool isRecording() const { return m_mode == Mode::Recording; }

    // Silence after the sound, sent to the output only: the sound server leaves a short gap near
    // the end of a stream that ends abruptly, which would cut the message's last word.
    static constexpr int PaddingMs = 50;
    // How often a playing sound is looked at, for its end: a listener that is told of the end
    // (the panel) hears up to this much silence more.
    static constexpr int WatchMs = 25;
    // The pieces in which captured sound reaches the program: the delay from the record call to
    // the first sound it gets is about this and the stream's set-up. The server's default is
    // many times longer, which would make the user wait before speaking, or cut the first
    // syllable.
    static constexpr int InputBufferMs = 20;

signals:
    // Playing or recording began or ended.
    void stateChanged();
    // Playing ended: heard to its end (a play with nothing to play too, once Play has returned)
    // or stopped (error empty), or cut short by the sound server (error says so).
    void playEnded(const QString &error);
    // The input delivered its first sound.
    void recordingStarted();
    // The input failed while recording; what it recorded is dropped.
    void recordingFailed(const QString &error);

private:
    enum class Mode { Idle, Playing, Recording };

    void requireOpen() const;
    // headerOnly: a file without sound yet, which only a recording can take.
    void openWave(const TWaveFile &wave, std::shared_ptr<const std::vector<int16_t>> sound);
    // The server's name of the chosen input; throws EWaveDeviceError when there is none.
    QString inputServerName() const;
    qint64 toSamples(qint64 value) const;
    qint64 fromSamples(qint64 samples) const;
    qint64 playPosition() const;
    void watchStream();
    void endPlayback(const QString &error = {});
    void collectRecording();
    void failRecording(const QString &error);
    // Why the running stream no longer sounds or records where it began, or empty: its device
    // went away, or the server moved it elsewhere, or failed it.
    QString streamLost(const SoundServerState &server) const;
    void endRecording();

    QString m_outputName;
    QString m_inputName;
    bool m_open = false;
    TimeFormat m_timeFormat = TimeFormat::Samples;
    uint32_t m_rate = 0;
    // The sound, centred on 0: held once, with the message it came from where it was shared.
    std::shared_ptr<const std::vector<int16_t>> m_sound;
    qint64 m_position = 0;

    Mode m_mode = Mode::Idle;
    SoundStream m_stream;
    QString m_streamDevice;    // the server's name of the device the stream began on
    QString m_streamShownName; // and its description
    qint64 m_playStart = 0;
    qint64 m_playEnd = 0;
    qint64 m_playMicroseconds = 0;
    qint64 m_lastPlayed = -1;
    qint64 m_peakFrom = 0;  // the first played sample not yet in a peak
    int m_recordedPeak = 0; // the loudest recorded sample since the last peak
    QElapsedTimer m_sinceProgress;
    QTimer m_watch;
    QEventLoop *m_waitLoop = nullptr;
    int m_plays = 0; // plays started, so that the end of nothing played is told for its own

    bool m_soundArrived = false;
    QElapsedTimer m_sinceSoundArrived;
    qint64 m_firstChunkSamples = 0;
    std::vector<int16_t> m_recorded;
    QElapsedTimer m_recordClock;
};

} // namespace orvanta
