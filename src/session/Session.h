#pragma once

#include "core/Failure.h"
#include "link/AppConfig.h"
#include "link/AppPaths.h"
#include "panel/CheckedWrite.h"
#include "panel/PanelConnection.h"
#include "panel/SnapshotJournal.h"
#include "report/SettingsReport.h"
#include "session/SoundSession.h"

#include <QCoreApplication>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace orvanta {

// A question for the user before settings are written: what is written, the changes it makes in
// the panel, and a warning when the settings come from another panel.
struct Question
{
    QString what; // "Снимок № 3 от …": empty for settings the user gave
    QStringList changes;
    QString warning;
};

// One run of either program with the panel: its paths and configuration, the port, the link and
// the exchange log, and the workflows both front ends offer. Asking the user and showing that a
// long exchange runs is the front end's part, through Front.
class Session
{
    Q_DECLARE_TR_FUNCTIONS(Session)
public:
    struct Front
    {
        // Yes or no; nobody to ask means no.
        std::function<bool(const Question &)> ask;
        // True before an exchange the user waits for, false once it is over (and before any
        // question or failure is said).
        std::function<void(bool)> waiting;
    };

    Session(AppPaths paths, AppConfig config, const QString &logPath);
    // The session of the window's program: its files found from the folders it starts in (empty:
    // the current folder, the user's home), its exchange log beside the lists.
    static std::unique_ptr<Session> ForProgram(const QString &executableDir,
                                               const QString &workingDir, const QString &homeDir);

    const AppPaths &paths() const { return m_paths; }
    const AppConfig &config() const { return m_config; }
    PanelConnection &connection() { return m_connection; }
    PanelLink &link() { return m_connection.link(); }
    ExchangeLog &log() { return m_connection.log(); }
    void setFront(Front front);
    // The name the user gave the panel's site: its writes are journalled under it, its snapshots
    // and reports named after it, and a report lists the writes of that site.
    const QString &site() const { return m_site; }
    void setSite(const QString &site) { m_site = site.trimmed(); }
    // The voice messages, made on first use: a command that never plays needs no sound.
    SoundSession &sounds();

    // Every setting of the panel on the port, if it answers with the right firmware, then the
    // memory in use and the firmware asked again. What was read before a failure is kept.
    struct Read
    {
        PortAttempt attempt;
        std::optional<PanelSettings> settings; // came whole
        std::optional<int> usedSeconds;
        std::optional<Failure> failure; // logged, and the connection's tick cleared
    };
    Read readAll(const QString &port);
    // The panel's settings read whole, nothing else touched; a failure when no panel answers.
    struct Current
    {
        std::optional<PanelSettings> settings;
        std::optional<Failure> failure;
    };
    Current readAsItIs(const QString &port);

    // The checked write of the parts: what the panel holds is read whole and kept first; source
    // gives each part just before it is sent. A failure that keeps the write from starting, or
    // how it ended when the panel does not hold everything sent.
    struct Written
    {
        std::optional<WriteOutcome> outcome;
        std::optional<Failure> failure;
    };
    Written writeParts(const QString &port, const std::vector<WritePart> &parts,
                       const std::function<void(WritePart, PanelSettings &)> &source);

    // Settings written over what the panel holds, once the user says yes to the changes.
    struct SettingsWrite
    {
        enum class End { AlreadyHeld, Cancelled, Written } end = End::AlreadyHeld;
        WriteOutcome outcome;
        std::optional<Failure> failure; // how it ended, unless the panel holds what was sent
    };
    SettingsWrite writeSettings(const WriteRequest &request, Question question);

    // What a settings file would change in the panel: the changes, or why they are not known.
    struct Compared
    {
        QStringList changes;
        std::optional<Failure> failure;
    };
    Compared compareWithPanel(const QString &port, const PanelSettings &wanted);

    // The journal's entries a snapshot can be returned from, the newest first.
    static std::vector<JournalEntry> SnapshotsToRestore();
    // A snapshot written back: read, compared, asked about (with a warning when it was taken of
    // another panel), written checked.
    struct Restored
    {
        SettingsWrite write;
        std::optional<PanelSettings> held; // what the panel is known to hold afterwards
        std::optional<Failure> failure;    // no panel
    };
    Restored restoreSnapshot(const QString &port, const JournalEntry &entry);

    // The report's journals added: the last writes of the site when it has a name, else of the
    // panel read on that port (none for a file or for nothing read), and the last upload.
    static void AddJournals(ReportInput &input, const QString &panelPort, const QString &site = {});
    // The report, or the support bundle with every secret replaced; a failure when no file came.
    std::optional<Failure> saveReport(const QString &path, const ReportInput &input);
    // The bundle is about the session's site, and holds a sites table when one is named.
    std::optional<Failure> saveSupportBundle(const QString &path, const QString &toolVersion,
                                             QStringList *absent, const QString &sitesTable = {});

    // How a write ended, when the panel does not hold what was sent or its journal failed;
    // logged. Nothing when it was written, checked and journalled.
    std::optional<Failure> writeFailure(const WriteOutcome &outcome);
    // What every failed write says first.
    static QString WriteFailureLead();
    static QString NoPanelText();

private:
    class Waiting;
    Failure exchangeFailure(const QString &lead, const std::exception &error);

    AppPaths m_paths;
    AppConfig m_config;
    PanelConnection m_connection;
    std::unique_ptr<SoundSession> m_sounds; // goes before the link its upload uses
    Front m_front;
    QString m_site;
};

} // namespace orvanta
