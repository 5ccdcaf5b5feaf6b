// upload: the messages of the lists into the panel, as the window's "Записать звук в устройство".
#include "cli/Commands.h"
#include "cli/PanelSession.h"
#include "panel/MessageTable.h"
#include "session/UploadSession.h"
#include "voice/MessageList.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace orvanta::cli {

namespace {

// Ctrl+C reaches the event loop through a socket pair: a signal handler may only write a byte.
int interruptSockets[2] = {-1, -1};

void onInterrupt(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(interruptSockets[0], &byte, 1);
}

// The first Ctrl+C stops as the window's Stop does; the second ends at once, as a closing window.
class InterruptWatch
{
public:
    InterruptWatch(UploadSession &session)
    {
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, interruptSockets) != 0)
            return;
        m_notifier = std::make_unique<QSocketNotifier>(interruptSockets[1], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this, &session] {
            char byte = 0;
            [[maybe_unused]] const ssize_t read = ::read(interruptSockets[1], &byte, 1);
            if (!session.stopRequested()) {
                session.requestStop();
                err << Cli::tr("\nОстановка после текущего сообщения… (ещё раз Ctrl+C — сразу)\n")
                    << Qt::flush;
            } else {
                session.abort();
            }
        });
        struct sigaction action = {};
        action.sa_handler = onInterrupt;
        ::sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, &m_previous);
        m_installed = true;
    }
    ~InterruptWatch()
    {
        if (m_installed)
            ::sigaction(SIGINT, &m_previous, nullptr);
        m_notifier.reset();
        for (int &socket : interruptSockets)
            if (socket >= 0)
                ::close(std::exchange(socket, -1));
    }
    InterruptWatch(const InterruptWatch &) = delete;
    InterruptWatch &operator=(const InterruptWatch &) = delete;

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
    struct sigaction m_previous = {};
    bool m_installed = false;
};

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

// The lists named on the command line, else the window's.
bool loadLists(const Invocation &call, MessageList &list)
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

int RunUpload(const Invocation &call)
{
    const Options &options = call.options;
    PanelSession panel(call);
    SoundSession &sounds = panel.session().sounds();
    MessageList &list = sounds.messages();
    if (!loadLists(call, list))
        return NothingSent;
    std::vector<UploadMessage> messages = UploadSession::MessagesOf(list);
    if (messages.empty()) {
        err << Cli::tr("В списке нет сообщений с файлами: записывать нечего.\n");
        return NothingSent;
    }
    if (!panel.find(options.port))
        return NoPanel;
    UploadSession &session = sounds.upload();
    const UploadCheck check = session.check(messages);
    if (!checkPassed(check))
        return NothingSent;
    const double taken = UploadSession::SecondsTaken(check, messages.size());
    if (taken > MemorySeconds && !options.yes) {
        err << Cli::tr("Сообщения займут %1 с, а память охранной панели вмещает %2 мин.: "
                       "последние не поместятся. Записать всё равно: --yes\n")
                   .arg(int(taken + 0.5))
                   .arg(MemorySeconds / 60);
        return NothingSent;
    }
    if (options.check) {
        out << Cli::tr("Можно записать: сообщений %1, %2 с из %3 мин.; ничего не отправлено.\n")
                   .arg(messages.size())
                   .arg(int(taken + 0.5))
                   .arg(MemorySeconds / 60);
        return Done;
    }

    // What became of each message, and a line on the terminal while they go.
    QJsonArray rows;
    double left = check.seconds;
    const bool terminal = ::isatty(STDERR_FILENO);
    QObject::connect(&session, &UploadSession::rowStarted, [&](int row) {
        if (terminal)
            err << "\r\x1b[K"
                << Cli::tr("Сообщение %1 (%2): осталось %3 с")
                       .arg(row)
                       .arg(QFileInfo(list.messageFile(row)).fileName())
                       .arg(int(left + 0.5))
                << Qt::flush;
    });
    QObject::connect(&session, &UploadSession::receipt, [&](const UploadReceipt &receipt) {
        left -= receipt.fileSeconds;
        rows.append(QJsonObject{{"row", receipt.row},
                                {"file", receipt.file},
                                {"seconds", receipt.fileSeconds},
                                {"result", receipt.verdict}});
        if (receipt.verdict != QLatin1String("Ok"))
            err << (terminal ? "\r\x1b[K" : "")
                << Cli::tr("Сообщение %1: %2\n").arg(receipt.row).arg(receipt.verdict);
    });
    UploadOutcome outcome;
    QEventLoop loop;
    QObject::connect(&session, &UploadSession::finished, [&](const UploadOutcome &ended) {
        outcome = ended;
        loop.quit();
    });
    {
        const InterruptWatch interrupts(session);
        session.start(std::move(messages));
        if (session.running())
            loop.exec();
    }
    if (terminal)
        err << "\r\x1b[K" << Qt::flush;
    if (!session.journalError().isEmpty())
        err << Cli::tr("Квитанции сообщений не записаны в журнал: %1\n")
                   .arg(session.journalError());
    if (!outcome.error.isEmpty())
        err << outcome.error << "\n";
    const QString summary =
        Cli::tr("Записано сообщений: %1 из %2").arg(outcome.written).arg(outcome.total);
    if (options.json)
        PrintJson(QJsonObject{{"end", endName(outcome.end)},
                              {"written", outcome.written},
                              {"total", outcome.total},
                              {"rows", rows}});
    else
        err << summary << "\n";
    return outcome.end == UploadOutcome::End::Complete ? Done : StoppedPartWay;
}

} // namespace orvanta::cli
