#pragma once

#include <QObject>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_time_event;

namespace orvanta {

// A sound output as the sound server reports it.
struct SoundOutputState
{
    uint32_t index = 0;
    QString name;        // the server's name of the output, by which streams choose it
    QString description; // as the desktop's sound settings show it
    bool muted = false;
    double volume = 0;          // the loudest channel; 1 is full volume (100 %)
    bool portUnplugged = false; // the active port (a jack) is reported unplugged
    QString portDescription;    // the active port's description, if it has one
    QString monitor;            // the name of the input that hears what it plays
};

// A sound input (a microphone, a line in) as the sound server reports it; the monitors of
// outputs are not among them.
struct SoundInputState
{
    uint32_t index = 0;
    QString name;
    QString description;
};

// One of this program's own sound streams.
struct SoundStreamState
{
    uint32_t index = 0;
    uint32_t outputIndex = 0;
    QString output; // the name of the output it plays on
    bool muted = false;
    double volume = 0;
};

// What the sound server reports, as of the last change.
struct SoundServerState
{
    bool present = false; // a server answers
    QString defaultOutput;
    QString defaultInput;
    std::vector<SoundOutputState> outputs;
    std::vector<SoundInputState> inputs;
    std::vector<SoundStreamState> ownStreams;

    // The output of that name, or the default one for an empty name.
    const SoundOutputState *output(const QString &name) const;
};

// A device by its description as the desktop shows it: an exact match first, then one whose
// description contains the name (a part of it is enough), or none.
template <class Device>
const Device *FindSoundDevice(const std::vector<Device> &devices, const QString &name)
{
    for (const Device &device : devices)
        if (device.description == name)
            return &device;
    for (const Device &device : devices)
        if (device.description.contains(name, Qt::CaseInsensitive))
            return &device;
    return nullptr;
}

// Why no sound can be played or recorded now: no sound server answers.
QString ServerAwayProblem();

// The lowest volume at which a message still reaches the panel loud enough to be recorded: 30 %
// on the server's scale, about -31 dB.
inline constexpr double OutputVolumeFloor = 0.30;

// Why the output cannot carry a message to the panel now, with what to do, or empty. An empty
// name means the server's default output.
QString OutputProblem(const SoundServerState &state, const QString &outputName);
// Why one of this program's streams, started on the output of that name, no longer plays there:
// the server moved it to another output.
QString StreamMovedProblem(const SoundServerState &state, const QString &outputName);
// Why one of this program's streams cannot carry a message to the panel: muted, or turned down
// (the server restores a program's own volume from its last run too).
QString StreamLevelProblem(const SoundServerState &state);

// The desktop's sound server, followed through its own client library: whether it answers, its
// outputs with their mute, volume and ports, and this program's own streams. The connection is
// made again whenever the server comes back; every change is told by changed(), on the thread
// that made the instance.
class SoundServer : public QObject
{
    Q_OBJECT
public:
    // How often a server that is away is looked for again.
    static constexpr int RetryMs = 1000;

    static SoundServer &instance();
    ~SoundServer() override;

    SoundServerState state() const;
    // The state once the server has been asked at least once (or withinMs has passed), so that a
    // check right after start sees the server as it is.
    SoundServerState settledState(int withinMs) const;

signals:
    void changed();
    // The server went away, or answers again.
    void presenceChanged();

private:
    friend struct SoundServerCallbacks;
    friend class SoundStream; // its streams use the connection, under the library's lock

    SoundServer();
    void connectContext();
    void scheduleRetry();
    void refresh();
    // One of the refresh's queries has answered; the last one publishes.
    void queryDone();
    void publish();

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_time_event *m_retry = nullptr;
    // What the refresh under way gathers; published once all its queries have answered.
    SoundServerState m_gathering;
    int m_pending = 0;
    bool m_refreshAgain = false;

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_settled;
    SoundServerState m_state;
    bool m_asked = false;
};

} // namespace orvanta
