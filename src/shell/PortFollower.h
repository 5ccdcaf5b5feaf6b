#pragma once

#include "link/PortWatcher.h"
#include "panel/PanelConnection.h"

#include <QObject>
#include <functional>
#include <vector>

class QComboBox;

namespace orvanta {

class StatusLine;

// The port list that follows the serial adapters: cb1's entries change as adapters come and go,
// each named beside its path in the drop-down and in a tooltip. An adapter that comes while no
// panel is connected is asked once, quietly, whether the panel is behind it; one that goes while
// it holds the connection takes the connection with it. Nothing of this runs while the window is
// busy: it waits for the end.
class PortFollower : public QObject
{
    Q_OBJECT
public:
    // What the follower asks of the window.
    struct Window
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
    };
    // The fixed names ("COM1" to "COM8") come first, then the adapters of the watcher's folder
    // (empty: the system's).
    PortFollower(QComboBox &port, StatusLine &note, PanelLink &link, Window window,
                 const QString &deviceFolder = {}, QObject *parent = nullptr);

    PortWatcher &watcher() { return m_watcher; }
    // The stable path of the adapter chosen in cb1, for the window state; empty for a port that
    // is no adapter.
    QString stablePathOfChoice() const;
    // The adapter known by that stable path chosen again, when the chosen path is not present
    // (the adapter came back under another number).
    void findAgain(const QString &stablePath);

private:
    struct Change
    {
        bool came;
        SerialAdapter adapter;
    };
    void fillList();
    void handlePending();
    void adapterCame(const SerialAdapter &adapter);
    void adapterWent(const SerialAdapter &adapter);
    // Says what became of an adapter on the line under the connection.
    void say(const QString &text, bool problem);

    QComboBox &m_port;
    StatusLine &m_note;
    PanelLink &m_link;
    Window m_window;
    PortWatcher m_watcher;
    std::vector<Change> m_pending;
    bool m_retryQueued = false;
};

} // namespace orvanta
