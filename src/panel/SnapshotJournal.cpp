#include "SnapshotJournal.h"

#include "AtomicFile.h"
#include "Errors.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvanta {

namespace {

const QChar Field = QLatin1Char('\t');
const QString ChangeSeparator = QStringLiteral(" | ");

// Tabs and line ends in a field would break its line.
QString flat(QString text)
{
    return text.replace(Field, QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\r'), QLatin1Char(' '));
}

QStringList list(const QString &field)
{
    return field.isEmpty() ? QStringList() : field.split(ChangeSeparator);
}

} // namespace

QString SnapshotJournal::DefaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Orvanta/snapshots"));
}

SnapshotJournal::SnapshotJournal(QString folder)
    : m_folder(std::move(folder))
{}

QString SnapshotJournal::journalPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("journal.txt"));
}

QString SnapshotJournal::snapshotPath(int number) const
{
    return QDir(m_folder).filePath(
        QStringLiteral("snapshot-%1.txt").arg(number, 6, 10, QLatin1Char('0')));
}

std::vector<JournalEntry> SnapshotJournal::entries() const
{
    std::vector<JournalEntry> entries;
    QFile file(journalPath());
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    // Lines of earlier versions lack the detail.
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QStringList fields = QString::fromUtf8(line).split(Field);
        if (fields.size() < 7)
            continue;
        JournalEntry entry;
        entry.number = fields[0].toInt();
        entry.time = QDateTime::fromString(fields[1], Qt::ISODate);
        entry.port = fields[2];
        entry.firmware = fields[3];
        entry.snapshotFile = fields[4];
        entry.result = fields[5];
        entry.changes = list(fields[6]);
        entry.detail = list(fields.value(7));
        if (entry.number > 0)
            entries.push_back(entry);
    }
    return entries;
}

void SnapshotJournal::save(const std::vector<JournalEntry> &entries) const
{
    QByteArray text;
    for (const JournalEntry &entry : entries)
        text += QStringList{QString::number(entry.number),
                            entry.time.toString(Qt::ISODate),
                            flat(entry.port),
                            flat(entry.firmware),
                            entry.snapshotFile,
                            flat(entry.result),
                            flat(entry.changes.join(ChangeSeparator)),
                            flat(entry.detail.join(ChangeSeparator))}
                    .join(Field)
                    .toUtf8() +
                '\n';
    QString error;
    if (SaveFileAtomically(journalPath(), text, &error) != SaveResult::Saved)
        throw EInOutError(tr("Не удалось записать журнал %1: %2").arg(journalPath(), error));
}

int SnapshotJournal::keep(const PanelSettings &before, const QString &port,
                          const QStringList &changes)
{
    if (!QDir().mkpath(m_folder))
        throw EInOutError(tr("Не удалось создать папку %1").arg(m_folder));
    std::vector<JournalEntry> all = entries();
    JournalEntry entry;
    entry.number = all.empty() ? 1 : all.back().number + 1;
    entry.time = QDateTime::currentDateTime();
    entry.port = port;
    entry.firmware = before.version.value_or(QString());
    entry.snapshotFile = QFileInfo(snapshotPath(entry.number)).fileName();
    entry.result = QString::fromUtf8(JournalResult::Unfinished);
    entry.changes = changes;
    WriteSettingsFile(snapshotPath(entry.number), before, true);
    all.push_back(entry);
    while (all.size() > size_t(Kept)) {
        QFile::remove(snapshotPath(all.front().number));
        all.erase(all.begin());
    }
    save(all);
    return entry.number;
}

QString JournalResultText(const QString &result)
{
    return SnapshotJournal::tr(result.toUtf8().constData());
}

QString JournalTimeText(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QStringList JournalEntryFields(const JournalEntry &entry)
{
    QString result = JournalResultText(entry.result);
    if (!entry.detail.isEmpty())
        result += QStringLiteral(": ") + entry.detail.join(QStringLiteral(", "));
    return {QString::number(entry.number),
            JournalTimeText(entry.time),
            entry.port,
            entry.firmware,
            result,
            SnapshotJournal::tr("%n изм.", nullptr, int(entry.changes.size()))};
}

void SnapshotJournal::setResult(int number, const char *result, const QStringList &detail)
{
    std::vector<JournalEntry> all = entries();
    for (JournalEntry &entry : all)
        if (entry.number == number) {
            entry.result = QString::fromUtf8(result);
            entry.detail = detail;
        }
    save(all);
}

PanelSettings SnapshotJournal::snapshot(int number) const
{
    for (const JournalEntry &entry : entries())
        if (entry.number == number)
            return ReadSettingsFile(snapshotPath(number));
    throw EInOutError(tr("В журнале нет записи № %1").arg(number));
}

} // namespace orvanta
