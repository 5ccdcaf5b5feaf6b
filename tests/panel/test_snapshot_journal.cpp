// The journal of the snapshots kept before each write.
#include "Errors.h"
#include "JsonShapes.h"
#include "QtPrinters.h"
#include "SnapshotJournal.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace orvanta;

namespace {

PanelSettings panelWith(const QString &password)
{
    PanelSettings settings;
    settings.version = QStringLiteral("VER 03.07 ORVANTA GSM");
    settings.password = password;
    settings.relayTimes = PanelSettings::RelayTimes{40, 0, 2, 250, 510};
    return settings;
}

unsigned modeOf(const QString &path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_mode & 0777;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A line as a journal of an earlier version wrote it: seven fields, no detail.
QByteArray oldLine(int number, const QString &changes = QStringLiteral("x → y"))
{
    return QStringLiteral("%1\t2026-12-07T16:40:12\tCOM2\tVER 03.07 ORVANTA GSM\t"
                          "snapshot-%2.txt\tзаписано\t%3\n")
        .arg(number)
        .arg(number, 6, 10, QLatin1Char('0'))
        .arg(changes)
        .toUtf8();
}

} // namespace

TEST(SnapshotJournal, KeepsTheNewestSnapshotsWithTheirEntriesAndTheirPasswordsPrivate)
{
    QTemporaryDir folder;
    const QString snapshots = folder.filePath(QStringLiteral("snapshots"));
    SnapshotJournal journal(snapshots);
    for (int n = 1; n <= SnapshotJournal::Kept + 1; ++n)
        EXPECT_EQ(journal.keep(panelWith(QStringLiteral("1%1").arg(n, 4, 10, QLatin1Char('0'))),
                               QStringLiteral("COM2"), {QStringLiteral("x → y")}),
                  n);
    journal.setResult(201, JournalResult::Written);
    const std::vector<JournalEntry> entries = journal.entries();
    ASSERT_EQ(entries.size(), size_t(SnapshotJournal::Kept));
    EXPECT_EQ(entries.front().number, 2); // the oldest went, with its file
    EXPECT_EQ(entries.back().result, QStringLiteral("записано"));
    EXPECT_EQ(entries.back().changes, QStringList{QStringLiteral("x → y")});
    EXPECT_EQ(QDir(snapshots).entryList(QDir::Files).size(),
              SnapshotJournal::Kept + 1); // and the journal
    EXPECT_EQ(journal.snapshot(201).password, QStringLiteral("10201"));
    EXPECT_THROW(journal.snapshot(1), EInOutError);
    EXPECT_EQ(modeOf(QDir(snapshots).filePath(entries.back().snapshotFile)), 0600u);
}

TEST(SnapshotJournal, ResultWithDetailForAPersonAndForJson)
{
    QTemporaryDir folder;
    SnapshotJournal journal(folder.path());
    const int number = journal.keep(panelWith(QStringLiteral("12345")), QStringLiteral("COM2"),
                                    {QStringLiteral("x → y"), QStringLiteral("z → w")});
    journal.setResult(number, JournalResult::Refused,
                      {QStringLiteral("ключи"), QStringLiteral("реле")});
    JournalEntry entry = journal.entries().back();
    EXPECT_EQ(
        JournalEntryFields(entry),
        (QStringList{QStringLiteral("1"), JournalTimeText(entry.time), QStringLiteral("COM2"),
                     QStringLiteral("VER 03.07 ORVANTA GSM"),
                     QStringLiteral("панель отказала: ключи, реле"), QStringLiteral("2 изм.")}));
    const QJsonObject json = JournalEntryJson(entry);
    EXPECT_EQ(json[QStringLiteral("result")].toString(), QStringLiteral("панель отказала"));
    EXPECT_EQ(json[QStringLiteral("detail")].toArray(),
              QJsonArray({QStringLiteral("ключи"), QStringLiteral("реле")}));

    journal.setResult(number, JournalResult::Unchecked);
    entry = journal.entries().back();
    EXPECT_EQ(JournalEntryFields(entry)[4], QStringLiteral("записано, не проверено"));
    EXPECT_EQ(JournalTimeText(QDateTime(QDate(2026, 12, 7), QTime(16, 40, 2))),
              QStringLiteral("2026-12-07 16:40:02"));
}

TEST(SnapshotJournal, DamagedLinesStayVisibleAndAreNeverDropped)
{
    QTemporaryDir folder;
    SnapshotJournal journal(folder.path());
    const QString journalFile = QDir(folder.path()).filePath(QStringLiteral("journal.txt"));
    // One before the oldest entry, which pruning passes by, and one among the entries.
    const QByteArray oldest = "????";
    const QByteArray damaged = "обрыв\tстроки";
    QByteArray text = oldest + '\n';
    for (int n = 1; n <= SnapshotJournal::Kept; ++n)
        text += oldLine(n) + (n == 100 ? damaged + '\n' : QByteArray());
    writeFile(journalFile, text);
    writeFile(journal.snapshotPath(1), "");
    const JournalEntry first = journal.entries()[1]; // as an earlier version wrote it
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(first.changes, QStringList{QStringLiteral("x → y")});
    EXPECT_TRUE(first.detail.isEmpty());

    const int number = journal.keep(panelWith(QStringLiteral("12345")), QStringLiteral("COM2"),
                                    {QStringLiteral("x → y")});
    EXPECT_EQ(number, SnapshotJournal::Kept + 1);
    journal.setResult(number, JournalResult::Written);
    const std::vector<JournalEntry> entries = journal.entries();
    ASSERT_EQ(entries.size(), size_t(SnapshotJournal::Kept + 2)); // the oldest entry went
    EXPECT_FALSE(QFile::exists(journal.snapshotPath(1)));
    EXPECT_EQ(entries[0].line, QString::fromUtf8(oldest));
    EXPECT_EQ(entries[1].number, 2);
    const JournalEntry &line = entries[100];
    EXPECT_TRUE(line.damaged);
    EXPECT_EQ(line.number, 0);
    EXPECT_EQ(line.result, QStringLiteral("повреждённая строка журнала"));
    EXPECT_EQ(line.line, QString::fromUtf8(damaged));
    EXPECT_EQ(entries[101].number, 101);
    // Written back where they stood, as they were.
    const QList<QByteArray> lines = contentOf(journalFile).split('\n');
    EXPECT_EQ(lines[0], oldest);
    const qsizetype at = lines.indexOf(damaged);
    ASSERT_GT(at, 0);
    EXPECT_TRUE(lines[at - 1].startsWith("100\t"));
    EXPECT_TRUE(lines[at + 1].startsWith("101\t"));
    EXPECT_EQ(JournalEntryFields(line), (QStringList{QStringLiteral("?"),
                                                     {},
                                                     {},
                                                     {},
                                                     QStringLiteral("повреждённая строка журнала"),
                                                     QString::fromUtf8(damaged)}));
    EXPECT_EQ(QJsonDocument(JournalEntryJson(line)).toJson(QJsonDocument::Compact),
              QByteArray(
                  R"({"line":"обрыв\tстроки","number":0,"result":"повреждённая строка журнала"})"));
}
