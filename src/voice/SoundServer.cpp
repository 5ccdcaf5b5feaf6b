#include "SoundServer.h"

#include <pulse/pulseaudio.h>

#include <QCoreApplication>
#include <chrono>
#include <cmath>
#include <cstring>
#include <unistd.h>

namespace orvanta {

namespace {

double volumeOf(const pa_cvolume &volume)
{
    return double(pa_cvolume_max(&volume)) / double(PA_VOLUME_NORM);
}

int percent(double volume)
{
    return int(std::lround(volume * 100));
}

QString shownName(const SoundOutputState &output)
{
    return output.description.isEmpty() ? output.name : output.description;
}

} // namespace

// The callbacks of the client library run on its own thread, with its lock held.
struct SoundServerCallbacks
{
    static void context(pa_context *context, void *self);
    static void retry(pa_mainloop_api *api, pa_time_event *event, const timeval *, void *self);
    static void subscription(pa_context *, pa_subscription_event_type_t, uint32_t, void *self);
    static void server(pa_context *, const pa_server_info *info, void *self);
    static void sink(pa_context *, const pa_sink_info *info, int last, void *self);
    static void stream(pa_context *, const pa_sink_input_info *info, int last, void *self);
    static void source(pa_context *, const pa_source_info *info, int last, void *self);
};

const SoundOutputState *SoundServerState::output(const QString &name) const
{
    const QString wanted = name.isEmpty() ? defaultOutput : name;
    for (const SoundOutputState &candidate : outputs)
        if (candidate.name == wanted)
            return &candidate;
    return nullptr;
}

QString ServerAwayProblem()
{
    return SoundServer::tr("Нет связи с сервером звука: звук не воспроизводится и не "
                           "записывается, пока сервер не вернётся");
}

QString OutputProblem(const SoundServerState &state, const QString &outputName)
{
    if (!state.present)
        return SoundServer::tr("Сервер звука не отвечает: запустите его (или войдите в сеанс "
                               "рабочего стола) и запустите запись снова");
    const SoundOutputState *output = state.output(outputName);
    if (!output)
        return SoundServer::tr("Вывода звука «%1» нет на сервере звука: выберите вывод в "
                               "«Устройства звука» и запустите запись снова")
            .arg(outputName.isEmpty() ? state.defaultOutput : outputName);
    if (output->muted)
        return SoundServer::tr("Вывод звука «%1» выключен (без звука): включите его и "
                               "запустите запись снова")
            .arg(shownName(*output));
    if (output->volume < OutputVolumeFloor)
        return SoundServer::tr("Громкость вывода звука «%1» — %2 %: поднимите её не ниже %3 % и "
                               "запустите запись снова")
            .arg(shownName(*output))
            .arg(percent(output->volume))
            .arg(percent(OutputVolumeFloor));
    if (output->portUnplugged)
        return SoundServer::tr("К выводу звука «%1» ничего не подключено (%2): подключите кабель "
                               "охранной панели и запустите запись снова")
            .arg(shownName(*output), output->portDescription);
    return {};
}

QString StreamMovedProblem(const SoundServerState &state, const QString &outputName)
{
    const SoundOutputState *output = state.output(outputName);
    if (!output)
        return {};
    for (const SoundStreamState &stream : state.ownStreams) {
        if (stream.output == output->name)
            continue;
        const SoundOutputState *now = state.output(stream.output);
        return SoundServer::tr("Сервер звука перенёс звук с вывода «%1» на «%2»")
            .arg(shownName(*output), now ? shownName(*now) : stream.output);
    }
    return {};
}

QString StreamLevelProblem(const SoundServerState &state)
{
    for (const SoundStreamState &stream : state.ownStreams) {
        if (stream.muted)
            return SoundServer::tr("Звук этой программы выключен в настройках звука (без звука): "
                                   "включите его и запустите запись снова");
        if (stream.volume < OutputVolumeFloor)
            return SoundServer::tr("Громкость звука этой программы — %1 %: поднимите её не ниже "
                                   "%2 % и запустите запись снова")
                .arg(percent(stream.volume))
                .arg(percent(OutputVolumeFloor));
    }
    return {};
}

SoundServer &SoundServer::instance()
{
    static SoundServer server;
    return server;
}

SoundServer::SoundServer()
{
    m_loop = pa_threaded_mainloop_new();
    // Named, so that it is told apart in a debugger.
    pa_threaded_mainloop_set_name(m_loop, "orvanta-sound");
    pa_threaded_mainloop_lock(m_loop);
    connectContext();
    pa_threaded_mainloop_unlock(m_loop);
    pa_threaded_mainloop_start(m_loop);
}

SoundServer::~SoundServer()
{
    pa_threaded_mainloop_lock(m_loop);
    if (m_retry)
        pa_threaded_mainloop_get_api(m_loop)->time_free(m_retry);
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    pa_threaded_mainloop_unlock(m_loop);
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

SoundServerState SoundServer::state() const
{
    std::lock_guard lock(m_mutex);
    return m_state;
}

SoundServerState SoundServer::settledState(int withinMs) const
{
    std::unique_lock lock(m_mutex);
    m_settled.wait_for(lock, std::chrono::milliseconds(withinMs), [this] { return m_asked; });
    return m_state;
}

void SoundServer::connectContext()
{
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    m_pending = 0;
    m_refreshAgain = false;
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Orvanta Config");
    pa_context_set_state_callback(m_context, &SoundServerCallbacks::context, this);
    // Never started for us: a desktop without a server is told so, not given one.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        m_gathering = {};
        publish();
        scheduleRetry();
    }
}

void SoundServerCallbacks::context(pa_context *context, void *self)
{
    auto *server = static_cast<SoundServer *>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        pa_context_set_subscribe_callback(context, &SoundServerCallbacks::subscription, self);
        pa_operation_unref(pa_context_subscribe(
            context,
            pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SOURCE |
                                   PA_SUBSCRIPTION_MASK_SINK_INPUT | PA_SUBSCRIPTION_MASK_SERVER),
            nullptr, nullptr));
        server->refresh();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        server->m_pending = 0;
        server->m_gathering = {};
        server->publish();
        server->scheduleRetry();
        break;
    default:
        break;
    }
}

void SoundServer::scheduleRetry()
{
    if (m_retry)
        return;
    timeval when;
    pa_timeval_add(pa_gettimeofday(&when), pa_usec_t(RetryMs) * PA_USEC_PER_MSEC);
    m_retry = pa_threaded_mainloop_get_api(m_loop)->time_new(
        pa_threaded_mainloop_get_api(m_loop), &when, &SoundServerCallbacks::retry, this);
}

void SoundServerCallbacks::retry(pa_mainloop_api *api, pa_time_event *event, const timeval *,
                                 void *self)
{
    auto *server = static_cast<SoundServer *>(self);
    api->time_free(event);
    server->m_retry = nullptr;
    server->connectContext();
}

void SoundServer::refresh()
{
    if (m_pending > 0) {
        m_refreshAgain = true;
        return;
    }
    m_gathering = {};
    m_gathering.present = true;
    m_pending = 4;
    pa_operation_unref(pa_context_get_server_info(m_context, &SoundServerCallbacks::server, this));
    pa_operation_unref(pa_context_get_sink_info_list(m_context, &SoundServerCallbacks::sink, this));
    pa_operation_unref(
        pa_context_get_source_info_list(m_context, &SoundServerCallbacks::source, this));
    pa_operation_unref(
        pa_context_get_sink_input_info_list(m_context, &SoundServerCallbacks::stream, this));
}

void SoundServer::publish()
{
    bool presenceChanged = false;
    {
        std::lock_guard lock(m_mutex);
        presenceChanged = m_asked && m_state.present != m_gathering.present;
        m_state = m_gathering;
        m_asked = true;
    }
    m_settled.notify_all();
    QMetaObject::invokeMethod(
        this,
        [this, presenceChanged] {
            emit changed();
            if (presenceChanged)
                emit this->presenceChanged();
        },
        Qt::QueuedConnection);
}

void SoundServerCallbacks::subscription(pa_context *, pa_subscription_event_type_t, uint32_t,
                                        void *self)
{
    static_cast<SoundServer *>(self)->refresh();
}

void SoundServer::queryDone()
{
    // An answer after the connection failed belongs to no refresh.
    if (m_pending <= 0 || --m_pending > 0)
        return;
    for (SoundStreamState &stream : m_gathering.ownStreams)
        for (const SoundOutputState &output : m_gathering.outputs)
            if (output.index == stream.outputIndex)
                stream.output = output.name;
    publish();
    if (std::exchange(m_refreshAgain, false))
        refresh();
}

void SoundServerCallbacks::server(pa_context *, const pa_server_info *info, void *self)
{
    auto *server = static_cast<SoundServer *>(self);
    if (info) {
        server->m_gathering.defaultOutput = QString::fromUtf8(info->default_sink_name);
        server->m_gathering.defaultInput = QString::fromUtf8(info->default_source_name);
    }
    server->queryDone();
}

void SoundServerCallbacks::sink(pa_context *, const pa_sink_info *info, int last, void *self)
{
    auto *server = static_cast<SoundServer *>(self);
    if (last != 0 || !info) {
        server->queryDone();
        return;
    }
    SoundOutputState output;
    output.index = info->index;
    output.name = QString::fromUtf8(info->name);
    output.description = QString::fromUtf8(info->description);
    output.muted = info->mute != 0;
    output.volume = volumeOf(info->volume);
    output.monitor = QString::fromUtf8(info->monitor_source_name);
    if (const pa_sink_port_info *port = info->active_port) {
        output.portUnplugged = port->available == PA_PORT_AVAILABLE_NO;
        output.portDescription = QString::fromUtf8(port->description);
    }
    server->m_gathering.outputs.push_back(output);
}

void SoundServerCallbacks::source(pa_context *, const pa_source_info *info, int last, void *self)
{
    auto *server = static_cast<SoundServer *>(self);
    if (last != 0 || !info) {
        server->queryDone();
        return;
    }
    // What an output plays is no input for a message.
    if (info->monitor_of_sink != PA_INVALID_INDEX)
        return;
    server->m_gathering.inputs.push_back(
        {info->index, QString::fromUtf8(info->name), QString::fromUtf8(info->description)});
}

void SoundServerCallbacks::stream(pa_context *, const pa_sink_input_info *info, int last,
                                  void *self)
{
    auto *server = static_cast<SoundServer *>(self);
    if (last != 0 || !info) {
        server->queryDone();
        return;
    }
    // This program's streams carry its process id.
    const char *process = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_PROCESS_ID);
    if (!process || QByteArray(process).toLongLong() != qint64(::getpid()))
        return;
    // A stream is reported before it runs, with a volume of 0 that is not yet its own: it is
    // listed once it runs.
    if (info->corked || !pa_cvolume_valid(&info->volume))
        return;
    SoundStreamState stream;
    stream.index = info->index;
    stream.outputIndex = info->sink;
    stream.muted = info->mute != 0;
    stream.volume = volumeOf(info->volume);
    server->m_gathering.ownStreams.push_back(stream);
}

} // namespace orvanta
