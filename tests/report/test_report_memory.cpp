// The memory a report states: the panel's own figure when it was read, else the lists' estimate
// with what an upload adds around each message, in the language's numbers.
#include "link/Language.h"
#include "report/SettingsReport.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// The widths of the memory bar's bands, the last table of the messages' section.
int barWidth(const QString &html)
{
    const QString section = html.section(QStringLiteral("height=\"14\""), 1, 1);
    int width = 0;
    static const QRegularExpression band(QStringLiteral("<td width=\"(\\d+)%\""));
    for (const auto &match : band.globalMatch(section.section(QStringLiteral("</table>"), 0, 0)))
        width += match.captured(1).toInt();
    return width;
}

} // namespace

TEST(ReportMemory, PanelFigureOrListEstimateInTheLanguagesNumbers)
{
    const struct
    {
        const char *language;
        std::optional<int> panelSeconds;
        std::vector<double> files; // seconds of each listed file; 0: none at its path
        std::vector<const char *> said;
        std::vector<const char *> unsaid;
    } cases[] = {
        // The panel's word counts even when the lists name no file.
        {"ru", 240, {}, {"занято 240,0 с из 8 мин.", "В списке нет сообщений с файлами."}, {}},
        // Four messages of 25.275 s: 101.1 s of sound and 4 × 0.7 s around them.
        {"ru",
         std::nullopt,
         {25.275, 25.275, 25.275, 25.275},
         {"заняли бы 103,9 с", "0,700 с"},
         {"прочитано из панели", "Внимание"}},
        {"uk", std::nullopt, {25.275, 25.275, 25.275, 25.275}, {"103,9"}, {"103.9"}},
        {"en", std::nullopt, {25.275, 25.275, 25.275, 25.275}, {"103.9 s of 8 min"}, {"103,9"}},
        // 570 s of lists: past the memory by 570 + 5 × 0.7 - 480 s.
        {"ru", std::nullopt, {114, 114, 114, 114, 114}, {"Внимание", "на 93,5 с"}, {}},
        {"ru", 470, {114, 114, 114, 114, 114}, {"занято 470,0 с", "Внимание", "на 93,5 с"}, {}},
        // A row whose file is missing counts nothing and says so.
        {"ru", std::nullopt, {10, 0}, {"нет файла", "Строк, чей файл не найден", "10,7 с"}, {}},
        {"en", std::nullopt, {10, 0}, {"no file"}, {"нет файла"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        UseLanguage(QString::fromLatin1(c.language));
        ReportInput input;
        input.settings.usedSeconds = c.panelSeconds;
        int number = 0;
        for (const double seconds : c.files) {
            ++number;
            input.messages.push_back({number, QStringLiteral("Текст"),
                                      QStringLiteral("%1.wav").arg(number), seconds, seconds == 0});
        }
        const QString html = ReportHtml(input).replace(QChar(0xA0), QLatin1Char(' '));
        for (const char *text : c.said)
            EXPECT_TRUE(html.contains(QString::fromUtf8(text))) << text << "\n"
                                                                << html.toStdString();
        for (const char *text : c.unsaid)
            EXPECT_FALSE(html.contains(QString::fromUtf8(text))) << text;
        // The bar is always the whole memory: no band dropped, none past its end.
        EXPECT_EQ(barWidth(html), 100);
    }
    UseLanguage(QStringLiteral("ru"));
}
