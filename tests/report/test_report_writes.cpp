// The writes a report lists: those of its panel alone, as the journal tells panels apart.
#include "panel/SnapshotJournal.h"
#include "report/SettingsReport.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <gtest/gtest.h>

using namespace orvanta;

TEST(ReportWrites, OnlyThePanelsOwnPortAndFirmware)
{
    const struct
    {
        int number;
        const char *port;
        const char *firmware;
        bool damaged;
    } journal[] = {
        {1, "COM2", "VER 03.1", false}, {2, "COM3", "VER 03.1", false},
        {3, "COM2", "VER 03.2", false}, {4, "COM2", "VER 03.1", true},
        {5, "COM2", "VER 03.1", false}, {6, "/dev/ttyUSB0", "VER 03.1", false},
    };
    std::vector<JournalEntry> all;
    for (const auto &row : journal) {
        JournalEntry entry;
        entry.number = row.number;
        entry.port = QString::fromLatin1(row.port);
        entry.firmware = QString::fromLatin1(row.firmware);
        entry.damaged = row.damaged;
        entry.result = QStringLiteral("записано");
        all.push_back(entry);
    }
    const struct
    {
        const char *port;
        const char *firmware;
        std::vector<int> listed;
    } cases[] = {
        {"COM2", "VER 03.1", {1, 5}},
        {"COM2", "VER 03.2", {3}},
        {"/dev/ttyUSB0", "VER 03.1", {6}},
        {"COM4", "VER 03.1", {}},
    };
    for (const auto &c : cases) {
        std::vector<int> listed;
        for (const JournalEntry &entry :
             WritesOfPanel(all, QString::fromLatin1(c.port), QString::fromLatin1(c.firmware)))
            listed.push_back(entry.number);
        EXPECT_EQ(listed, c.listed) << c.port << " " << c.firmware;
    }

    ReportInput input;
    input.writes = WritesOfPanel(all, QStringLiteral("COM2"), QStringLiteral("VER 03.1"));
    const QString html = ReportHtml(input);
    EXPECT_TRUE(html.contains(QStringLiteral("Панели с одной прошивкой на одном порту")));
    EXPECT_FALSE(html.contains(QStringLiteral("COM3")));
    // Every table keeps its header row on each page it runs onto.
    QTextDocument document;
    document.setHtml(html);
    int tables = 0;
    for (QTextFrame *frame : document.rootFrame()->childFrames())
        if (auto *table = qobject_cast<QTextTable *>(frame)) {
            ++tables;
            EXPECT_EQ(table->format().headerRowCount(), 1);
        }
    EXPECT_GT(tables, 0);
}
