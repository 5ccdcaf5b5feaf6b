#include "CheckedWrite.h"

#include "SnapshotJournal.h"
#include "core/Errors.h"
#include "link/PanelLink.h"

#include <QElapsedTimer>
#include <algorithm>

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

const char *const MayHoldWords =
    QT_TRANSLATE_NOOP("orvanta::CheckedWrite", "возможно, записано: %1");

// After a command without "OK" the line is read until it falls quiet, so that a late reply is not
// taken for the answer to what comes next, and then the panel is asked for its version; within
// this time the question is asked again as often as it fits.
constexpr int QuietMs = 300;
constexpr int AnswerAgainWithinMs = 2500;

// What reached the panel before a write stopped, as far as the evidence goes.
QString writtenText(const WriteOutcome &outcome)
{
    if (!outcome.wroteSomething())
        return CheckedWriteText::tr("Ничего не записано.");
    QStringList parts;
    for (const WritePart part : outcome.written)
        if (std::find(outcome.partsNotKept.begin(), outcome.partsNotKept.end(), part) ==
            outcome.partsNotKept.end())
            parts += WritePartName(part);
    if (outcome.partlyWritten)
        parts += CheckedWriteText::tr("%1 (не целиком)").arg(WritePartName(*outcome.partlyWritten));
    QStringList said;
    if (!parts.isEmpty())
        said += CheckedWriteText::tr("Записано: %1. Охранная панель хранит теперь часть новых и "
                                     "часть прежних настроек.")
                    .arg(parts.join(QStringLiteral(", ")));
    if (outcome.uncertain)
        said += CheckedWriteText::tr("Приняла ли охранная панель последнюю команду (%1), "
                                     "неизвестно: она может хранить и новое, и прежнее.")
                    .arg(WritePartName(*outcome.uncertain));
    return said.join(QLatin1Char('\n'));
}

// The fate of one command of a part.
enum class Fate {
    Taken,      // acknowledged, or found held by a read-back
    Refused,    // answered without "OK", and not held
    Unanswered, // not answered, and not held
    Unknown,    // it went out, but whether the panel took it could not be learnt
    NotSent     // the line was gone before it went out
};

// Whether the panel this tool speaks to answers again after a command it left without "OK": a
// late reply of that command, which holds an "OK" of its own, never counts as its answer.
bool panelAnswersAgain(PanelLink &link)
{
    QElapsedTimer since;
    since.start();
    for (;;) {
        link.drainLine(QuietMs, std::max(AnswerAgainWithinMs - int(since.elapsed()), 1));
        if (IsExpectedFirmware(link.query(QStringLiteral("+v"))))
            return true;
        if (since.elapsed() >= AnswerAgainWithinMs)
            return false;
    }
}

// Sends one command. Without "OK" the panel's part is read back, and what the panel holds
// decides whether it took the command.
Fate sendCommand(PanelLink &link, WritePart part, const QString &command, WriteOutcome &outcome)
{
    try {
        if (!link.exchange(command).isEmpty())
            return Fate::Taken;
    } catch (const std::exception &error) {
        outcome.error = ErrorText(error);
        return link.lastFrameSent() ? Fate::Unknown : Fate::NotSent;
    }
    const bool answeredWithoutOK = !link.lastReceived().isEmpty();
    try {
        if (!panelAnswersAgain(link)) {
            outcome.error = CheckedWriteText::tr("охранная панель не отвечает");
            return Fate::Unknown;
        }
        ReadPart(link, part, outcome.held);
    } catch (const std::exception &error) {
        outcome.error = ErrorText(error);
        return Fate::Unknown;
    }
    if (WriteCommands(part, outcome.held).contains(command))
        return Fate::Taken;
    return answeredWithoutOK ? Fate::Refused : Fate::Unanswered;
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

// The settings one write command carries, copied from one set into another: each command writes
// one record whole, named by its beginning.
void copyCommandSettings(const QString &command, const PanelSettings &from, PanelSettings &to)
{
    const auto index = [&command] {
        return size_t(command.mid(3, 1).toInt() - 1);
    };
    if (command.startsWith(QStringLiteral("+T0")) && index() < to.keys.size())
        to.keys[index()] = from.keys[index()];
    else if (command.startsWith(QStringLiteral("+k0")) && index() < to.relayRules.size())
        to.relayRules[index()] = from.relayRules[index()];
    else if (command.startsWith(QStringLiteral("+K")))
        to.loops = from.loops;
    else if (command.startsWith(QStringLiteral("+L")))
        to.relayTimes = from.relayTimes;
    else if (command.startsWith(QStringLiteral("+Q")))
        to.password = from.password;
}

// The commands the panel took, part by part, in the order of the write.
using Taken = std::vector<std::pair<WritePart, QStringList>>;

// Every part the panel took commands of is read back; what it holds is compared with what those
// commands carried (a part cut off is compared only as far as it went).
void checkTaken(PanelLink &link, const Taken &taken, const PanelSettings &wanted, Secrets secrets,
                WriteOutcome &outcome)
{
    PanelSettings back = outcome.held;
    try {
        for (const auto &[part, commands] : taken)
            ReadPart(link, part, back);
    } catch (const std::exception &error) {
        if (outcome.error.isEmpty())
            outcome.error = ErrorText(error);
        return;
    }
    outcome.held = back;
    outcome.heldRead = true;
    for (const auto &[part, commands] : taken) {
        PanelSettings expected = back;
        for (const QString &command : commands)
            copyCommandSettings(command, wanted, expected);
        const PanelSettings held = partsOf(back, {part});
        expected = partsOf(expected, {part});
        const QStringList differ = CompareSettings(held, expected, Wording::Interface, secrets);
        if (differ.isEmpty())
            continue;
        outcome.partsNotKept.push_back(part);
        outcome.notKept += differ;
        outcome.notKeptInJournal += CompareSettings(held, expected, Wording::File);
    }
}

WriteOutcome::Result resultOf(const WriteOutcome &outcome)
{
    using Result = WriteOutcome::Result;
    if (outcome.refused && !outcome.unanswered)
        return Result::Refused;
    if (outcome.refused || !outcome.notKept.isEmpty())
        return Result::NotKept;
    if (outcome.cut)
        return Result::Interrupted;
    if (outcome.uncertain || !outcome.heldRead)
        return Result::Unchecked;
    return Result::Checked;
}

void journalOutcome(SnapshotJournal &journal, const WriteOutcome &outcome)
{
    using Result = WriteOutcome::Result;
    const char *word = JournalResult::Written;
    switch (outcome.result) {
    case Result::Checked:
        break;
    case Result::NotKept:
        word = JournalResult::NotKept;
        break;
    case Result::Refused:
        word = JournalResult::Refused;
        break;
    case Result::Unchecked:
        word = JournalResult::Unchecked;
        break;
    case Result::Interrupted:
        word = JournalResult::Interrupted;
        break;
    }
    QStringList detail;
    if (outcome.refused)
        detail += WritePartName(*outcome.refused, Wording::File);
    detail += outcome.notKeptInJournal;
    if (outcome.result == Result::Unchecked || outcome.result == Result::Interrupted)
        detail += outcome.error;
    if (outcome.uncertain)
        detail +=
            QString::fromUtf8(MayHoldWords).arg(WritePartName(*outcome.uncertain, Wording::File));
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
    outcome.snapshot =
        journal.keep(request.current, request.port,
                     CompareSettings(request.current, wanted, Wording::File), request.site);
    outcome.snapshotPath = journal.snapshotPath(outcome.snapshot);
    Taken taken;
    outcome.allSent = true;
    for (const WritePart part : request.parts) {
        QStringList commands;
        try {
            if (request.source)
                request.source(part, wanted);
            commands = WriteCommands(part, wanted, &link.log());
        } catch (const std::exception &error) {
            outcome.allSent = false;
            outcome.cut = true;
            outcome.error = ErrorText(error);
            break;
        }
        if (commands.isEmpty())
            continue;
        QStringList tookOfPart;
        Fate fate = Fate::Taken;
        bool lastCommand = false;
        for (const QString &command : commands) {
            lastCommand = part == request.parts.back() && command == commands.back();
            fate = sendCommand(link, part, command, outcome);
            if (fate != Fate::Taken)
                break;
            tookOfPart += command;
        }
        if (!tookOfPart.isEmpty())
            taken.emplace_back(part, tookOfPart);
        if (fate == Fate::Taken) {
            outcome.written.push_back(part);
            continue;
        }
        if (!tookOfPart.isEmpty())
            outcome.partlyWritten = part;
        outcome.allSent = false;
        switch (fate) {
        case Fate::Refused:
        case Fate::Unanswered:
            outcome.refused = part;
            outcome.unanswered = fate == Fate::Unanswered;
            break;
        case Fate::Unknown:
            outcome.uncertain = part;
            // A panel that still answers, or a line gone after the last command, left only this
            // command's fate unknown.
            outcome.cut = !lastCommand && (!link.IsOpened() || !link.connected());
            break;
        case Fate::NotSent:
        case Fate::Taken:
            outcome.cut = true;
            break;
        }
        break;
    }
    // The parts taken are read back unless the line is gone.
    if (link.IsOpened() && link.connected())
        checkTaken(link, taken, wanted, request.secrets, outcome);
    if (outcome.uncertain)
        outcome.heldRead = false;
    outcome.result = resultOf(outcome);
    try {
        journalOutcome(journal, outcome);
    } catch (const std::exception &error) {
        outcome.journalError = ErrorText(error);
    }
    return outcome;
}

QString DescribeWriteOutcome(const WriteOutcome &outcome)
{
    using Result = WriteOutcome::Result;
    if (outcome.result == Result::Checked)
        return CheckedWriteText::tr("Записано; охранная панель хранит эти настройки.");
    QStringList said;
    if (outcome.refused)
        said += (outcome.unanswered
                     ? CheckedWriteText::tr("Охранная панель не ответила на запись и не хранит её: "
                                            "%1.")
                     : CheckedWriteText::tr("Охранная панель отказалась принять: %1."))
                    .arg(WritePartName(*outcome.refused));
    if (!outcome.allSent && !outcome.refused)
        said += CheckedWriteText::tr("Запись прервана: %1").arg(outcome.error);
    if (!outcome.notKept.isEmpty())
        said += CheckedWriteText::tr("Охранная панель приняла запись, но не сохранила:\n") +
                QStringLiteral("  ") + outcome.notKept.join(QStringLiteral("\n  "));
    if (const QString written = writtenText(outcome);
        (!outcome.allSent || outcome.refused) && !written.isEmpty())
        said += written;
    else if (!outcome.heldRead)
        said +=
            CheckedWriteText::tr("Настройки записаны, но прочитать их для проверки не удалось: %1\n"
                                 "Охранная панель, вероятно, хранит новые настройки.")
                .arg(outcome.error);
    return said.join(QLatin1Char('\n'));
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
