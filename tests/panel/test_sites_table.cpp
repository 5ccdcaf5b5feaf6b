// The sites table of a programmed line, as spreadsheets in the field write it.
#include "QtPrinters.h"
#include "core/TextEncoding.h"
#include "panel/SitesTable.h"

#include <gtest/gtest.h>

using namespace orvanta;

TEST(SitesTable, ReadsWhatSpreadsheetsWriteAndNamesEveryBadLine)
{
    const struct
    {
        const char *name;
        QByteArray bytes;
        QStringList sites;    // when it is taken
        QStringList problems; // else
    } cases[] = {
        {"commas, keys optional",
         "site,password,key1,key2,key3,key4\r\nА-1,14253,0123456789abcdef,,,\r\nБ-2,,,,,\r\n",
         {"А-1", "Б-2"},
         {}},
        {"semicolons, columns in any order, a quoted cell",
         "\xEF\xBB\xBFpassword;SITE\n12;\"Магазин \"\"Север\"\"; склад\"\n\n",
         {"Магазин \"Север\"; склад"},
         {}},
        {"Windows-1251",
         toWindows1251(QStringLiteral("site;password\nГараж;35142\n")),
         {"Гараж"},
         {}},
        {"bad rows named by line",
         "site,password,key1\nА,11234,\n,123,\nВ,1234,12345\nВ,,\nГ,0,,,\n",
         {},
         {"строка 2: пароль — от одной до пяти цифр от 1 до 9, без двух одинаковых рядом",
          "строка 3: нет названия объекта", "строка 4: key1: код ключа — 16 шестнадцатеричных цифр",
          "строка 5: объект «В» уже есть выше", "строка 6: ячеек 5, а столбцов 3"}},
        {"a header without site",
         "name,password\nА,1\n",
         {},
         {"строка 1: неизвестный столбец «name»: бывают site, password, key1, key2, key3, key4",
          "строка 1: нет столбца «site»"}},
        {"no rows", "site\n", {}, {"в таблице нет ни одного объекта"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SitesTable table = SitesTable::Parse(c.bytes);
        QStringList sites;
        for (const SiteRow &row : table.rows)
            sites += row.site;
        EXPECT_EQ(sites, c.sites);
        EXPECT_EQ(table.problems, c.problems);
    }
}

TEST(SitesTable, RowPutsItsPasswordAndKeysOverTheTemplate)
{
    const SitesTable table =
        SitesTable::Parse("site,key2,password\nА,0123456789abcdef,\nБ,,21436\n");
    ASSERT_EQ(table.rows.size(), 2u);
    PanelSettings model;
    model.password = QStringLiteral("12345");
    model.keys = {QStringLiteral("1111111111111111"), QStringLiteral("2222222222222222"),
                  std::nullopt, std::nullopt};
    const PanelSettings first = WithSite(model, table.rows[0]);
    EXPECT_EQ(first.password, QStringLiteral("12345"));
    EXPECT_EQ(first.keys[0], QStringLiteral("1111111111111111"));
    EXPECT_EQ(first.keys[1], QStringLiteral("0123456789ABCDEF"));
    const PanelSettings second = WithSite(model, table.rows[1]);
    EXPECT_EQ(second.password, QStringLiteral("21436"));
    EXPECT_EQ(second.keys, model.keys);
}

TEST(SitesTable, RedactedHidesEveryPasswordAndKeyCell)
{
    QStringList secrets;
    EXPECT_EQ(SitesTable::Redacted("site;password;key1;extra\nА;14253;0123456789ABCDEF;x\nБ;;;\n",
                                   QStringLiteral("•"), &secrets),
              QStringLiteral("site;password;key1;extra\nА;•;•;•\nБ;;;\n"));
    EXPECT_EQ(secrets, (QStringList{"14253", "0123456789ABCDEF", "x"}));
}
