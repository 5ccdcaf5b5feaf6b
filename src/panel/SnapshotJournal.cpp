#include "SnapshotJournal.h"

#include "SettingsFile.h"
#include "core/AtomicFile.h"
#include "core/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace orvanta {

namespace {

const QChar Field = QLatin1Char('\t');
const QString ChangeSeparator = QStringLiteral(" | ");

// The journal is held for a few milliseconds at a time; a lock older than this belongs to a
// program that hangs (one that ended is seen at once by its process id).
constexpr int StaleLockMs = 10'000;
constexpr int LockWaitMs = 15'000;

// Tabs and line ends in a field would break its line.
QString flat(QString text)
{
    return text.replace(Field, QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\r'), QLatin1Char(' '));
}

// A change of the password (its line in the settings file's words) keeps neither value: the
// values run from "Пароль: " at the start of a change to the change's end.
QString masked(QString line)
{
    static const QRegularExpression password(
        QStringLiteral("(^|\\t| \\| )Пароль: .*?(?=\\t| \\| |$)"));
    return line.replace(password, QStringLiteral("\\1Пароль: ••••• → •••••"));
}

QStringList list(const QString &field)
{
    return field.isEmpty() ? QStringList() : field.split(ChangeSeparator);
}

// Number, time, port, firmware, snapshot file, result, changes, the detail and the site (which
// lines of earlier versions lack); any other line is damaged and kept as it is.
JournalEntry readLine(const QString &line)
{
    JournalEntry entry;
    entry.line = masked(line);
    const QStringList fields = entry.line.split(Field);
    bool numbered = false;
    entry.number = fields[0].toInt(&numbered);
    entry.time = QDateTime::fromString(fields.value(1), Qt::ISODate);
    if (fields.size() < 7 || fields.size() > 9 || !numbered || entry.number <= 0 ||
        !entry.time.isValid()) {
        entry.number = 0;
        entry.time = {};
        entry.damaged = true;
        entry.result = QString::fromUtf8(JournalResult::Damaged);
        return entry;
    }
    entry.port = fields[2];
    entry.firmware = fields[3];
    entry.snapshotFile = fields[4];
    entry.result = fields[5];
    entry.changes = list(fields[6]);
    entry.detail = list(fields.value(7));
    entry.site = fields.value(8);
    return entry;
}

// The entry as the journal keeps it; a damaged line as it was read.
QString lineOf(const JournalEntry &entry)
{
    if (entry.damaged)
        return entry.line;
    return masked(QStringList{QString::number(entry.number), entry.time.toString(Qt::ISODate),
                              flat(entry.port), flat(entry.firmware), entry.snapshotFile,
                              flat(entry.result), flat(entry.changes.join(ChangeSeparator)),
                              flat(entry.detail.join(ChangeSeparator)), flat(entry.site)}
                      .join(Field));
}

// A damaged line's number still counts when it can be read, so that it is not given again.
int numberOf(const JournalEntry &entry)
{
    return entry.damaged ? entry.line.section(Field, 0, 0).toInt() : entry.number;
}

} // namespace

QString SnapshotJournal::defaultFolder()
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

QString SiteFileName(const QString &site)
{
    QString name;
    for (const QChar c : site.trimmed().left(60))
        name += c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('.')
                    ? c
                    : QLatin1Char('_');
    // No name of dots alone: "." and ".." are folders.
    if (name.count(QLatin1Char('.')) == name.size())
        return {};
    return name;
}

QString SnapshotJournal::snapshotPath(int number, const QString &site) const
{
    const QString named = SiteFileName(site);
    return QDir(m_folder).filePath(
        QStringLiteral("snapshot-%1%2.txt")
            .arg(number, 6, 10, QLatin1Char('0'))
            .arg(named.isEmpty() ? QString() : QLatin1Char('-') + named));
}

QString SnapshotJournal::snapshotPath(int number) const
{
    for (const JournalEntry &entry : entries())
        if (!entry.damaged && entry.number == number)
            return snapshotPath(number, entry.site);
    return snapshotPath(number, {});
}

std::unique_ptr<QLockFile> SnapshotJournal::lockJournal() const
{
    auto lock =
        std::make_unique<QLockFile>(QDir(m_folder).filePath(QStringLiteral("journal.lock")));
    lock->setStaleLockTime(StaleLockMs);
    if (lock->tryLock(LockWaitMs))
        return lock;
    if (lock->error() == QLockFile::LockFailedError)
        throw EInOutError(tr("Журнал %1 занят другой программой").arg(journalPath()));
    throw EInOutError(tr("Не удалось заблокировать журнал %1").arg(journalPath()));
}

std::vector<JournalEntry> SnapshotJournal::entries() const
{
    // The journal is replaced whole, so a reader sees it before or after a change, never half.
    std::vector<JournalEntry> entries;
    QFile file(journalPath());
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (!line.isEmpty())
            entries.push_back(readLine(QString::fromUtf8(line)));
    return entries;
}

void SnapshotJournal::save(const std::vector<JournalEntry> &entries) const
{
    QByteArray text;
    for (const JournalEntry &entry : entries)
        text += lineOf(entry).toUtf8() + '\n';
    QString error;
    if (SaveFileAtomically(journalPath(), text, &error) != SaveResult::Saved)
        throw EInOutError(tr("Не удалось записать журнал %1: %2").arg(journalPath(), error));
    // A journal of an earlier version was readable by all.
    QFile::setPermissions(journalPath(), QFile::ReadOwner | QFile::WriteOwner);
}

int SnapshotJournal::nextNumber(const std::vector<JournalEntry> &entries) const
{
    int highest = 0;
    for (const JournalEntry &entry : entries)
        highest = std::max(highest, numberOf(entry));
    static const QRegularExpression snapshotName(QStringLiteral("^snapshot-(\\d+)(-.*)?\\.txt$"));
    for (const QString &name : QDir(m_folder).entryList(QDir::Files)) {
        const QRegularExpressionMatch match = snapshotName.match(name);
        if (match.hasMatch())
            highest = std::max(highest, match.captured(1).toInt());
    }
    return highest + 1;
}

int SnapshotJournal::keep(const PanelSettings &before, const QString &port,
                          const QStringList &changes, const QString &site)
{
    if (!QDir().mkpath(m_folder))
        throw EInOutError(tr("Не удалось создать папку %1").arg(m_folder));
    // Snapshots hold the password: the folder is its owner's alone, whoever made it.
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const auto lock = lockJournal();
    std::vector<JournalEntry> all = entries();
    JournalEntry entry;
    // The snapshot's file is made where nothing stands, not even a link: a file the journal does
    // not name keeps its number, and the snapshot takes the next one.
    for (entry.number = nextNumber(all);; ++entry.number) {
        QFile file(snapshotPath(entry.number, site));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                      QFile::ReadOwner | QFile::WriteOwner))
            break;
        const QFileInfo present(file.fileName());
        if (!present.exists() && !present.isSymLink())
            throw EInOutError(QCoreApplication::translate("orvanta::SettingsFile",
                                                          "Не удалось записать файл %1: %2")
                                  .arg(file.fileName(), file.errorString()));
    }
    const QString path = snapshotPath(entry.number, site);
    entry.site = site;
    entry.time = QDateTime::currentDateTime();
    entry.port = port;
    entry.firmware = before.version.value_or(QString());
    entry.snapshotFile = QFileInfo(path).fileName();
    entry.result = QString::fromUtf8(JournalResult::Unfinished);
    entry.changes = changes;
    all.push_back(entry);
    // The oldest entries go beyond Kept; damaged lines stay, as nothing says what they were.
    std::vector<QString> pruned;
    auto count =
        std::count_if(all.begin(), all.end(), [](const JournalEntry &e) { return !e.damaged; });
    for (auto it = all.begin(); count > Kept && it != all.end();) {
        if (it->damaged) {
            ++it;
            continue;
        }
        pruned.push_back(snapshotPath(it->number, it->site));
        it = all.erase(it);
        --count;
    }
    // A snapshot no journal line names would keep a password nobody knows of.
    try {
        WriteSettingsFile(path, before, true);
        save(all);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
    for (const QString &file : pruned)
        QFile::remove(file);
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

std::vector<JournalEntry> WritesOfPanel(const std::vector<JournalEntry> &all, const QString &port,
                                        const QString &firmware, const QString &site)
{
    std::vector<JournalEntry> panel;
    for (const JournalEntry &entry : all)
        if (!entry.damaged && (site.isEmpty() ? entry.port == port && entry.firmware == firmware
                                              : entry.site == site))
            panel.push_back(entry);
    return panel;
}

QStringList JournalEntryFields(const JournalEntry &entry)
{
    if (entry.damaged)
        return {QStringLiteral("?"), {}, {}, {}, JournalResultText(entry.result), entry.line};
    QString result = JournalResultText(entry.result);
    if (!entry.detail.isEmpty())
        result += QStringLiteral(": ") + entry.detail.join(QStringLiteral(", "));
    QStringList fields = {QString::number(entry.number),
                          JournalTimeText(entry.time),
                          entry.port,
                          entry.firmware,
                          result,
                          SnapshotJournal::tr("%n изм.", nullptr, int(entry.changes.size()))};
    if (!entry.site.isEmpty())
        fields += entry.site;
    return fields;
}

void SnapshotJournal::setResult(int number, const char *result, const QStringList &detail)
{
    const auto lock = lockJournal();
    std::vector<JournalEntry> all = entries();
    for (JournalEntry &entry : all)
        if (!entry.damaged && entry.number == number) {
            entry.result = QString::fromUtf8(result);
            entry.detail = detail;
        }
    save(all);
}

PanelSettings SnapshotJournal::snapshot(int number) const
{
    for (const JournalEntry &entry : entries())
        if (!entry.damaged && entry.number == number) {
            // A snapshot that cannot be taken is named by its file, which the user can look at.
            try {
                return ReadSettingsFile(snapshotPath(number, entry.site));
            } catch (const ESettingsFileError &error) {
                throw ESettingsFileError(snapshotPath(number, entry.site) + QStringLiteral(": ") +
                                         QString::fromUtf8(error.what()));
            }
        }
    throw EInOutError(tr("В журнале нет записи № %1").arg(number));
}

} // namespace orvanta
