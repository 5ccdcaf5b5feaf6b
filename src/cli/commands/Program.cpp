// program: one panel after another from a template, each with its site's password and keys, its
// messages, its report and its line in the ledger.
#include "cli/Commands.h"
#include "cli/InterruptWatch.h"
#include "cli/PanelArrival.h"
#include "cli/PanelSession.h"
#include "cli/UploadRun.h"
#include "comm/XComErr.h"
#include "core/Errors.h"
#include "panel/SitesTable.h"
#include "report/SettingsReport.h"
#include "session/SiteLedger.h"
#include "voice/MessageList.h"

#include <QDir>
#include <optional>

namespace orvanta::cli {

namespace {

using Step = LedgerLine::Step;

// What the run takes before the first panel: every file checked.
struct LineInput
{
    PanelSettings settings;
    std::vector<SiteRow> rows; // those still to do
    bool named = false;        // rows come from a sites table
    std::optional<int> count;
};

// The rows to program: the table's, less the sites the ledger says are done (unless --again);
// without a table, as many unnamed panels as --count says.
bool takeRows(const Options &options, const SiteLedger &ledger, LineInput &input)
{
    if (!options.count.isEmpty()) {
        bool ok = false;
        input.count = options.count.toInt(&ok);
        if (!ok || *input.count < 1) {
            err << CommandHelp(QStringLiteral("program"));
            return false;
        }
    }
    if (options.sites.isEmpty()) {
        input.rows.resize(size_t(input.count.value_or(0)));
        // Without a count the line goes on until Ctrl+C.
        if (!input.count)
            input.rows.resize(1);
        return true;
    }
    input.named = true;
    SitesTable table = SitesTable::Read(options.sites);
    for (const QString &problem : table.problems)
        err << options.sites << ": " << problem << "\n";
    if (!table.problems.isEmpty())
        return false;
    const QSet<QString> done = options.again ? QSet<QString>() : ledger.doneSites();
    for (const SiteRow &row : table.rows)
        if (!done.contains(row.site))
            input.rows.push_back(row);
    if (input.count && size_t(*input.count) < input.rows.size())
        input.rows.resize(size_t(*input.count));
    return true;
}

// The run's state that Ctrl+C changes: what it interrupts depends on the step under way.
struct Interruption
{
    enum class During { Other, Waiting, Upload } during = During::Other;
    bool requested = false;
    PanelArrival *arrival = nullptr;
    UploadSession *upload = nullptr;

    void interrupted(int times)
    {
        requested = true;
        if (during == During::Waiting) {
            arrival->cancel();
        } else if (during == During::Upload && upload) {
            if (times == 1) {
                upload->requestStop();
                err << Cli::tr("\nОстановка после текущего сообщения… (ещё раз Ctrl+C — сразу)\n")
                    << Qt::flush;
            } else {
                upload->abort();
            }
        } else if (times == 1) {
            err << Cli::tr("\nОстановка, когда закончится запись в эту панель…\n") << Qt::flush;
        }
    }
};

// An exception of a step as the status main would give it.
int statusOf(const std::exception &error)
{
    if (dynamic_cast<const EIncompleteRead *>(&error))
        return ReadIncomplete;
    if (dynamic_cast<const EDeviceError *>(&error))
        return NoPanel;
    return Internal;
}

} // namespace

int RunProgram(const Invocation &given)
{
    // The template and the table were confirmed by being given: nothing is asked per panel.
    Options options = given.options;
    options.yes = true;
    const Invocation call{options, given.config, given.paths};
    if (options.settings.isEmpty()) {
        err << CommandHelp(QStringLiteral("program"));
        return BadUse;
    }
    LineInput input;
    input.settings = ReadSettingsArgument(options.settings);
    const SiteLedger ledger(options.ledger.isEmpty() ? QStringLiteral("ledger.csv")
                                                     : options.ledger);
    if (!takeRows(options, ledger, input))
        return BadUse;
    if (input.rows.empty()) {
        err << Cli::tr("Все объекты таблицы уже запрограммированы (см. %1); заново: --again\n")
                   .arg(ledger.path());
        return Done;
    }
    if (const QString failure = ledger.prepare(); !failure.isEmpty()) {
        err << failure << "\n";
        return NotWritten;
    }
    if (!options.reports.isEmpty() && !QDir().mkpath(options.reports)) {
        err << Cli::tr("Не удалось создать папку %1\n").arg(options.reports);
        return NotWritten;
    }

    PanelSession panel(call);
    Session &session = panel.session();
    // The messages are checked before the first panel: one that cannot be played stops the line.
    std::vector<UploadMessage> messages;
    UploadCheck check;
    const bool uploads = !options.messages.isEmpty() || !options.sounds.isEmpty();
    if (uploads) {
        MessageList &list = session.sounds().messages();
        if (!LoadLists(call, list))
            return NothingSent;
        messages = UploadSession::MessagesOf(list);
        if (messages.empty()) {
            err << Cli::tr("В списке нет сообщений с файлами: записывать нечего.\n");
            return NothingSent;
        }
        if (!UploadCheckPassed(session.sounds().upload(), messages, options, check))
            return NothingSent;
    }

    PanelArrival arrival(call, session.connection());
    Interruption interruption;
    interruption.arrival = &arrival;
    const InterruptWatch interrupts(
        [&interruption](int times) { interruption.interrupted(times); });
    // A panel that answers already may be the last one programmed: the line begins with the next.
    for (const QString &port : arrival.answeringNow())
        err << Cli::tr("На порту %1 уже отвечает охранная панель: она будет запрограммирована, "
                       "если её подключить заново.\n")
                   .arg(port);
    int status = Done;
    bool ask = true; // "Готово" asked for the next panel already
    for (size_t n = 0; n < input.rows.size() || (!input.named && !input.count); ++n) {
        const SiteRow row = n < input.rows.size() ? input.rows[n] : SiteRow{};
        if (ask)
            err << (row.site.isEmpty()
                        ? Cli::tr("Подключите охранную панель…\n")
                        : Cli::tr("Подключите охранную панель объекта «%1»…\n").arg(row.site))
                << Qt::flush;
        interruption.during = Interruption::During::Waiting;
        const QString port = arrival.next(QDeadlineTimer(QDeadlineTimer::Forever));
        interruption.during = Interruption::During::Other;
        if (port.isEmpty())
            return StoppedPartWay;

        LedgerLine line;
        line.time = QDateTime::currentDateTime();
        line.site = row.site;
        line.port = port;
        const SerialAdapter adapter = arrival.adapterOf(port);
        line.stablePath = adapter.stablePath;
        line.adapterSerial = adapter.serial;
        session.setSite(row.site);
        int ended = Done;
        PanelSettings current;
        try {
            if (!panel.find(port)) {
                line.read = Step::Failed;
                ended = NoPanel;
            } else {
                current = panel.read();
                line.firmware = current.version.value_or(QString());
                line.read = Step::Ok;
            }
        } catch (const std::exception &error) {
            err << ErrorText(error) << "\n";
            line.read = Step::Failed;
            ended = statusOf(error);
        }
        if (line.read == Step::Ok) {
            try {
                ended = WriteOver(panel, current, WithSite(input.settings, row), options, {},
                                  &line.snapshot);
            } catch (const std::exception &error) {
                err << ErrorText(error) << "\n";
                ended = statusOf(error);
            }
            line.write = ended == Done ? Step::Ok : Step::Failed;
        }
        // A Ctrl+C during the write comes to light once the write is over: the steps after it
        // are not begun, and the ledger says so.
        QCoreApplication::processEvents();
        if (ended == Done && interruption.requested && (uploads || !options.reports.isEmpty())) {
            if (uploads)
                line.upload = Step::Stopped;
            if (!options.reports.isEmpty())
                line.report = Step::Stopped;
            ended = StoppedPartWay;
        }
        if (ended == Done && uploads) {
            UploadSession &upload = session.sounds().upload();
            interruption.upload = &upload;
            interruption.during = Interruption::During::Upload;
            const UploadRun run =
                SendMessages(upload, session.sounds().messages(), messages, check);
            interruption.during = Interruption::During::Other;
            const bool complete = run.outcome.end == UploadOutcome::End::Complete;
            line.upload = complete                 ? Step::Ok
                          : interruption.requested ? Step::Stopped
                                                   : Step::Failed;
            err << Cli::tr("Записано сообщений: %1 из %2")
                       .arg(run.outcome.written)
                       .arg(run.outcome.total)
                << "\n";
            ended = complete ? Done : StoppedPartWay;
        }
        if (ended == Done && !options.reports.isEmpty()) {
            ReportInput report;
            report.time = QDateTime::currentDateTime();
            report.source = port;
            try {
                report.settings = panel.read();
                if (uploads)
                    report.messages = ReportMessages(session.sounds().messages());
                Session::AddJournals(report, port, row.site);
                const QString name = SiteFileName(row.site);
                line.reportPath =
                    QDir(options.reports)
                        .absoluteFilePath(name.isEmpty() ? ReportFileName(report.time)
                                                         : name + QStringLiteral(".pdf"));
                const std::optional<Failure> failure = session.saveReport(line.reportPath, report);
                if (failure) {
                    err << failure->text() << "\n";
                    line.reportPath.clear();
                    ended = NotWritten;
                }
            } catch (const std::exception &error) {
                err << ErrorText(error) << "\n";
                ended = statusOf(error);
            }
            line.report = ended == Done ? Step::Ok : Step::Failed;
        }
        if (const QString failure = ledger.append(line); !failure.isEmpty()) {
            err << failure << "\n";
            return NotWritten;
        }
        // The panel just programmed counts again only once it went or fell silent.
        arrival.known(port);
        ask = ended != Done;
        if (ended == Done)
            err << Cli::tr("Готово: %1. Подключите следующую панель…\n")
                       .arg(row.site.isEmpty() ? port : row.site)
                << Qt::flush;
        else
            status = ended;
        if (interruption.requested)
            return ended == Done ? StoppedPartWay : ended;
        if (ended != Done && !options.keepGoing)
            return ended;
    }
    return status;
}

} // namespace orvanta::cli
