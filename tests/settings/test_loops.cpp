// The loop page and the general page against the virtual panel, and the hex record codec.
#include "ConversionError.h"
#include "PageFixture.h"
#include "core/Errors.h"
#include "panel/HexRecord.h"
#include "settings/GeneralPage.h"
#include "settings/LoopsPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

struct LoopsFixture : PageFixture
{
    GeneralPage &general = place(new GeneralPage);
    LoopsPage &loops = place(new LoopsPage(link, general.Options()));

    std::vector<QCheckBox *> boxes() const
    {
        std::vector<QCheckBox *> all;
        for (int loop = 1; loop <= 8; ++loop)
            for (int number : {loop, 8 + loop, 16 + loop, 184 + loop})
                all.push_back(box(QStringLiteral("CheckBox%1").arg(number)));
        for (const char *name :
             {"ohrana", "ps", "sn", "not_tm", "brb_rez", "brb_osn", "xrele", "xwork"})
            all.push_back(box(QLatin1String(name)));
        return all;
    }
    QCheckBox *box(const QString &name) const { return child<QCheckBox>(name); }
    QStringList checkedNames() const
    {
        QStringList names;
        for (QCheckBox *b : boxes())
            if (b->isChecked())
                names += b->objectName();
        names.sort();
        return names;
    }
    void setAll(bool checked) const
    {
        for (QCheckBox *b : boxes())
            b->setChecked(checked);
    }
    void panelValue(std::optional<std::string> value)
    {
        sim::PanelFaults faults;
        faults.value = std::move(value);
        panel.setFaults(faults);
    }
};

} // namespace

TEST(LoopsPage, RecordSetsExactlyItsBoxes)
{
    LoopsFixture f;
    f.link.query(QStringLiteral("+K0102040810"));
    f.setAll(true);
    f.loops.ReadSHClick();
    EXPECT_EQ(f.checkedNames(),
              (QStringList{"CheckBox18", "CheckBox189", "CheckBox3", "CheckBox9", "not_tm"}));

    f.link.query(QStringLiteral("+KFFFFFFFFFF"));
    f.loops.ReadSHClick();
    EXPECT_EQ(f.checkedNames().size(), 40);
    f.link.query(QStringLiteral("+K0000000000"));
    f.loops.ReadSHClick();
    EXPECT_TRUE(f.checkedNames().isEmpty());
}

TEST(LoopsPage, WriteSendsTwelveLowerCaseCharacters)
{
    LoopsFixture f;
    f.setAll(false);
    f.loops.WriteSHClick();
    f.setAll(true);
    f.box(QStringLiteral("CheckBox9"))
        ->setEnabled(false); // disabled boxes are written all the same
    f.loops.WriteSHClick();
    f.setAll(false);
    f.box(QStringLiteral("CheckBox16"))->setChecked(true); // loop 8 closing: bit 7 of byte 1
    f.box(QStringLiteral("xwork"))->setChecked(true);
    f.loops.WriteSHClick();
    // Each a checked write: the record among the snapshot's reads and the read-back.
    EXPECT_EQ(f.writes({"+K"}),
              (std::vector<std::string>{"+K0000000000", "+Kffffffffff", "+K8000008000"}));
    EXPECT_FALSE(f.written.failure) << f.written.failure->text().toStdString();
    EXPECT_EQ(sim::hexText(f.panel.state().loopRecord.data(), 5, false), "8000008000");
}

TEST(LoopsPage, RecordThatIsMissingOrGarbledChangesNothing)
{
    for (const std::string &value : {std::string(), std::string("01020408"), std::string("zz")}) {
        SCOPED_TRACE(value);
        LoopsFixture f;
        f.box(QStringLiteral("CheckBox5"))->setChecked(true);
        f.panelValue(value);
        EXPECT_THROW(f.loops.ReadSHClick(), EIncompleteRead);
        for (QCheckBox *b : f.boxes())
            EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        EXPECT_EQ(f.checkedNames(), QStringList{"CheckBox5"});
    }
    // What the record's own decoder takes is taken: five pairs, the last one a single digit.
    LoopsFixture f;
    f.panelValue(std::string("010204081"));
    f.loops.ReadSHClick();
    EXPECT_EQ(f.checkedNames(),
              (QStringList{"CheckBox18", "CheckBox185", "CheckBox3", "CheckBox9", "not_tm"}));
}

TEST(LoopsPage, CaptionsAndDebugButtons)
{
    LoopsFixture f;
    f.host.show();
    EXPECT_EQ(f.loops.title(), QStringLiteral("Настройка шлейфов"));
    QStringList captions;
    for (QLabel *label : f.loops.findChildren<QLabel *>())
        captions += label->text();
    for (const char *caption :
         {"Замыкание", "Размыкание", "24", "Нормально замкнут", "Шлейф 1", "Шлейф 8"})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
    auto *write = f.child<QPushButton>(QStringLiteral("WriteSH"));
    auto *read = f.child<QPushButton>(QStringLiteral("ReadSH"));
    EXPECT_EQ(write->text(), QStringLiteral("Записать в устройство"));
    EXPECT_EQ(read->text(), QStringLiteral("Прочитать"));
    EXPECT_FALSE(read->isVisibleTo(&f.loops));

    f.loops.setDebugMode(true);
    EXPECT_TRUE(read->isVisibleTo(&f.loops));
    EXPECT_TRUE(write->isVisibleTo(&f.loops));
    EXPECT_EQ(f.rowSteps({9, 10, 11, 12, 13, 14, 15, 16}).size(),
              1u); // the buttons stretch no row
    // A bad record read from the debug button ends in an error box.
    f.panelValue(std::string("zz"));
    read->click();
    ASSERT_FALSE(f.dialogs.boxes.empty());
    EXPECT_EQ(f.dialogs.boxes.back().second,
              QStringLiteral("Не прочитано: Настройки шлейфов и общие настройки — охранная панель "
                             "ответила «zz»"));
}

TEST(GeneralPage, CaptionsInOrder)
{
    LoopsFixture f;
    const QStringList expected{"Объект находится под охраной",
                               "Дозваниваться при постановке на охрану",
                               "Дозваниваться при снятии с охраны",
                               "Дозваниваться при переходе на резервное  питание",
                               "Дозваниваться при переходе на основное питание",
                               "Выключать реле после снятия с охраны?",
                               "Не использовать ключи Touch Memory",
                               "Обрабатывать события для реле после снятия с охраны"};
    QStringList shown;
    for (QCheckBox *box : f.general.findChildren<QCheckBox *>())
        shown += box->text();
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(f.child<QLineEdit>(QStringLiteral("xver"))->isReadOnly());
    EXPECT_EQ(f.child<QLineEdit>(QStringLiteral("xpass"))->maxLength(), 5);
    QStringList labels;
    for (QLabel *label : f.general.findChildren<QLabel *>())
        labels += label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Версия прошивки")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Пароль")));
}
