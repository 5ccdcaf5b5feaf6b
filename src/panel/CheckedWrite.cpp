#include "CheckedWrite.h"

#include "Errors.h"
#include "PanelLink.h"
#include "SnapshotJournal.h"

namespace orvanta {

namespace {

const char *const PartNames[] = {
    QT_TRANSLATE_NOOP("orvanta::CheckedWrite", "ключи"),
    QT_TRANSLATE_NOOP("orvanta::CheckedWrite", "шлейфы и общие настройки"),
    QT_TRANSLATE_NOOP("orvanta::CheckedWrite", "реле"),
    QT_TRANSLATE_NOOP("orvanta::CheckedWrite", "пароль"),
};

// The texts of the write in the interface's language.
struct CheckedWriteText
{
    Q_DECLARE_TR_FUNCTIONS(orvanta::CheckedWrite)
};

QString partNames(const std::vector<WritePart> &parts)
{
    QStringList names;
    for (const WritePart part : parts)
        names += WritePartName(part);
    return names.join(QStringLiteral(", "));
}

// What reached the panel before a write stopped, as far as it acknowledged it.
QString writtenText(const WriteOutcome &outcome)
{
    if (!outcome.wroteSomething())
        return CheckedWriteText::tr("Ничего не записано.");
    QString parts = partNames(outcome.written);
    if (outcome.partlyWritten)
        parts += (parts.isEmpty() ? QString() : QStringLiteral(", ")) +
                 CheckedWriteText::tr("%1 (не целиком)").arg(WritePartName(*outcome.partlyWritten));
    return CheckedWriteText::tr(
               "Записано: %1. Охранная панель хранит теперь часть новых и часть прежних настроек.")
        .arg(parts);
}

enum class Sent { Acknowledged, Refused, LineGone };

// Sends a part command by command, counting those the panel acknowledged. A command the panel
// does not accept ends the part: if the panel still answers, it refused it; otherwise the line is
// gone.
Sent sendPart(PanelLink &link, const QStringList &commands, int &acknowledged)
{
    for (const QString &command : commands) {
        if (!link.exchange(command).isEmpty()) {
            ++acknowledged;
            continue;
        }
        return link.exchange(QStringLiteral("+v")).isEmpty() ? Sent::LineGone : Sent::Refused;
    }
    return Sent::Acknowledged;
}

// The settings of the given parts only, so that a comparison looks at nothing else.
PanelSettings partsOf(const PanelSettings &settings, const std::vector<WritePart> &parts)
{
    PanelSettings only;
    for (const WritePart part : parts) {
        switch (part) {
        case WritePart::Keys:
            only.keys = settings.keys;
            break;
        case WritePart::Loops:
            only.loops = settings.loops;
            break;
        case WritePart::Relays:
            only.relayRules = settings.relayRules;
            only.relayTimes = settings.relayTimes;
            break;
        case WritePart::Password:
            only.password = settings.password;
            break;
        }
    }
    return only;
}

// Every part written read back; what the panel holds is compared with what was sent.
void checkWritten(PanelLink &link, PanelSettings sent, WriteOutcome &outcome)
{
    PanelSettings back = outcome.held;
    try {
        for (const WritePart part : outcome.written)
            ReadPart(link, part, back);
    } catch (const std::exception &error) {
        outcome.error = ErrorText(error);
        outcome.result = WriteOutcome::Result::Unchecked;
        return;
    }
    outcome.held = back;
    sent = partsOf(sent, outcome.written);
    outcome.notKept = CompareSettings(back, sent);
    if (!outcome.notKept.isEmpty())
        outcome.result = WriteOutcome::Result::NotKept;
}

void journalOutcome(SnapshotJournal &journal, const WriteOutcome &outcome,
                    const PanelSettings &sent)
{
    using Result = WriteOutcome::Result;
    const char *word = JournalResult::Written;
    QStringList detail;
    switch (outcome.result) {
    case Result::Checked:
        break;
    case Result::NotKept:
        word = JournalResult::NotKept;
        detail = CompareSettings(outcome.held, partsOf(sent, outcome.written), Wording::File);
        break;
    case Result::Refused:
        word = JournalResult::Refused;
        detail += WritePartName(*outcome.refused, Wording::File);
        break;
    case Result::Unchecked:
        word = JournalResult::Unchecked;
        detail += outcome.error;
        break;
    case Result::Interrupted:
        word = JournalResult::Interrupted;
        detail += outcome.error;
        break;
    }
    journal.setResult(outcome.snapshot, word, detail);
}

} // namespace

QString WritePartName(WritePart part, Wording wording)
{
    const char *name = PartNames[int(part)];
    return wording == Wording::Interface ? CheckedWriteText::tr(name) : QString::fromUtf8(name);
}

WriteOutcome WriteChecked(PanelLink &link, SnapshotJournal &journal, const WriteRequest &request)
{
    WriteOutcome outcome;
    outcome.held = request.current;
    PanelSettings wanted = request.wanted;
    outcome.snapshot = journal.keep(request.current, request.port,
                                    CompareSettings(request.current, wanted, Wording::File));
    outcome.snapshotPath = journal.snapshotPath(outcome.snapshot);
    bool lineGone = false;
    for (const WritePart part : request.parts) {
        QStringList commands;
        try {
            if (request.source)
                request.source(part, wanted);
            commands = WriteCommands(part, wanted, &link.log());
        } catch (const std::exception &error) {
            outcome.result = WriteOutcome::Result::Interrupted;
            outcome.error = ErrorText(error);
            break;
        }
        if (commands.isEmpty())
            continue;
        Sent sent = Sent::LineGone;
        int acknowledged = 0;
        try {
            sent = sendPart(link, commands, acknowledged);
        } catch (const std::exception &error) {
            outcome.error = ErrorText(error);
        }
        if (sent == Sent::Acknowledged) {
            outcome.written.push_back(part);
            continue;
        }
        if (acknowledged > 0)
            outcome.partlyWritten = part;
        if (sent == Sent::Refused) {
            outcome.result = WriteOutcome::Result::Refused;
            outcome.refused = part;
        } else {
            lineGone = true;
            outcome.result = WriteOutcome::Result::Interrupted;
            if (outcome.error.isEmpty())
                outcome.error = CheckedWriteText::tr("охранная панель не отвечает");
        }
        break;
    }
    if (!lineGone && outcome.wroteSomething()) {
        const WriteOutcome::Result before = outcome.result;
        checkWritten(link, wanted, outcome);
        // A refusal or a cut says more than what the check of the parts before it found.
        if (before != WriteOutcome::Result::Checked && outcome.result != before) {
            if (outcome.result == WriteOutcome::Result::Unchecked)
                outcome.error = QString();
            outcome.result = before;
        }
    }
    try {
        journalOutcome(journal, outcome, wanted);
    } catch (const std::exception &error) {
        outcome.journalError = ErrorText(error);
    }
    return outcome;
}

QString DescribeWriteOutcome(const WriteOutcome &outcome)
{
    using Result = WriteOutcome::Result;
    const auto lines = [](const QStringList &list) {
        return QStringLiteral("  ") + list.join(QStringLiteral("\n  "));
    };
    switch (outcome.result) {
    case Result::Checked:
        return CheckedWriteText::tr("Записано; охранная панель хранит эти настройки.");
    case Result::NotKept:
        return CheckedWriteText::tr("Охранная панель приняла запись, но не сохранила:\n") +
               lines(outcome.notKept);
    case Result::Refused:
        return CheckedWriteText::tr("Охранная панель отказалась принять: %1.")
                   .arg(WritePartName(*outcome.refused)) +
               QLatin1Char('\n') + writtenText(outcome);
    case Result::Unchecked:
        return CheckedWriteText::tr(
                   "Настройки записаны, но прочитать их для проверки не удалось: %1\n"
                   "Охранная панель, вероятно, хранит новые настройки.")
            .arg(outcome.error);
    case Result::Interrupted:
        return CheckedWriteText::tr("Запись прервана: %1\n").arg(outcome.error) +
               writtenText(outcome);
    }
    return {};
}

QString ForeignSnapshotWarning(const JournalEntry &entry, const QString &port,
                               const QString &firmware)
{
    if (entry.port == port && entry.firmware == firmware)
        return {};
    return CheckedWriteText::tr(
               "Внимание: снимок прочитан на порту %1 из панели с прошивкой «%2», а сейчас запись "
               "пойдёт на порт %3 в панель с прошивкой «%4».")
        .arg(entry.port, entry.firmware, port, firmware);
}

} // namespace orvanta
