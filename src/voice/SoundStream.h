#pragma once

#include <QString>
#include <cstdint>
#include <vector>

struct pa_operation;
struct pa_stream;

namespace orvanta {

struct SoundStreamCallbacks;

// One sound stream of this program on the sound server, over the server's own connection: a
// play of samples that the caller keeps unchanged until the stream is stopped, or a recording.
// A stream that the server fails (it went away, the device went away) stays failed, with its
// reason; a new one is made on the connection the server has then. From one thread at a time.
class SoundStream
{
public:
    SoundStream() = default;
    ~SoundStream();
    SoundStream(const SoundStream &) = delete;
    SoundStream &operator=(const SoundStream &) = delete;

    // Plays count samples (16-bit mono at rate), then padding samples of silence, on the output
    // of that name (empty: the default one). Empty when the stream began, else why not.
    QString play(const QString &output, uint32_t rate, const int16_t *samples, size_t count,
                 size_t padding);
    // Records 16-bit mono at rate from the input of that name (empty: the default one). Captured
    // sound reaches the program in pieces of pieceMs. A stream that stays on its device ends
    // with it instead of being moved elsewhere.
    QString record(const QString &input, uint32_t rate, int pieceMs, bool stayOnDevice);
    // Ends the stream; a play stops at once, with nothing it still holds played.
    void stop();
    bool running() const { return m_stream != nullptr; }

    // How much of a play has been heard, in microseconds: behind what the server took.
    int64_t playedMicroseconds() const;
    // Whether the server has played out the whole of a play, its padding too.
    bool drained() const;
    // Moves what was recorded since the last call to the end of into.
    void takeRecorded(std::vector<int16_t> &into);
    // Why the server ended the stream, or empty while it runs.
    QString failure() const;
    // The server's name of the device the stream is on now: the server may move it.
    QString device() const;
    // The stream's index on the server, or -1 before it is known.
    int64_t index() const;

private:
    friend struct SoundStreamCallbacks;

    QString connectStream(bool playing, const QString &device, uint32_t rate, int pieceMs,
                          bool stayOnDevice);

    pa_stream *m_stream = nullptr;
    uint32_t m_rate = 0;
    // A play's sound, not owned, and how far the server has taken it.
    const int16_t *m_samples = nullptr;
    size_t m_count = 0;
    size_t m_padding = 0;
    size_t m_written = 0;
    bool m_draining = false;
    bool m_drained = false;
    pa_operation *m_drain = nullptr; // the server's word that the play is out, awaited
    std::vector<int16_t> m_recorded;
    QString m_failure;
};

} // namespace orvanta
