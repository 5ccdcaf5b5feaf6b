#include "SoundServerWatch.h"

#include <QDir>
#include <QFile>
#include <QMetaMethod>
#include <atomic>
#include <cstring>
#include <private/qobject_p.h>

namespace orvanta {

namespace {

// The library's connection object and the signal it sends when the server is lost; its
// threaded main loop runs under this thread name while it is connected.
constexpr char LibraryClass[] = "QPulseAudioEngine";
constexpr char LossSignal[] = "contextFailed";
constexpr char LibraryThread[] = "threaded-ml";

std::atomic<const QMetaObject *> libraryMeta{nullptr};
std::atomic<int> lossSignalIndex{-1};

// A signal's index as the signal machinery counts it: signals only, the base classes' first.
int signalIndex(const QMetaObject *meta, const char *name)
{
    int index = 0;
    for (int method = 0; method < meta->methodCount(); ++method) {
        const QMetaMethod candidate = meta->method(method);
        if (candidate.methodType() != QMetaMethod::Signal)
            continue;
        if (candidate.name() == name)
            return index;
        ++index;
    }
    return -1;
}

// Called for every signal the program sends, from any thread: cheap for all but the library's.
void signalSent(QObject *sender, int index, void **)
{
    const QMetaObject *meta = sender->metaObject();
    if (meta != libraryMeta.load(std::memory_order_relaxed)) {
        if (libraryMeta.load(std::memory_order_relaxed) ||
            std::strcmp(meta->className(), LibraryClass) != 0)
            return;
        lossSignalIndex = signalIndex(meta, LossSignal);
        libraryMeta = meta;
    }
    if (index != lossSignalIndex.load(std::memory_order_relaxed))
        return;
    QMetaObject::invokeMethod(&SoundServerWatch::instance(), "serverLost", Qt::QueuedConnection,
                              Q_ARG(QObject *, sender));
}

QSignalSpyCallbackSet spies = {signalSent, nullptr, nullptr, nullptr};

bool libraryConnected()
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        if (name.open(QIODevice::ReadOnly) && name.readAll().trimmed() == LibraryThread)
            return true;
    }
    return false;
}

} // namespace

SoundServerWatch &SoundServerWatch::instance()
{
    static SoundServerWatch *watch = new SoundServerWatch; // lives as long as the program
    return *watch;
}

SoundServerWatch::SoundServerWatch()
{
    m_look.setInterval(LookMs);
    connect(&m_look, &QTimer::timeout, this, [this] { look(); });
    qt_register_signal_spy_callbacks(&spies);
}

QString SoundServerWatch::problem() const
{
    return m_away ? tr("Нет связи с сервером звука: звук не воспроизводится и не записывается, "
                       "пока сервер не вернётся")
                  : QString();
}

void SoundServerWatch::serverLost(QObject *library)
{
    m_library = library;
    m_sinceLoss.start();
    m_look.start();
    if (!std::exchange(m_away, true))
        emit changed();
}

void SoundServerWatch::look()
{
    if (!m_away || m_sinceLoss.elapsed() < LibraryRetryMs + LookMs / 2)
        return;
    // The library's own try is past; it left no connection, so it waits for nothing more.
    if (!libraryConnected() && m_library)
        QMetaObject::invokeMethod(m_library, "prepare", Qt::DirectConnection);
    if (!libraryConnected())
        return;
    m_look.stop();
    m_away = false;
    emit changed();
}

} // namespace orvanta
