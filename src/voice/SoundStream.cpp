#include "SoundStream.h"

#include "SoundServer.h"

#include <pulse/pulseaudio.h>

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <array>
#include <cstring>

namespace orvanta {

namespace {

// A play's buffer on the server: what is still heard after a stop that could not drop it, and
// how far the position runs ahead of the sound. The server's default is two seconds.
constexpr int PlayBufferMs = 150;
// How long a new stream may take to be set up on the server before it counts as not answering.
constexpr int StreamReadyMs = 3000;

// Silence for a play's padding, written in pieces of this size.
const std::array<int16_t, 4096> Silence{};

// The client library's lock, held for the scope: its callbacks run on its own thread.
class LoopLock
{
public:
    explicit LoopLock(pa_threaded_mainloop *loop)
        : m_loop(loop)
    {
        pa_threaded_mainloop_lock(m_loop);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(m_loop); }
    LoopLock(const LoopLock &) = delete;
    LoopLock &operator=(const LoopLock &) = delete;

private:
    pa_threaded_mainloop *m_loop;
};

QString serverError(pa_stream *stream)
{
    return QString::fromUtf8(pa_strerror(pa_context_errno(pa_stream_get_context(stream))));
}

} // namespace

// The callbacks run on the client library's thread, with its lock held.
struct SoundStreamCallbacks
{
    static void state(pa_stream *stream, void *self)
    {
        auto *owner = static_cast<SoundStream *>(self);
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if ((state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) &&
            owner->m_failure.isEmpty())
            owner->m_failure = serverError(stream);
    }

    static void write(pa_stream *stream, size_t bytes, void *self)
    {
        auto *owner = static_cast<SoundStream *>(self);
        const size_t total = owner->m_count + owner->m_padding;
        size_t wanted = bytes / sizeof(int16_t);
        while (wanted > 0 && owner->m_written < total) {
            size_t count = 0;
            const int16_t *from = nullptr;
            if (owner->m_written < owner->m_count) {
                count = std::min(wanted, owner->m_count - owner->m_written);
                from = owner->m_samples + owner->m_written;
            } else {
                count = std::min({wanted, total - owner->m_written, Silence.size()});
                from = Silence.data();
            }
            if (pa_stream_write(stream, from, count * sizeof(int16_t), nullptr, 0,
                                PA_SEEK_RELATIVE) < 0)
                return; // the stream is failing, and says so
            owner->m_written += count;
            wanted -= count;
        }
        // Draining starts a sound shorter than the server's prebuffer, and plays out the end.
        if (owner->m_written == total && !owner->m_draining) {
            owner->m_draining = true;
            owner->m_drain = pa_stream_drain(stream, &drained, self);
        }
    }

    // Told once the server has played out all the stream took; a stop cancels it first, so that
    // it never reaches a stream that is gone or plays anew.
    static void drained(pa_stream *, int success, void *self)
    {
        if (success)
            static_cast<SoundStream *>(self)->m_drained = true;
    }

    static void read(pa_stream *stream, size_t, void *self)
    {
        auto *owner = static_cast<SoundStream *>(self);
        const void *data = nullptr;
        size_t bytes = 0;
        while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &bytes) == 0) {
            if (bytes == 0)
                break;
            const size_t count = bytes / sizeof(int16_t);
            if (data) {
                const auto *first = static_cast<const int16_t *>(data);
                owner->m_recorded.insert(owner->m_recorded.end(), first, first + count);
            } else {
                owner->m_recorded.insert(owner->m_recorded.end(), count, 0); // a hole: silence
            }
            pa_stream_drop(stream);
        }
    }
};

SoundStream::~SoundStream()
{
    stop();
}

QString SoundStream::play(const QString &output, uint32_t rate, const int16_t *samples,
                          size_t count, size_t padding)
{
    stop();
    m_samples = samples;
    m_count = count;
    m_padding = padding;
    m_written = 0;
    m_draining = false;
    m_drained = false;
    return connectStream(true, output, rate, 0, false);
}

QString SoundStream::record(const QString &input, uint32_t rate, int pieceMs, bool stayOnDevice)
{
    stop();
    m_recorded.clear();
    return connectStream(false, input, rate, pieceMs, stayOnDevice);
}

QString SoundStream::connectStream(bool playing, const QString &device, uint32_t rate, int pieceMs,
                                   bool stayOnDevice)
{
    SoundServer &server = SoundServer::instance();
    // Right after the program starts, the connection may still be on its way.
    server.settledState(StreamReadyMs);
    m_rate = rate;
    m_failure.clear();
    {
        LoopLock lock(server.m_loop);
        if (!server.m_context || pa_context_get_state(server.m_context) != PA_CONTEXT_READY)
            return ServerAwayProblem();
        const pa_sample_spec format{PA_SAMPLE_S16LE, rate, 1};
        m_stream = pa_stream_new(server.m_context,
                                 playing ? "Orvanta Config: message" : "Orvanta Config: recording",
                                 &format, nullptr);
        if (!m_stream)
            return QString::fromUtf8(pa_strerror(pa_context_errno(server.m_context)));
        pa_stream_set_state_callback(m_stream, &SoundStreamCallbacks::state, this);
        pa_buffer_attr attributes;
        std::memset(&attributes, 0xff, sizeof attributes);
        auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING |
                                       PA_STREAM_AUTO_TIMING_UPDATE);
        if (stayOnDevice)
            flags = pa_stream_flags_t(flags | PA_STREAM_DONT_MOVE);
        const QByteArray name = device.toUtf8();
        const char *named = device.isEmpty() ? nullptr : name.constData();
        int connected = 0;
        if (playing) {
            attributes.tlength =
                uint32_t(pa_usec_to_bytes(PlayBufferMs * PA_USEC_PER_MSEC, &format));
            pa_stream_set_write_callback(m_stream, &SoundStreamCallbacks::write, this);
            connected =
                pa_stream_connect_playback(m_stream, named, &attributes, flags, nullptr, nullptr);
        } else {
            attributes.fragsize =
                uint32_t(pa_usec_to_bytes(pa_usec_t(pieceMs) * PA_USEC_PER_MSEC, &format));
            pa_stream_set_read_callback(m_stream, &SoundStreamCallbacks::read, this);
            connected = pa_stream_connect_record(m_stream, named, &attributes, flags);
        }
        if (connected < 0) {
            const QString error = serverError(m_stream);
            pa_stream_set_state_callback(m_stream, nullptr, nullptr);
            pa_stream_set_write_callback(m_stream, nullptr, nullptr);
            pa_stream_set_read_callback(m_stream, nullptr, nullptr);
            pa_stream_unref(m_stream);
            m_stream = nullptr;
            return error;
        }
    }
    // The stream is up, or the server refused it (no such device, a format it cannot take).
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        pa_stream_state_t state = PA_STREAM_UNCONNECTED;
        {
            LoopLock lock(server.m_loop);
            state = pa_stream_get_state(m_stream);
        }
        if (state == PA_STREAM_READY)
            return {};
        if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED ||
            waited.elapsed() > StreamReadyMs) {
            QString error = failure();
            stop();
            return error.isEmpty() ? ServerAwayProblem() : error;
        }
        QThread::msleep(2);
    }
}

void SoundStream::stop()
{
    if (!m_stream)
        return;
    LoopLock lock(SoundServer::instance().m_loop);
    if (m_drain) {
        pa_operation_cancel(m_drain);
        pa_operation_unref(m_drain);
        m_drain = nullptr;
    }
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_set_write_callback(m_stream, nullptr, nullptr);
    pa_stream_set_read_callback(m_stream, nullptr, nullptr);
    // Disconnecting drops what the server still holds of a play: it ends at once.
    if (pa_stream_get_state(m_stream) == PA_STREAM_READY ||
        pa_stream_get_state(m_stream) == PA_STREAM_CREATING)
        pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
}

int64_t SoundStream::playedMicroseconds() const
{
    if (!m_stream)
        return 0;
    LoopLock lock(SoundServer::instance().m_loop);
    pa_usec_t heard = 0;
    if (pa_stream_get_time(m_stream, &heard) < 0)
        return 0; // no timing from the server yet
    return int64_t(heard);
}

bool SoundStream::drained() const
{
    LoopLock lock(SoundServer::instance().m_loop);
    return m_drained;
}

void SoundStream::takeRecorded(std::vector<int16_t> &into)
{
    if (!m_stream)
        return;
    LoopLock lock(SoundServer::instance().m_loop);
    into.insert(into.end(), m_recorded.begin(), m_recorded.end());
    m_recorded.clear();
}

QString SoundStream::failure() const
{
    if (!m_stream)
        return {};
    LoopLock lock(SoundServer::instance().m_loop);
    return m_failure;
}

QString SoundStream::device() const
{
    if (!m_stream)
        return {};
    LoopLock lock(SoundServer::instance().m_loop);
    if (pa_stream_get_state(m_stream) != PA_STREAM_READY)
        return {};
    const char *name = pa_stream_get_device_name(m_stream);
    return name ? QString::fromUtf8(name) : QString();
}

int64_t SoundStream::index() const
{
    if (!m_stream)
        return -1;
    LoopLock lock(SoundServer::instance().m_loop);
    const uint32_t index = pa_stream_get_index(m_stream);
    return index == PA_INVALID_INDEX ? -1 : int64_t(index);
}

} // namespace orvanta
