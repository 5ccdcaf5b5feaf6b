// The key page against the virtual panel.
#include "PageFixture.h"
#include "comm/XComErr.h"
#include "panel/KeyCode.h"
#include "panel/PanelExchange.h"
#include "settings/KeysPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

struct KeysFixture : PageFixture
{
    KeysPage &keys = place(new KeysPage(link));
    QTableWidget *list = child<QTableWidget>(QStringLiteral("TouchSTR"));

    KeysFixture() { keys.addPlaceholderKeys(); }
    // The keys as the whole-panel read takes them: shown only once every slot came whole.
    void readKeys()
    {
        PanelSettings settings;
        ReadKeys(link, settings);
        ReadObserver observer;
        keys.observe(observer);
        ShowSettings(settings, observer);
    }
    // The list's codes as the whole-panel write sends them.
    void writeKeys()
    {
        PanelSettings settings;
        keys.collect(settings);
        WriteKeys(link, settings);
    }
};

} // namespace

TEST(KeysPage, PlaceholdersAndTheListLayout)
{
    KeysFixture f;
    EXPECT_EQ(f.list->rowCount(), 4);
    EXPECT_EQ(f.list->horizontalHeaderItem(0)->text(), QStringLiteral("Номер"));
    EXPECT_EQ(f.list->horizontalHeaderItem(1)->text(), QStringLiteral("Ключ"));
    EXPECT_EQ(f.list->item(2, 0)->text(), QStringLiteral("3"));
    EXPECT_EQ(f.keys.keyCode(3), QStringLiteral("4242424242424242"));
    EXPECT_EQ(f.child<QPushButton>(QStringLiteral("Button3"))->text(),
              QStringLiteral("Чтение ключа"));
    EXPECT_EQ(f.list->currentRow(), 0); // the capture has a target from the start
    // Picking the number selects the row's code.
    f.list->setCurrentCell(1, 0);
    EXPECT_EQ(f.list->currentColumn(), 1);

    // Written before any read: the placeholders, turned round.
    f.writeKeys();
    EXPECT_EQ(f.commands(),
              (std::vector<std::string>{"+T014242424242424242", "+T024242424242424242",
                                        "+T034242424242424242", "+T044242424242424242"}));
}

TEST(KeysPage, ReadThenWriteSendsBackWhatWasRead)
{
    KeysFixture f;
    sim::PanelFaults lower;
    lower.lowerCaseHex = true;
    f.panel.setFaults(lower);
    f.link.query(QStringLiteral("+T01efcdab8967452301"));
    f.link.query(QStringLiteral("+T02A1B2C3D4E5F60718"));
    f.panel.clearTranscript();

    f.readKeys();
    EXPECT_EQ(f.keys.keyCode(1), QStringLiteral("0123456789abcdef"));
    EXPECT_EQ(f.keys.keyCode(3), QStringLiteral("0000000000000000"));
    f.writeKeys();
    // Each slot gets back exactly the digits it gave, in the panel's letter case.
    EXPECT_EQ(f.commands(),
              (std::vector<std::string>{"+T01", "+T02", "+T03", "+T04", "+T01efcdab8967452301",
                                        "+T02a1b2c3d4e5f60718", "+T030000000000000000",
                                        "+T040000000000000000"}));
}

TEST(KeysPage, ReadThatEndsEarlyChangesNoRowAndKeepsTheSelection)
{
    KeysFixture f;
    f.list->setCurrentCell(2, 1);
    f.readKeys();
    EXPECT_EQ(f.list->currentRow(), 2); // the selected row is kept across a read
    QStringList before;
    for (int slot = 1; slot <= 4; ++slot)
        before += f.keys.keyCode(slot);

    sim::PanelFaults unplugged;
    unplugged.hangUpAfter = 2;
    f.panel.setFaults(unplugged);
    EXPECT_THROW(f.readKeys(), EDeviceError);
    ASSERT_EQ(f.list->rowCount(), 4);
    EXPECT_EQ(f.list->currentRow(), 2);
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_EQ(f.keys.keyCode(slot), before[slot - 1]) << slot;
}

TEST(KeysPage, CaptureReplacesTheSelectedRowOnly)
{
    KeysFixture f;
    f.panel.setReaderKey(std::array<uint8_t, 8>{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88});

    f.list->setCurrentCell(-1, -1); // the title row: nothing is sent
    f.keys.Button3Click();
    EXPECT_TRUE(f.commands().empty());

    f.list->setCurrentCell(1, 1);
    f.keys.Button3Click();
    EXPECT_EQ(f.commands(), std::vector<std::string>{"+T00"});
    EXPECT_EQ(f.child<QLineEdit>(QStringLiteral("e1"))->text(), QStringLiteral("8877665544332211"));
    EXPECT_EQ(f.keys.keyCode(2), QStringLiteral("8877665544332211"));
    EXPECT_EQ(f.list->item(1, 0)->text(), QStringLiteral("2"));
    for (int row : {1, 3, 4})
        EXPECT_EQ(f.keys.keyCode(row), QStringLiteral("4242424242424242"));
    EXPECT_TRUE(f.child<QPushButton>(QStringLiteral("Button3"))->isEnabled());
}

TEST(KeysPage, CaptureWithoutAKeyChangesNothingAndSaysSo)
{
    KeysFixture f;
    f.panel.setKeyWaitMs(0);
    f.list->setItem(3, 1, new QTableWidgetItem(QStringLiteral("0123456789ABCDEF")));
    f.child<QLineEdit>(QStringLiteral("e1"))->setText(QStringLiteral("FEDCBA9876543210"));
    f.list->setCurrentCell(3, 1);
    f.keys.Button3Click(); // listens the whole five seconds
    EXPECT_EQ(f.child<QLineEdit>(QStringLiteral("e1"))->text(), QStringLiteral("FEDCBA9876543210"));
    EXPECT_EQ(f.keys.keyCode(4), QStringLiteral("0123456789ABCDEF"));
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].second,
              QStringLiteral("Ключ не прочитан: приложите ключ к считывателю и повторите"));
    EXPECT_EQ(f.child<QPushButton>(QStringLiteral("Button3"))->text(),
              QStringLiteral("Чтение ключа"));
    // No key at the reader clears the connection, as any unanswered command does, but is no
    // lost panel: an upload is not refused for it.
    EXPECT_FALSE(f.link.connected());
    EXPECT_FALSE(f.link.connectionFailed());
}
