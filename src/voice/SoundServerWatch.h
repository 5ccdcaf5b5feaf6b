#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace orvanta {

// Keeps the sound library connected to the sound server across the server's absences. The
// library tries once, three seconds after losing the server, and gives up for good when the
// server is not back by then: the tool could then play and record nothing until restarted. The
// watch learns of the loss from the library's own signal, and while the server stays away asks
// the library to connect again every second, once the library's own try is past; a connected
// library keeps a thread of its own running, which is how success shows.
class SoundServerWatch : public QObject
{
    Q_OBJECT
public:
    // The library waits this long after a loss before its one try.
    static constexpr int LibraryRetryMs = 3000;
    static constexpr int LookMs = 1000;

    // The one watch, started on first use; from the window's thread.
    static SoundServerWatch &instance();

    // Why no sound can be played or recorded now (the server is away), or empty.
    QString problem() const;

signals:
    // The server went away, or the library is connected to it again.
    void changed();

private:
    SoundServerWatch();
    Q_INVOKABLE void serverLost(QObject *library);
    void look();

    QPointer<QObject> m_library;
    bool m_away = false;
    QElapsedTimer m_sinceLoss;
    QTimer m_look;
};

} // namespace orvanta
