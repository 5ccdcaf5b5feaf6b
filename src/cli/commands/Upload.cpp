// upload: the messages of the lists into the panel, as the window's "Записать звук в устройство".
#include "cli/Commands.h"
#include "cli/InterruptWatch.h"
#include "cli/PanelSession.h"
#include "cli/UploadRun.h"
#include "panel/MessageTable.h"
#include "session/UploadSession.h"
#include "voice/MessageList.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <cmath>
#include <unistd.h>

namespace orvanta::cli {

namespace {

QString endName(UploadOutcome::End end)
{
    switch (end) {
    case UploadOutcome::End::Complete:
        return QStringLiteral("complete");
    case UploadOutcome::End::Stopped:
        return QStringLiteral("stopped");
    case UploadOutcome::End::NoEndAddress:
        return QStringLiteral("no-end-address");
    case UploadOutcome::End::Failed:
        return QStringLiteral("failed");
    case UploadOutcome::End::Full:
        return QStringLiteral("full");
    }
    return {};
}

} // namespace

bool LoadLists(const Invocation &call, MessageList &list)
{
    const QString messages =
        call.options.messages.isEmpty() ? call.paths.inLists(MessagesFile) : call.options.messages;
    const QString sounds =
        call.options.sounds.isEmpty() ? call.paths.inLists(SoundsFile) : call.options.sounds;
    if (!QFileInfo::exists(messages) && !QFileInfo::exists(sounds)) {
        err << Cli::tr("Нет списков сообщений: %1, %2\n").arg(messages, sounds);
        return false;
    }
    list.load(messages, sounds);
    return true;
}

namespace {

bool checkPassed(const UploadCheck &check)
{
    if (!check.outputProblem.isEmpty()) {
        err << Cli::tr("Сообщения не записаны: %1.\n").arg(check.outputProblem);
        return false;
    }
    for (const UploadCheck::Problem &problem : check.problems)
        err << Cli::tr("Строка %1, \"%2\": %3\n")
                   .arg(problem.row)
                   .arg(problem.file, problem.reason);
    if (!check.problems.empty())
        err << Cli::tr("Ничего не отправлено в охранную панель.\n");
    return check.problems.empty();
}

} // namespace

bool UploadCheckPassed(UploadSession &session, const std::vector<UploadMessage> &messages,
                       const Options &options, UploadCheck &check)
{
    check = session.check(messages);
    if (!checkPassed(check))
        return false;
    const double taken = UploadSession::SecondsTaken(check, messages.size());
    if (taken > MemorySeconds && !options.yes) {
        err << Cli::tr("Сообщения займут %1 с, а память охранной панели вмещает %2 мин.: "
                       "последние не поместятся. Записать всё равно: --yes\n")
                   .arg(std::lround(taken))
                   .arg(MemorySeconds / 60);
        return false;
    }
    return true;
}

UploadRun SendMessages(UploadSession &session, const MessageList &list,
                       std::vector<UploadMessage> messages, const UploadCheck &check)
{
    UploadRun run;
    double left = check.seconds;
    const bool terminal = ::isatty(STDERR_FILENO);
    QObject context;
    QObject::connect(&session, &UploadSession::rowStarted, &context, [&](int row) {
        if (terminal)
            err << "\r\x1b[K"
                << Cli::tr("Сообщение %1 (%2): осталось %3 с")
                       .arg(row)
                       .arg(QFileInfo(list.messageFile(row)).fileName())
                       .arg(std::lround(left))
                << Qt::flush;
    });
    QObject::connect(
        &session, &UploadSession::receipt, &context, [&](const UploadReceipt &receipt) {
            left -= receipt.fileSeconds;
            run.rows.append(QJsonObject{{"row", receipt.row},
                                        {"file", receipt.file},
                                        {"seconds", receipt.fileSeconds},
                                        {"result", receipt.verdict}});
            if (receipt.verdict != QLatin1String("Ok"))
                err << (terminal ? "\r\x1b[K" : "")
                    << Cli::tr("Сообщение %1: %2\n").arg(receipt.row).arg(receipt.verdict);
        });
    QEventLoop loop;
    QObject::connect(&session, &UploadSession::finished, &context, [&](const UploadOutcome &ended) {
        run.outcome = ended;
        loop.quit();
    });
    session.start(std::move(messages));
    if (session.running())
        loop.exec();
    if (terminal)
        err << "\r\x1b[K" << Qt::flush;
    if (!session.journalError().isEmpty())
        err << Cli::tr("Квитанции сообщений не записаны в журнал: %1\n")
                   .arg(session.journalError());
    if (!run.outcome.error.isEmpty())
        err << run.outcome.error << "\n";
    return run;
}

int RunUpload(const Invocation &call)
{
    const Options &options = call.options;
    PanelSession panel(call);
    SoundSession &sounds = panel.session().sounds();
    MessageList &list = sounds.messages();
    if (!LoadLists(call, list))
        return NothingSent;
    std::vector<UploadMessage> messages = UploadSession::MessagesOf(list);
    if (messages.empty()) {
        err << Cli::tr("В списке нет сообщений с файлами: записывать нечего.\n");
        return NothingSent;
    }
    if (!panel.find(options.port))
        return NoPanel;
    UploadSession &session = sounds.upload();
    UploadCheck check;
    if (!UploadCheckPassed(session, messages, options, check))
        return NothingSent;
    if (options.check) {
        out << Cli::tr("Можно записать: сообщений %1, %2 с из %3 мин.; ничего не отправлено.\n")
                   .arg(messages.size())
                   .arg(std::lround(UploadSession::SecondsTaken(check, messages.size())))
                   .arg(MemorySeconds / 60);
        return Done;
    }
    UploadRun run;
    {
        // The first Ctrl+C stops as the window's Stop does; the second ends at once, as a
        // closing window.
        const InterruptWatch interrupts([&session](int times) {
            if (times == 1) {
                session.requestStop();
                err << Cli::tr("\nОстановка после текущего сообщения… (ещё раз Ctrl+C — сразу)\n")
                    << Qt::flush;
            } else {
                session.abort();
            }
        });
        run = SendMessages(session, list, std::move(messages), check);
    }
    const UploadOutcome &outcome = run.outcome;
    if (options.json)
        PrintJson(QJsonObject{{"end", endName(outcome.end)},
                              {"written", outcome.written},
                              {"total", outcome.total},
                              {"rows", run.rows}});
    else
        err << Cli::tr("Записано сообщений: %1 из %2").arg(outcome.written).arg(outcome.total)
            << "\n";
    return outcome.end == UploadOutcome::End::Complete ? Done : StoppedPartWay;
}

} // namespace orvanta::cli
