#pragma once

#include "comm/XComDrv.h"
#include "link/AppConfig.h"
#include "link/AppPaths.h"
#include "link/ExchangeLog.h"
#include "link/PanelLink.h"
#include "panel/CheckedWrite.h"
#include "panel/PanelConnection.h"
#include "panel/PanelExchange.h"

#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QTabWidget;

namespace orvanta {

class GeneralPage;
class KeysPage;
class LoopsPage;
class RelaysPage;
class SettingsPage;
class PortFollower;
class StatusLine;
class SoundPage;

// The main window: the header with the port and the panel actions, the five pages, the footer
// link. It owns the serial port and the link to the panel.
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
    // Where the pages' settings came from, as the report names it: the port a panel was read
    // on, or a settings file; nothing before either.
    struct PagesOrigin
    {
        QString port;
        QString file;
    };
    void showSettings(const PanelSettings &settings, const PagesOrigin &origin = {});
    // The header's file menu: the pages' settings into a file, a file into the pages (nothing is
    // sent), and the list of what writing a file would change in the panel.
    void saveSettingsToFile();
    void loadSettingsFromFile();
    // "Сохранить отчёт…": the pages, the messages and the last writes as a PDF.
    void saveReport();
    // "Сохранить сведения для поддержки…": the support bundle, the secrets replaced.
    void saveSupportBundle();
    void compareWithPanel();
    // "Вернуть настройки до записи…": a snapshot of the journal written back into the panel, with
    // the differences shown and asked about first, a snapshot of what it holds now kept, and the
    // result read back.
    void restoreSnapshot();

    int UsedSeconds() const;
    void setUsedSeconds(int seconds);

    bool DebugEnabled() const { return m_debugEnabled; }
    PanelLink &link() { return m_link; }
    TXComm &XComm1() { return m_comm; }
    SoundPage &sounds() { return *m_soundPage; }
    KeysPage &keys() { return *m_keysPage; }
    GeneralPage &general() { return *m_generalPage; }
    LoopsPage &loops() { return *m_loopsPage; }
    RelaysPage &relays() { return *m_relaysPage; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Tab on the shown page follows what the eye reads.
    void orderTabsOnceLaidOut();
    // The sound devices in use, kept with the window's state for the next start.
    void keepSoundDevices() const;

private:
    QWidget *buildHeader();
    QWidget *buildFooter();
    QWidget *buildSettingsFileMenu();
    void applyDebugMode(bool on);
    // Whether the panel with the expected firmware answers on the open port; the connection
    // tick is cleared when it does not.
    void readMemoryUsage();
    // The panel's settings read whole under the wait dialog, the pages left as they are; nothing
    // (and "Нет связи…" said) when no panel answers.
    std::optional<PanelSettings> readPanelAsItIs();
    // The checked write of the pages' parts under the wait dialog; says how it ended unless the
    // panel holds what was sent.
    void writeChecked(const std::vector<WritePart> &parts);
    // The part of the settings that its page shows; throws when a field is no number.
    void collectPart(WritePart part, PanelSettings &settings) const;
    // Marks on the pages what the panel does not hold of what they show; nothing held clears.
    void markNotHeld(const PanelSettings &held);
    // Says how a write ended, after the prefix, when the panel does not hold what was sent.
    void reportWrite(const QString &prefix, const WriteOutcome &outcome);
    // Shows each record in its page as the read takes it.
    ReadObserver pageObserver();
    // Logs the error that ended a whole-panel action and shows it after the prefix.
    void reportExchangeError(const QString &prefix, const std::exception &error);
    void reportLogFailure(const QString &message);
    // Whether the pages hold nothing read or edited since the window was built.
    bool pagesAsStarted() const;
    bool exchangeRunning() const
    {
        return m_link.InExchange() || m_actionsRunning > 0 || !m_link.activity().idle();
    }
    // Carries out a close that came during an exchange, once the exchange is over.
    void closeWhenIdle();
    friend class ActionScope;

    Startup m_startup;
    AppPaths m_paths;
    AppConfig m_config;
    PanelConnection m_connection{m_config, m_paths.inLists(QStringLiteral("log.txt"))};
    TXComm &m_comm = m_connection.comm();
    ExchangeLog &m_log = m_connection.log();
    PanelLink &m_link = m_connection.link();
    PortAttempt m_lastAttempt; // what the last read of all settings found on its port
    bool m_debugEnabled = false;
    bool m_destroyed = false;
    int m_actionsRunning = 0;      // whole-panel actions under way, which a close must not cut
    bool m_closeRequested = false; // the user closed the window during an exchange

    QComboBox *m_port = nullptr;      // cb1
    QCheckBox *m_connected = nullptr; // xCon
    QTabWidget *m_pages = nullptr;    // PageControl1
    SoundPage *m_soundPage = nullptr;
    KeysPage *m_keysPage = nullptr;
    GeneralPage *m_generalPage = nullptr;
    LoopsPage *m_loopsPage = nullptr;
    RelaysPage *m_relaysPage = nullptr;
    std::vector<SettingsPage *> m_settingsPages; // in the order of their tabs, after the sound's
    StatusLine *m_portNote = nullptr;            // PortNote: what became of an adapter
    PortFollower *m_ports = nullptr;             // cb1's list, following the adapters
    PanelSettings m_startSettings;               // what the pages held once the window was built
    bool m_pagesShown = false;                   // a read, a file or a snapshot went into the pages
    PagesOrigin m_pagesOrigin;                   // where what they show came from
    QLabel *m_footer = nullptr;                  // Panel59
    bool m_shownOnce = false;
};

} // namespace orvanta
