#pragma once

#include "ActionScope.h"
#include "WindowPages.h"
#include "session/Session.h"

#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

namespace orvanta {

class FileMenuActions;
class FooterLink;
class HeaderBar;
class PortFollower;
class WaitDialogScope;

// The main window: the header with the port and the panel actions, the five pages, the footer
// link. It shows the session's panel and forwards what the user asks of it.
class TfContact : public QWidget
{
    Q_OBJECT
public:
    struct Startup
    {
        QStringList arguments;       // command-line arguments after the program's name
        QString executableDir;       // the program's folder: a portable copy keeps its files there
        bool checkConnection = true; // look for the panel once the window is up
        QString workingDir;          // empty: the current folder
        QString homeDir;             // empty: the user's home folder
    };

    // A window over the session, which outlives it.
    TfContact(Session &session, Startup startup, QWidget *parent = nullptr);
    // A window with a session of its own.
    explicit TfContact(Startup startup, QWidget *parent = nullptr);
    ~TfContact() override;

    // Builds the window's state at start: page, window state, debug mode, lists, first row.
    void FormCreate();
    // Keeps the window state and the lists at exit.
    void FormDestroy();

    void OpenPort();
    // Reads every setting from the panel, if a panel with the right firmware answers.
    void Button1Click();
    // Writes every setting to the panel.
    void Button2Click();
    // Looks for the panel on the chosen port, then on every port of the list.
    void CheckConnection();
    void xConMouseDown();
    void Panel59Click();
    // Speaks the language ("ru", "uk", "en") at once and from now on.
    void chooseInterfaceLanguage(const QString &language);
    // The settings the pages show, and settings shown in them (nothing is sent).
    PanelSettings collectSettings() const;
    // Where the pages' settings came from: a port a panel was read on, or a settings file.
    using PagesOrigin = WindowPages::Origin;
    void showSettings(const PanelSettings &settings, const PagesOrigin &origin = {});

    int UsedSeconds() const;
    void setUsedSeconds(int seconds);

    bool DebugEnabled() const { return m_debugEnabled; }
    PanelLink &link() { return m_session.link(); }
    TXComm &XComm1() { return m_session.connection().comm(); }
    SoundPage &sounds() { return *m_soundPage; }
    KeysPage &keys() { return m_pages->keys(); }
    GeneralPage &general() { return m_pages->general(); }
    LoopsPage &loops() { return m_pages->loops(); }
    RelaysPage &relays() { return m_pages->relays(); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // The sound devices in use, kept with the window's state for the next start.
    void keepSoundDevices() const;

private:
    void build();
    void applyDebugMode(bool on);
    // The checked write of the pages' parts under the wait dialog; says how it ended unless the
    // panel holds what was sent.
    void writeChecked(const std::vector<WritePart> &parts);
    void reportLogFailure(const QString &message);
    bool exchangeRunning() const;
    // Carries out a close that came during an exchange, once the exchange is over.
    void closeWhenIdle();

    std::unique_ptr<Session> m_ownSession; // when the window was given none
    Session &m_session;
    Startup m_startup;
    PortAttempt m_lastAttempt; // what the last read of all settings found on its port
    bool m_debugEnabled = false;
    bool m_destroyed = false;
    PanelActions m_actions{link().activity(), [this] {
                               closeWhenIdle();
                           }};                  // a close waits
    bool m_closeRequested = false;              // the user closed the window during an exchange
    std::unique_ptr<WaitDialogScope> m_waiting; // shown while the session waits for the panel

    HeaderBar *m_header = nullptr;  // Panel1
    WindowPages *m_pages = nullptr; // PageControl1
    SoundPage *m_soundPage = nullptr;
    PortFollower *m_ports = nullptr; // cb1's list, following the adapters
    FileMenuActions *m_fileMenu = nullptr;
    FooterLink *m_footer = nullptr; // Panel59
    bool m_shownOnce = false;
};

} // namespace orvanta
