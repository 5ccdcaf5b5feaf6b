// The journal of the snapshots kept before each write.
#include "Errors.h"
#include "JsonShapes.h"
#include "QtPrinters.h"
#include "SnapshotJournal.h"

#include <QDir>
#include <QFile>
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
