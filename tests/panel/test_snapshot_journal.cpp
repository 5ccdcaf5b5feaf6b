// The journal of the snapshots kept before each write: numbers given once, under a lock shared by
// programs that write at the same time; damaged lines kept; no password in the journal.
#include "QtPrinters.h"
#include "cli/JsonShapes.h"
#include "core/Errors.h"
#include "panel/SnapshotJournal.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

QStringList snapshotFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("snapshot-*")}, QDir::Files | QDir::System);
}

} // namespace

TEST(SnapshotJournal, KeepsTheNewestSnapshotsWithTheirEntriesAndTheirPasswordsPrivate)
{
    QTemporaryDir folder;
    const QString snapshots = folder.filePath(QStringLiteral("snapshots"));
    // A folder an earlier version made, readable by all, is closed too.
    ASSERT_TRUE(QDir().mkpath(snapshots));
    QFile::setPermissions(snapshots, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                         QFile::ExeOther);
    SnapshotJournal journal(snapshots);
    // A password of digits 1 to 9 for each snapshot: its number in base 9, each digit one up.
    const auto password = [](int n) {
        QString digits = QString::number(n, 9).rightJustified(5, QLatin1Char('0'));
        for (QChar &digit : digits)
            digit = QChar(digit.unicode() + 1);
        return digits;
    };
    for (int n = 1; n <= SnapshotJournal::Kept + 1; ++n)
        EXPECT_EQ(
            journal.keep(panelWith(password(n)), QStringLiteral("COM2"), {QStringLiteral("x → y")}),
            n);
    journal.setResult(201, JournalResult::Written);
    const std::vector<JournalEntry> entries = journal.entries();
    ASSERT_EQ(entries.size(), size_t(SnapshotJournal::Kept));
    EXPECT_EQ(entries.front().number, 2); // the oldest went, with its file
    EXPECT_EQ(entries.back().result, QStringLiteral("записано"));
    EXPECT_EQ(entries.back().changes, QStringList{QStringLiteral("x → y")});
    EXPECT_EQ(snapshotFiles(snapshots).size(), SnapshotJournal::Kept);
    EXPECT_FALSE(QFile::exists(journal.snapshotPath(1)));
    EXPECT_EQ(journal.snapshot(201).password, password(201));
    EXPECT_THROW(journal.snapshot(1), EInOutError);
    EXPECT_EQ(modeOf(journal.snapshotPath(201)), 0600u);
    EXPECT_EQ(modeOf(QDir(snapshots).filePath(QStringLiteral("journal.txt"))), 0600u);
    EXPECT_EQ(modeOf(snapshots), 0700u);
}

// Each child keeps its snapshots while the others do; all wait for the parent's lock first, so
// that they start together.
TEST(SnapshotJournal, ProgramsKeepingAtOnceGetAnEntryAndASnapshotEach)
{
    QTemporaryDir folder;
    const QString snapshots = folder.filePath(QStringLiteral("snapshots"));
    ASSERT_TRUE(QDir().mkpath(snapshots));
    constexpr int Children = 3;
    constexpr int EachKeeps = 5;
    auto held =
        std::make_unique<QLockFile>(QDir(snapshots).filePath(QStringLiteral("journal.lock")));
    ASSERT_TRUE(held->tryLock(0));
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    std::vector<pid_t> children;
    for (int child = 1; child <= Children; ++child) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failed = ::write(ready[1], "r", 1) == 1 ? 0 : 1;
            try {
                SnapshotJournal journal(snapshots);
                for (int n = 1; n <= EachKeeps; ++n) {
                    const QString port = QStringLiteral("COM%1").arg(child);
                    const int number =
                        journal.keep(panelWith(QString::number(child * 10000 + 1110 + n)), port,
                                     {QStringLiteral("x → y")});
                    journal.setResult(number, JournalResult::Written, {port});
                }
            } catch (const std::exception &error) {
                std::fprintf(stderr, "child %d: %s\n", child, error.what());
                failed = 1;
            }
            ::_exit(failed); // nothing of the parent's test runs on in the child
        }
        children.push_back(pid);
    }
    for (int child = 0; child < Children; ++child) {
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    }
    held.reset();
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    ::close(ready[0]);
    ::close(ready[1]);

    const SnapshotJournal journal(snapshots);
    const std::vector<JournalEntry> entries = journal.entries();
    ASSERT_EQ(entries.size(), size_t(Children * EachKeeps));
    QStringList passwords;
    for (size_t i = 0; i < entries.size(); ++i) {
        const JournalEntry &entry = entries[i];
        EXPECT_EQ(entry.number, int(i) + 1);
        EXPECT_EQ(entry.result, QStringLiteral("записано")); // no result was lost either
        EXPECT_EQ(entry.detail, QStringList{entry.port});
        // The snapshot is the one its entry's program kept.
        const QString password = *journal.snapshot(entry.number).password;
        EXPECT_EQ(QStringLiteral("COM") + password.left(1), entry.port);
        passwords += password;
    }
    passwords.removeDuplicates();
    EXPECT_EQ(passwords.size(), Children * EachKeeps);
}

TEST(SnapshotJournal, NumbersAreNeverGivenTwiceNorSnapshotsOverwritten)
{
    QTemporaryDir folder;
    const QString snapshots = folder.filePath(QStringLiteral("snapshots"));
    const QString journalFile = QDir(snapshots).filePath(QStringLiteral("journal.txt"));
    SnapshotJournal journal(snapshots);
    const QStringList changes{QStringLiteral("x → y")};
    ASSERT_EQ(journal.keep(panelWith(QStringLiteral("11111")), QStringLiteral("COM2"), changes), 1);
    ASSERT_EQ(journal.keep(panelWith(QStringLiteral("22222")), QStringLiteral("COM2"), changes), 2);
    const QByteArray second = contentOf(journal.snapshotPath(2));

    // A lost journal: the snapshots present count.
    ASSERT_TRUE(QFile::remove(journalFile));
    EXPECT_EQ(journal.keep(panelWith(QStringLiteral("33333")), QStringLiteral("COM2"), changes), 3);
    EXPECT_EQ(contentOf(journal.snapshotPath(2)), second);

    // A damaged line whose number can still be read counts.
    writeFile(journalFile, "7\t2026-12-07T16:4");
    EXPECT_EQ(journal.keep(panelWith(QStringLiteral("44444")), QStringLiteral("COM2"), changes), 8);

    // A snapshot no line names, and a link to nowhere taking the next name: neither is written
    // over or through.
    writeFile(journal.snapshotPath(11), "someone else's");
    const QString target = folder.filePath(QStringLiteral("elsewhere.txt"));
    ASSERT_TRUE(QFile::link(target, journal.snapshotPath(12)));
    EXPECT_EQ(journal.keep(panelWith(QStringLiteral("55555")), QStringLiteral("COM2"), changes),
              13);
    EXPECT_EQ(contentOf(journal.snapshotPath(11)), "someone else's");
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(journal.snapshot(13).password, QStringLiteral("55555"));
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

TEST(SnapshotJournal, PasswordNeverStandsInTheJournal)
{
    QTemporaryDir folder;
    SnapshotJournal journal(folder.path());
    const QString journalFile = QDir(folder.path()).filePath(QStringLiteral("journal.txt"));
    // Lines of an earlier version that hold passwords, one of them damaged.
    writeFile(journalFile,
              oldLine(1, QStringLiteral("Реле 1, время включения, сек.: 40 → 60 | Пароль: 11111 → "
                                        "22222")) +
                  "2\tПароль: 33333 → 44444\n");
    EXPECT_TRUE(journal.entries().back().line.contains(QStringLiteral("Пароль: ••••• → •••••")));
    QByteArray json;
    for (const JournalEntry &entry : journal.entries())
        json += QJsonDocument(JournalEntryJson(entry)).toJson();
    for (const char *password : {"11111", "22222", "33333", "44444"})
        EXPECT_FALSE(json.contains(password)) << json.constData();

    const int number = journal.keep(panelWith(QStringLiteral("55555")), QStringLiteral("COM2"),
                                    {QStringLiteral("Пароль: 55555 → 66666"),
                                     QStringLiteral("Реле 1, время включения, сек.: 40 → 60")});
    journal.setResult(number, JournalResult::NotKept, {QStringLiteral("Пароль: 66666 → 55555")});
    const JournalEntry entry = journal.entries().back();
    EXPECT_EQ(entry.changes,
              (QStringList{QStringLiteral("Пароль: ••••• → •••••"),
                           QStringLiteral("Реле 1, время включения, сек.: 40 → 60")}));
    EXPECT_EQ(entry.detail, QStringList{QStringLiteral("Пароль: ••••• → •••••")});
    const QByteArray text = contentOf(journalFile);
    for (const char *password : {"11111", "22222", "33333", "44444", "55555", "66666"})
        EXPECT_FALSE(text.contains(password)) << text.constData();
    EXPECT_EQ(journal.snapshot(number).password, QStringLiteral("55555")); // the snapshot has it
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

// A snapshot (with the password) that no journal line names would be kept unknown to anybody.
TEST(SnapshotJournal, JournalThatCannotBeSavedLeavesNoSnapshotAndIsSaid)
{
    QTemporaryDir folder;
    SnapshotJournal journal(folder.path());
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("journal.txt")));
    EXPECT_THROW(journal.keep(panelWith(QStringLiteral("12345")), QStringLiteral("COM2"), {}),
                 EInOutError);
    EXPECT_EQ(snapshotFiles(folder.path()), QStringList());
    EXPECT_THROW(journal.setResult(1, JournalResult::Written), EInOutError);
}

// A site's name goes into its entry and its snapshot's file name; a line of an earlier version,
// with seven or eight fields, reads with no site; the writes of a site are its own whatever port
// they came through, and without a site those of the port and firmware.
TEST(SnapshotJournal, SiteNamesItsEntriesSnapshotsAndWrites)
{
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("journal.txt")),
              oldLine(1) + "2\t2026-12-08T09:00:00\tCOM2\tVER 03.07 ORVANTA GSM\t"
                           "snapshot-000002.txt\tпанель отказала\tx → y\tКлючи\n");
    SnapshotJournal journal(folder.path());
    EXPECT_EQ(journal.keep(panelWith(QStringLiteral("14253")), QStringLiteral("COM2"), {},
                           QStringLiteral("Склад №1 / север")),
              3);
    EXPECT_EQ(journal.keep(panelWith(QStringLiteral("21436")), QStringLiteral("ttyUSB0"), {},
                           QStringLiteral("Склад №1 / север")),
              4);
    EXPECT_EQ(journal.keep(panelWith(QStringLiteral("35142")), QStringLiteral("COM2"), {}), 5);

    const std::vector<JournalEntry> entries = journal.entries();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_FALSE(entries[0].damaged);
    EXPECT_EQ(entries[1].detail, QStringList{QStringLiteral("Ключи")});
    EXPECT_EQ(entries[2].site, QStringLiteral("Склад №1 / север"));
    EXPECT_EQ(entries[2].snapshotFile, QStringLiteral("snapshot-000003-Склад__1___север.txt"));
    EXPECT_EQ(journal.snapshotPath(3), folder.filePath(entries[2].snapshotFile));
    EXPECT_EQ(journal.snapshot(4).password, QStringLiteral("21436"));
    EXPECT_EQ(JournalEntryFields(entries[2]).last(), QStringLiteral("Склад №1 / север"));

    const auto numbers = [&](const QString &port, const QString &site) {
        std::vector<int> found;
        for (const JournalEntry &entry :
             WritesOfPanel(entries, port, QStringLiteral("VER 03.07 ORVANTA GSM"), site))
            found.push_back(entry.number);
        return found;
    };
    EXPECT_EQ(numbers(QStringLiteral("COM2"), QStringLiteral("Склад №1 / север")),
              (std::vector<int>{3, 4}));
    EXPECT_EQ(numbers(QStringLiteral("COM2"), {}), (std::vector<int>{1, 2, 3, 5}));
    EXPECT_EQ(numbers(QStringLiteral("COM2"), QStringLiteral("Гараж")), std::vector<int>{});
}

TEST(SnapshotJournal, SiteFileNameKeepsLettersDigitsAndDots)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Гараж", "Гараж"}, {" Склад №1 ", "Склад__1"},       {"a/b\\c:d", "a_b_c_d"}, {"..", ""},
        {"", ""},           {"v1.2-final_x", "v1.2-final_x"},
    };
    for (const auto &[site, name] : cases)
        EXPECT_EQ(SiteFileName(QString::fromUtf8(site)), QString::fromUtf8(name)) << site;
    EXPECT_EQ(SiteFileName(QString(100, QLatin1Char('x'))).size(), 60);
}
