#pragma once

#include "link/PortWatcher.h"
#include "panel/PanelConnection.h"

#include <QCoreApplication>
#include <QObject>
#include <functional>
#include <vector>

namespace orvanta {

// What becomes of the serial adapters that come and go while the window is open. An adapter that
// comes while no panel is connected is asked once, quietly, whether the panel is behind it, and
// chosen when it answers; one that goes while it is the port chosen takes the connection with
// it. Nothing of this runs while the front end is busy: a change waits for its end.
class PortFollowing : public QObject
{
    Q_OBJECT
public:
    // What the following asks of the front end.
    struct Front
    {
        std::function<bool()> busy;
        // Whether the pages hold nothing read or edited since the start.
        std::function<bool()> pagesAsStarted;
        // Opens the port and asks for the panel, as an exchange of its own, without a box.
        std::function<PortAttempt(const QString &port)> tryPort;
        // Reads every setting, as the start-up's connection check does.
        std::function<void()> readWhole;
        // Closes the serial port, whose device is gone.
        std::function<void()> closePort;
        // The port the user has chosen, and choosing another.
        std::function<QString()> chosen;
        std::function<void(const QString &port)> choose;
    };
    // The adapters of deviceFolder (empty: the system's).
    PortFollowing(PanelLink &link, Front front, const QString &deviceFolder = {},
                  QObject *parent = nullptr);

    const PortWatcher &watcher() const { return m_watcher; }
    // The stable path of the adapter behind the port chosen; empty for a port that is no adapter.
    QString stablePathOfChoice() const;
    // The adapter known by that stable path chosen again, when the chosen path is not present
    // (the adapter came back under another number).
    void findAgain(const QString &stablePath);

signals:
    // The adapters present changed: the port list is to be made again.
    void adaptersChanged();
    // What became of an adapter, for the line under the connection; problem: it stands in the way.
    void said(const QString &text, bool problem);

private:
    struct Change
    {
        bool came;
        SerialAdapter adapter;
    };
    void handlePending();
    void adapterCame(const SerialAdapter &adapter);
    void adapterWent(const SerialAdapter &adapter);

    PanelLink &m_link;
    Front m_front;
    PortWatcher m_watcher;
    std::vector<Change> m_pending;
    bool m_retryQueued = false;
};

} // namespace orvanta
