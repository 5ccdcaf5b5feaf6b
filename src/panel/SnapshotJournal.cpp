#include "SnapshotJournal.h"

#include "AtomicFile.h"
#include "Errors.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFile>
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

std::vector<JournalEntry> SnapshotJournal::entries() const
{
    std::vector<JournalEntry> entries;
    QFile file(journalPath());
    if (!file.open(QIODevice::ReadOnly))
        return entries;
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
        entry.changes = fields[6].isEmpty() ? QStringList() : fields[6].split(ChangeSeparator);
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
                            flat(entry.changes.join(ChangeSeparator))}
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
    entry.snapshotFile =
        QStringLiteral("snapshot-%1.txt").arg(entry.number, 6, 10, QLatin1Char('0'));
    entry.result = QString::fromUtf8(JournalResult::Unfinished);
    entry.changes = changes;
    WriteSettingsFile(QDir(m_folder).filePath(entry.snapshotFile), before, true);
    all.push_back(entry);
    while (all.size() > size_t(Kept)) {
        QFile::remove(QDir(m_folder).filePath(all.front().snapshotFile));
        all.erase(all.begin());
    }
    save(all);
    return entry.number;
}

QString JournalResultText(const QString &result)
{
    return SnapshotJournal::tr(result.toUtf8().constData());
}

void SnapshotJournal::setResult(int number, const char *result)
{
    std::vector<JournalEntry> all = entries();
    for (JournalEntry &entry : all)
        if (entry.number == number)
            entry.result = QString::fromUtf8(result);
    save(all);
}

PanelSettings SnapshotJournal::snapshot(int number) const
{
    for (const JournalEntry &entry : entries())
        if (entry.number == number)
            return ReadSettingsFile(QDir(m_folder).filePath(entry.snapshotFile));
    throw EInOutError(tr("В журнале нет записи № %1").arg(number));
}

} // namespace orvanta
