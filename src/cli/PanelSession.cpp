#include "PanelSession.h"

#include "panel/CheckedWrite.h"
#include "panel/MessageTable.h"
#include "panel/PanelExchange.h"
#include "panel/SnapshotJournal.h"

#include <QRegularExpression>
#include <unistd.h>

namespace orvanta::cli {

PanelSession::PanelSession(const Invocation &call)
    : m_options(call.options)
    , m_session(call.paths, call.config, {})
{
    m_session.setSite(call.options.site);
    // The session's questions are the terminal's, or answered by --yes.
    Session::Front front;
    front.ask = [this](const Question &question) {
        return confirmed(question);
    };
    front.waiting = [this](bool on) {
        m_progress = on ? std::make_unique<Progress>(link(), Cli::tr("Запись настроек")) : nullptr;
    };
    m_session.setFront(std::move(front));
    if (!m_options.verbose)
        return;
    // The trace shows the exchange, but never the password: neither the coded one that "+Q"
    // sends nor the one its reply carries.
    QObject::connect(&link(), &PanelLink::commandSent,
                     [this](const QString &command) { m_lastCommand = command; });
    m_session.log().setEcho([this](const QByteArray &entry) {
        QString text =
            QString::fromUtf8(entry).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (m_lastCommand.startsWith(QLatin1String("+Q"))) {
            static const QRegularExpression coded(QStringLiteral("(\\+Q|>)[0-9]+"));
            text.replace(coded, QStringLiteral("\\1••••••••••"));
        }
        err << text << Qt::flush;
    });
}

bool PanelSession::find(const QString &port)
{
    m_attempts = m_session.connection().find(
        port.isEmpty()
            ? QStringList{QStringLiteral("COM2")} +
                  m_session.config().portNames(PortWatcher(DeviceFolderSetting()).adapters())
            : QStringList{port});
    if (!m_attempts.empty() && m_attempts.back().found()) {
        m_found = m_attempts.back();
        return true;
    }
    err << (port.isEmpty()
                ? Cli::tr("Нет связи с охранной панелью \"Orvanta\" ни на одном порту.\n")
                : Cli::tr("Нет связи с охранной панелью \"Orvanta\" на порту %1.\n").arg(port))
        << FailedPortsText(m_attempts) << "\n";
    return false;
}

PanelSettings PanelSession::read()
{
    const Progress progress(link(), Cli::tr("Чтение настроек"));
    PanelSettings settings;
    ReadPanelSettings(link(), settings);
    // Left out of the file unless both bytes came whole.
    settings.usedSeconds = MessageTable::ReadUsedSecondsWhole(link());
    return settings;
}

Progress::Progress(PanelLink &link, const QString &what)
{
    if (!::isatty(STDERR_FILENO))
        return;
    m_connection = QObject::connect(&link, &PanelLink::commandSent, [this, what] {
        err << "\r" << what << ": " << ++m_commands << " " << Qt::flush;
    });
}

Progress::~Progress()
{
    if (!m_connection)
        return;
    QObject::disconnect(m_connection);
    err << "\r\x1b[K" << Qt::flush; // the line is cleared for what follows
}

bool PanelSession::confirmed(const Question &question) const
{
    if (!question.what.isEmpty())
        out << question.what << "\n";
    out << Cli::tr("Изменится:\n");
    PrintLines(out, question.changes);
    out.flush();
    if (!question.warning.isEmpty())
        err << question.warning << "\n";
    if (m_options.yes)
        return true;
    // Without a terminal there is nobody to ask, and --yes is the way to write.
    if (!::isatty(STDIN_FILENO)) {
        err << Cli::tr("orvanta-cli: нет терминала, чтобы спросить; чтобы записать без вопроса, "
                       "добавьте --yes\n");
        return false;
    }
    err << Cli::tr("Записать эти настройки в охранную панель? [д/н] ") << Qt::flush;
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    // Yes in the interface's language, and in Russian and English whatever it is.
    const QStringList yes = Cli::tr("д,да", "the answers that mean yes, comma-separated")
                                .split(QLatin1Char(','), Qt::SkipEmptyParts) +
                            QStringList{QStringLiteral("д"), QStringLiteral("да"),
                                        QStringLiteral("y"), QStringLiteral("yes")};
    return yes.contains(answer);
}

int WriteWithSnapshot(PanelSession &panel, const PanelSettings &wanted, const Options &options,
                      const QString &what)
{
    return WriteOver(panel, panel.read(), wanted, options, what);
}

int WriteOver(PanelSession &panel, const PanelSettings &current, const PanelSettings &wanted,
              const Options &options, const QString &what, int *snapshot)
{
    // A file read from another panel's firmware may mean something else there.
    QString warning;
    if (wanted.version && current.version && *wanted.version != *current.version)
        warning =
            Cli::tr("Внимание: настройки прочитаны из панели с прошивкой «%1», а эта панель — "
                    "«%2».\n")
                .arg(*wanted.version, *current.version)
                .trimmed();
    WriteRequest request;
    request.current = current;
    request.wanted = wanted;
    request.port = panel.port();
    request.secrets = SecretsShown(options);
    const Session::SettingsWrite write =
        panel.session().writeSettings(request, {what, {}, warning});
    using End = Session::SettingsWrite::End;
    if (write.end == End::AlreadyHeld) {
        out << Cli::tr("Панель уже хранит эти настройки.\n");
        return Done;
    }
    if (write.end == End::Cancelled)
        return Cancelled;
    const WriteOutcome &outcome = write.outcome;
    if (snapshot)
        *snapshot = outcome.snapshot;
    using Result = WriteOutcome::Result;
    if (outcome.result == Result::Checked)
        out << Cli::tr("Записано; панель хранит эти настройки.\n");
    else
        err << DescribeWriteOutcome(outcome) << "\n";
    if (outcome.result != Result::Checked && outcome.wroteSomething())
        err << Cli::tr("Прежние настройки сохранены; вернуть их: orvanta-cli restore %1\n")
                   .arg(outcome.snapshot);
    if (!outcome.journalError.isEmpty())
        err << outcome.journalError << "\n"
            << Cli::tr("Снимок прежних настроек: %1\n").arg(outcome.snapshotPath);
    switch (outcome.result) {
    case Result::Checked:
        return Done;
    case Result::NotKept:
    case Result::Refused:
        return NotKept;
    case Result::Unchecked:
        return Unchecked;
    case Result::Interrupted:
        break;
    }
    return Interrupted;
}

} // namespace orvanta::cli
