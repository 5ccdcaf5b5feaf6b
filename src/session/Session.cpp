#include "Session.h"

#include "core/Errors.h"
#include "link/PortProbe.h"
#include "panel/MessageTable.h"
#include "panel/PanelExchange.h"
#include "panel/UploadJournal.h"
#include "report/SupportBundle.h"

#include <QDir>
#include <algorithm>

namespace orvanta {

Session::Session(AppPaths paths, AppConfig config, const QString &logPath)
    : m_paths(std::move(paths))
    , m_config(std::move(config))
    , m_connection(m_config, logPath)
{
    setFront({});
}

std::unique_ptr<Session> Session::ForProgram(const QString &executableDir,
                                             const QString &workingDir, const QString &homeDir)
{
    AppPaths paths =
        AppPaths::resolve(executableDir, workingDir.isEmpty() ? QDir::currentPath() : workingDir,
                          homeDir.isEmpty() ? QDir::homePath() : homeDir);
    AppConfig config = AppConfig::loadFile(paths.configFile);
    const QString log = paths.inLists(QStringLiteral("log.txt"));
    return std::make_unique<Session>(std::move(paths), std::move(config), log);
}

SoundSession &Session::sounds()
{
    if (!m_sounds)
        m_sounds = std::make_unique<SoundSession>(link(), m_paths.soundHome);
    return *m_sounds;
}

void Session::setFront(Front front)
{
    m_front = std::move(front);
    if (!m_front.ask)
        m_front.ask = [](const Question &) {
            return false;
        };
    if (!m_front.waiting)
        m_front.waiting = [](bool) {
        };
}

// The front end's sign of a long exchange, on until end() or the scope's end, an error's too.
class Session::Waiting
{
public:
    explicit Waiting(Session &session)
        : m_session(session)
    {
        m_session.m_front.waiting(true);
    }
    ~Waiting() { end(); }
    void end()
    {
        if (std::exchange(m_on, false))
            m_session.m_front.waiting(false);
    }
    Waiting(const Waiting &) = delete;
    Waiting &operator=(const Waiting &) = delete;

private:
    Session &m_session;
    bool m_on = true;
};

QString Session::WriteFailureLead()
{
    return tr("Ошибка записи в охранную панель \"Orvanta\":") + QStringLiteral("\n\r\n\r");
}

QString Session::NoPanelText()
{
    return tr("Нет связи с охранной панелью \"Orvanta\"!");
}

Failure Session::exchangeFailure(const QString &lead, const std::exception &error)
{
    log().LogExchange(ErrorText(error), true);
    return {Failure::Kind::Error, lead, ErrorText(error), {}};
}

Session::Read Session::readAll(const QString &port)
{
    Read read;
    std::optional<Waiting> waiting;
    try {
        read.attempt = m_connection.tryPort(port);
        if (!read.attempt.found())
            return read;
        waiting.emplace(*this);
        // Taken only once every setting came whole: a read that fails leaves nothing to show,
        // so that a later write never sends what a garbled reply decoded to.
        PanelSettings settings;
        ReadPanelSettings(link(), settings);
        read.settings = settings;
        waiting.reset();
        // The memory figure is only an addition to the read: what cannot be read is logged.
        try {
            read.usedSeconds = MessageTable::ReadUsedSeconds(link());
        } catch (const std::exception &error) {
            log().LogExchange(ErrorText(error), true);
        }
        link().query(QStringLiteral("+v"));
    } catch (const std::exception &error) {
        waiting.reset();
        link().setConnected(false);
        read.failure = exchangeFailure(
            tr("Ошибка связи с охранной панелью \"Orvanta\":") + QStringLiteral("\n\r\n\r"), error);
    }
    return read;
}

Session::Current Session::readAsItIs(const QString &port)
{
    Current current;
    Waiting waiting(*this);
    const PortAttempt attempt = m_connection.tryPort(port);
    if (!attempt.found()) {
        waiting.end();
        current.failure = Failure{
            Failure::Kind::NoPanel, NoPanelText() + QStringLiteral("\n\n"), attempt.describe(), {}};
        return current;
    }
    PanelSettings settings;
    ReadPanelSettings(link(), settings);
    current.settings = settings;
    return current;
}

Session::Written Session::writeParts(const QString &port, const std::vector<WritePart> &parts,
                                     const std::function<void(WritePart, PanelSettings &)> &source)
{
    Written written;
    Waiting waiting(*this);
    try {
        // What the panel holds is read whole and kept before the first byte is written: a read
        // that fails writes nothing.
        WriteRequest request;
        ReadPanelSettings(link(), request.current);
        request.wanted = request.current;
        for (const WritePart part : parts) {
            try {
                source(part, request.wanted);
            } catch (const std::exception &) {
                // A part that cannot be given stops the write there, when it comes to it.
            }
        }
        request.port = port;
        request.site = m_site;
        request.parts = parts;
        request.source = source;
        SnapshotJournal journal;
        written.outcome = WriteChecked(link(), journal, request);
        waiting.end();
        written.failure = writeFailure(*written.outcome);
    } catch (const std::exception &error) {
        waiting.end();
        written.failure = exchangeFailure(WriteFailureLead(), error);
    }
    return written;
}

std::optional<Failure> Session::writeFailure(const WriteOutcome &outcome)
{
    const bool checked = outcome.result == WriteOutcome::Result::Checked;
    if (checked && outcome.journalError.isEmpty())
        return std::nullopt;
    Failure failure;
    failure.lead = checked ? QString() : WriteFailureLead();
    QString text = checked ? QString() : DescribeWriteOutcome(outcome) + QStringLiteral("\n\n");
    if (outcome.wroteSomething())
        text += tr("Прежние настройки охранной панели сохранены (снимок № %1): их вернёт "
                   "«Вернуть настройки до записи…» в меню «Файл…».")
                    .arg(outcome.snapshot);
    if (!outcome.journalError.isEmpty())
        text += QStringLiteral("\n\n") + outcome.journalError + QStringLiteral("\n") +
                tr("Снимок прежних настроек: %1").arg(outcome.snapshotPath);
    failure.what = text.trimmed();
    log().LogExchange(failure.what, true);
    return failure;
}

Session::SettingsWrite Session::writeSettings(const WriteRequest &request, Question question)
{
    SettingsWrite write;
    question.changes =
        CompareSettings(request.current, request.wanted, Wording::Interface, request.secrets);
    if (question.changes.isEmpty())
        return write;
    if (!m_front.ask(question)) {
        write.end = SettingsWrite::End::Cancelled;
        return write;
    }
    write.end = SettingsWrite::End::Written;
    SnapshotJournal journal;
    Waiting waiting(*this);
    WriteRequest named = request;
    named.site = m_site;
    write.outcome = WriteChecked(link(), journal, named);
    waiting.end();
    write.failure = writeFailure(write.outcome);
    return write;
}

Session::Compared Session::compareWithPanel(const QString &port, const PanelSettings &wanted)
{
    Compared compared;
    const Current current = readAsItIs(port);
    if (current.failure)
        compared.failure = current.failure;
    else
        compared.changes = CompareSettings(*current.settings, wanted);
    return compared;
}

std::vector<JournalEntry> Session::SnapshotsToRestore()
{
    std::vector<JournalEntry> entries = SnapshotJournal().entries();
    // A damaged line of the journal names no snapshot to return to.
    std::erase_if(entries, [](const JournalEntry &entry) { return entry.damaged; });
    std::reverse(entries.begin(), entries.end());
    return entries;
}

Session::Restored Session::restoreSnapshot(const QString &port, const JournalEntry &entry)
{
    Restored restored;
    WriteRequest request;
    request.wanted = SnapshotJournal().snapshot(entry.number);
    const Current current = readAsItIs(port);
    if (current.failure) {
        restored.failure = current.failure;
        return restored;
    }
    request.current = *current.settings;
    request.port = port;
    Question question;
    question.what = tr("Снимок № %1 от %2, порт %3, %4")
                        .arg(entry.number)
                        .arg(JournalTimeText(entry.time), entry.port, entry.firmware);
    question.warning =
        ForeignSnapshotWarning(entry, port, request.current.version.value_or(QString()));
    restored.write = writeSettings(request, question);
    if (restored.write.end == SettingsWrite::End::Written && restored.write.outcome.heldKnown())
        restored.held = restored.write.outcome.held;
    return restored;
}

void Session::AddJournals(ReportInput &input, const QString &panelPort, const QString &site)
{
    input.site = site;
    if (!panelPort.isEmpty() || !site.isEmpty())
        input.writes = WritesOfPanel(SnapshotJournal().entries(), panelPort,
                                     input.settings.version.value_or(QString()), site);
    input.uploads = UploadJournal(SnapshotJournal::defaultFolder()).lastUpload();
}

std::optional<Failure> Session::saveReport(const QString &path, const ReportInput &input)
{
    if (const QString failure = WriteReportPdf(path, input); !failure.isEmpty())
        return Failure{Failure::Kind::Error, {}, failure, {}};
    return std::nullopt;
}

std::optional<Failure> Session::saveSupportBundle(const QString &path, const QString &toolVersion,
                                                  QStringList *absent, const QString &sitesTable)
{
    SupportSources sources;
    sources.paths = m_paths;
    sources.toolVersion = toolVersion;
    sources.portsText = PortsText(m_config);
    sources.site = m_site;
    sources.sitesTable = sitesTable;
    if (const QString failure = WriteSupportBundle(path, sources, absent); !failure.isEmpty())
        return Failure{Failure::Kind::Error, {}, failure, {}};
    return std::nullopt;
}

} // namespace orvanta
