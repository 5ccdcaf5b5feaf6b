// The relay page against the virtual panel.
#include "PageFixture.h"
#include "core/Convert.h"
#include "core/Errors.h"
#include "panel/PanelSettings.h"
#include "settings/RelaysPage.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

struct RelaysFixture : PageFixture
{
    RelaysPage &relays = place(new RelaysPage(link));

    QCheckBox *box(int number) const
    {
        return child<QCheckBox>(QStringLiteral("CheckBox%1").arg(number));
    }
    // The numbers of the checked (or, with enabled, the disabled) boxes among 25 to 184.
    std::vector<int> numbers(bool disabled = false) const
    {
        std::vector<int> found;
        for (int n = 25; n <= 184; ++n)
            if (disabled ? !box(n)->isEnabled() : box(n)->isChecked())
                found.push_back(n);
        return found;
    }
    void values(const std::string &command, std::optional<std::string> value)
    {
        sim::PanelFaults faults;
        faults.onlyCommand = command;
        faults.value = std::move(value);
        panel.setFaults(faults);
    }
    QStringList onTimes() const
    {
        QStringList texts;
        for (int relay = 1; relay <= 5; ++relay)
            texts += relays.onTime(relay)->text();
        return texts;
    }
    void setOnTimes(const QStringList &texts) const
    {
        for (int relay = 1; relay <= 5; ++relay)
            relays.onTime(relay)->setText(texts[relay - 1]);
    }
};

} // namespace

TEST(RelaysPage, NumberingOfTheCheckboxes)
{
    EXPECT_EQ(RelaysPage::checkBoxNumber(1, 0, 0, 1), 25);
    EXPECT_EQ(RelaysPage::checkBoxNumber(1, 1, 1, 8), 56);
    EXPECT_EQ(RelaysPage::checkBoxNumber(3, 0, 1, 2), 98);
    EXPECT_EQ(RelaysPage::checkBoxNumber(5, 1, 1, 8), 184);
    RelaysFixture f;
    for (int n = 25; n <= 184; ++n)
        ASSERT_NE(f.box(n), nullptr) << n;
}

TEST(RelaysPage, ReadSetsRulesAndOnTimes)
{
    RelaysFixture f;
    f.link.query(QStringLiteral("+k0301020408"));
    f.link.query(QStringLiteral("+L00010203fa"));
    f.box(90)->setChecked(true); // cleared by the read
    f.relays.Button8Click();
    EXPECT_EQ(f.numbers(), (std::vector<int>{89, 98, 107, 116}));
    EXPECT_EQ(f.onTimes(), (QStringList{"0", "2", "4", "6", "500"}));

    f.values("+L", std::string("ff00000000")); // more than the fields let anyone type
    f.relays.Button8Click();
    EXPECT_EQ(f.onTimes()[0], QStringLiteral("510"));
}

TEST(RelaysPage, ReadThatMissesOrGarblesARecordChangesNothing)
{
    const std::pair<const char *, std::optional<std::string>> faults[] = {
        {"+k02", std::string()},           // no value
        {"+k02", std::string("01zz0000")}, // a pair that is no number
        {"+L", std::string()},
        {"+L", std::string("0a0bzz")},
    };
    for (const auto &[command, value] : faults) {
        SCOPED_TRACE(std::string(command) + " " + value.value_or("-"));
        RelaysFixture f;
        f.box(60)->setChecked(true);
        f.setOnTimes({"40", "40", "40", "40", "40"});
        f.values(command, value);
        EXPECT_THROW(f.relays.Button8Click(), EIncompleteRead);
        EXPECT_EQ(f.numbers(), std::vector<int>{60});
        EXPECT_TRUE(f.numbers(true).empty()); // nothing disabled either
        EXPECT_EQ(f.onTimes(), (QStringList{"40", "40", "40", "40", "40"}));
        EXPECT_EQ(f.commands().back(), command);
    }
}

TEST(RelaysPage, WriteSendsRulesThenOnTimes)
{
    RelaysFixture f;
    f.box(184)->setChecked(true); // relay 5 off when loop 8 opens
    f.box(153)->setEnabled(false);
    f.box(153)->setChecked(true); // disabled boxes are written all the same
    f.setOnTimes({"0", "1", "7", "250", "500"});
    // What the panel will hold is what the page gives, for the journal, a comparison or a file.
    PanelSettings collected;
    f.relays.collect(collected);
    EXPECT_EQ(collected.relayTimes, (PanelSettings::RelayTimes{0, 0, 6, 250, 500}));
    EXPECT_EQ(f.onTimes(), (QStringList{"0", "1", "7", "250", "500"}));
    f.relays.Button22Click();
    EXPECT_FALSE(f.written.failure) << f.written.failure->text().toStdString();
    EXPECT_EQ(f.writes({"+k", "+L"}),
              (std::vector<std::string>{"+k0100000000", "+k0200000000", "+k0300000000",
                                        "+k0400000000", "+k0501000080", "+L0000037dfa"}));

    // Seven seconds come back as six.
    f.relays.Button8Click();
    EXPECT_EQ(f.onTimes()[2], QStringLiteral("6"));
}

TEST(RelaysPage, EmptyFieldStopsBeforeTheTimes)
{
    RelaysFixture f;
    f.setOnTimes({"0", "", "0", "0", "0"});
    f.relays.Button22Click();
    ASSERT_TRUE(f.written.failure);
    EXPECT_TRUE(
        f.written.failure->text().contains(QStringLiteral("'' is not a valid integer value")))
        << f.written.failure->text().toStdString();
    EXPECT_TRUE(f.writes({"+k", "+L"}).empty()); // nothing half-written
    EXPECT_THROW(StrToInt(QStringLiteral("12 ")), EConvertError);
    EXPECT_EQ(StrToInt(QStringLiteral(" 12")), 12);
}

TEST(RelaysPage, DebugButtonsKeepTheSubRowsEven)
{
    RelaysFixture f;
    f.relays.setDebugMode(true);
    f.host.show();
    // Relay 1 "вкл": closing and opening of loops 1 and 2, row by row.
    EXPECT_EQ(f.rowSteps({25, 33, 26, 34, 27}).size(), 1u);
}

TEST(RelaysPage, OnTimeNeverLeavesItsRange)
{
    RelaysFixture f;
    QLineEdit *field = f.relays.onTime(1);
    field->clear();
    QTest::keyClicks(field, QStringLiteral("999"));
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &leave); // leaving the field brings it back to the top
    EXPECT_EQ(field->text(), QStringLiteral("500"));

    // What a read shows (up to 510) is written back; a time no byte holds stops the write.
    f.setOnTimes({"510", "0", "0", "0", "0"});
    PanelSettings collected;
    f.relays.collect(collected);
    EXPECT_EQ(EncodeRelayTimes(*collected.relayTimes), QStringLiteral("ff00000000"));
    f.setOnTimes({"0", "0", "999", "0", "0"});
    f.relays.Button22Click();
    EXPECT_TRUE(f.written.failure);
    EXPECT_TRUE(f.writes({"+k", "+L"}).empty());
}
