#include "SettingsReport.h"

#include "link/Language.h"
#include "panel/KeyCode.h"
#include "panel/MessageTable.h"
#include "panel/MessageUpload.h"
#include "panel/SettingsFile.h"
#include "voice/MessageList.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace orvanta {

namespace {

class SettingsReport
{
    Q_DECLARE_TR_FUNCTIONS(orvanta::SettingsReport)

public:
    explicit SettingsReport(const ReportInput &input)
        : m_input(input)
    {}
    QString html() const;

private:
    QString general() const;
    QString loops() const;
    QString relays() const;
    QString keys() const;
    QString messages() const;
    QString writes() const;
    QString uploads() const;

    const ReportInput &m_input;
};

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString heading(const QString &text)
{
    return QStringLiteral("<h2>%1</h2>").arg(escaped(text));
}

// A table with a header row; cells are given as text.
QString table(const QStringList &header, const std::vector<QStringList> &rows)
{
    // The header row in a head of its own: a table that runs onto another page repeats it there.
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                  "width=\"100%\"><thead><tr>");
    for (const QString &cell : header)
        html += QStringLiteral("<th>%1</th>").arg(escaped(cell));
    html += QStringLiteral("</tr></thead>");
    for (const QStringList &row : rows) {
        html += QStringLiteral("<tr>");
        for (const QString &cell : row)
            html += QStringLiteral("<td>%1</td>").arg(escaped(cell));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

bool bit(uint8_t byte, int n)
{
    return (byte >> n) & 1;
}

QString SettingsReport::html() const
{
    const ReportInput &in = m_input;
    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<h1>%1</h1>").arg(escaped(ReportTitle(in.site)));
    html +=
        QStringLiteral("<p>%1<br>%2<br>%3</p>")
            .arg(escaped(tr("Дата: %1").arg(in.time.toString(QStringLiteral("yyyy-MM-dd HH:mm")))),
                 escaped(tr("Откуда: %1").arg(in.source)),
                 escaped(tr("Прошивка: %1").arg(in.settings.version.value_or(tr("не прочитана")))));
    return html + general() + loops() + relays() + keys() + messages() + writes() + uploads() +
           QStringLiteral("</body></html>");
}

QString SettingsReport::general() const
{
    const PanelSettings &s = m_input.settings;
    std::vector<QStringList> rows;
    for (int n = 0; n < 8; ++n)
        rows.push_back({GeneralOptionName(n), !s.loops ? tr("не прочитано")
                                              : bit((*s.loops)[PanelSettings::OptionsByte], n)
                                                  ? tr("да")
                                                  : tr("нет")});
    rows.push_back({tr("Пароль"), !s.password             ? tr("не прочитан")
                                  : s.password->isEmpty() ? tr("не задан")
                                                          : tr("задан")});
    return heading(tr("Общие настройки")) + table({tr("Настройка"), tr("Значение")}, rows);
}

QString SettingsReport::loops() const
{
    const PanelSettings &s = m_input.settings;
    if (!s.loops)
        return heading(tr("Шлейфы")) + QStringLiteral("<p>%1</p>").arg(escaped(tr("не прочитаны")));
    // The columns as the loop page shows them, by byte of the record.
    const std::pair<int, QString> columns[] = {{0, tr("Замыкание")},
                                               {1, tr("Размыкание")},
                                               {2, QStringLiteral("24")},
                                               {4, tr("Нормально замкнут")}};
    QStringList header{tr("Шлейф")};
    for (const auto &[byte, caption] : columns)
        header += caption;
    std::vector<QStringList> rows;
    for (int loop = 1; loop <= PanelSettings::Loops; ++loop) {
        QStringList row{QString::number(loop)};
        for (const auto &[byte, caption] : columns)
            row += bit((*s.loops)[size_t(byte)], loop - 1) ? tr("да") : QStringLiteral("—");
        rows.push_back(row);
    }
    return heading(tr("Шлейфы")) + table(header, rows);
}

QString SettingsReport::relays() const
{
    const PanelSettings &s = m_input.settings;
    // Which loop events switch the relay: the rule record's bytes.
    const auto events = [](const PanelSettings::RelayRule &rule, int closingByte, int openingByte) {
        QStringList said;
        for (int loop = 1; loop <= PanelSettings::Loops; ++loop) {
            if (bit(rule[size_t(closingByte)], loop - 1))
                said += tr("шлейф %1, замыкание").arg(loop);
            if (bit(rule[size_t(openingByte)], loop - 1))
                said += tr("шлейф %1, размыкание").arg(loop);
        }
        return said.isEmpty() ? QStringLiteral("—") : said.join(QStringLiteral("; "));
    };
    std::vector<QStringList> rows;
    for (int relay = 1; relay <= PanelSettings::Relays; ++relay) {
        const std::optional<PanelSettings::RelayRule> &rule = s.relayRules[size_t(relay - 1)];
        rows.push_back({QString::number(relay),
                        s.relayTimes ? QString::number((*s.relayTimes)[size_t(relay - 1)])
                                     : tr("не прочитано"),
                        rule ? events(*rule, 0, 1) : tr("не прочитано"),
                        rule ? events(*rule, 2, 3) : tr("не прочитано")});
    }
    return heading(tr("Реле")) +
           table({tr("Реле"), tr("Время включения, с"), tr("Включается"), tr("Выключается")}, rows);
}

QString SettingsReport::keys() const
{
    int held = 0;
    int read = 0;
    for (const std::optional<QString> &code : m_input.settings.keys) {
        if (!code)
            continue;
        ++read;
        held += HoldsNoKey(*code) ? 0 : 1;
    }
    const QString text =
        read == 0 ? tr("не прочитаны")
                  : tr("Ключей в ячейках: %1 из %2").arg(held).arg(PanelSettings::KeySlots);
    return heading(tr("Ключи Touch Memory")) + QStringLiteral("<p>%1</p>").arg(escaped(text));
}

// The bar of the memory: one band per part, in greys that print in black and white, each as
// wide as its share of the memory or, past the end, of all it would take; the rest is free.
QString memoryBar(const std::vector<double> &parts)
{
    const double memory = MemorySeconds;
    double total = 0;
    for (const double part : parts)
        total += part;
    const double scale = std::max(total, memory);
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\" "
                                  "width=\"100%\" height=\"14\"><tr>");
    // Bounds rounded from the running sum, so that the bands add up to the whole bar.
    double sum = 0;
    int bound = 0;
    int band = 0;
    for (const double part : parts) {
        sum += part;
        const int next = int(std::lround(100 * sum / scale));
        if (next <= bound)
            continue;
        html += QStringLiteral("<td width=\"%1%\" bgcolor=\"%2\">&nbsp;</td>")
                    .arg(next - bound)
                    .arg(band++ % 2 ? QStringLiteral("#909090") : QStringLiteral("#404040"));
        bound = next;
    }
    if (bound < 100)
        html +=
            QStringLiteral("<td width=\"%1%\" bgcolor=\"#ffffff\">&nbsp;</td>").arg(100 - bound);
    return html + QStringLiteral("</tr></table>");
}

QString paragraph(const QString &text)
{
    return QStringLiteral("<p>%1</p>").arg(escaped(text));
}

QString SettingsReport::messages() const
{
    const QLocale locale(CurrentLanguage());
    const auto number = [&locale](double value) {
        return locale.toString(value, 'f', 1);
    };
    const double memory = MemorySeconds;
    const double around = MessageUpload::SecondsAroundMessage;
    // Each message as an upload takes it: its sound and what the panel records around it.
    std::vector<double> taken;
    double listed = 0;
    std::vector<QStringList> rows;
    for (const ReportMessage &message : m_input.messages) {
        const double seconds = message.seconds > 0 ? message.seconds + around : 0;
        taken.push_back(seconds);
        listed += seconds;
        const QString length = message.seconds > 0 ? number(message.seconds)
                               : message.missing   ? tr("нет файла")
                                                   : tr("файл не читается");
        rows.push_back({QString::number(message.number), message.text, message.file, length,
                        seconds > 0 ? number(100 * seconds / memory) : QStringLiteral("—")});
    }
    const std::optional<int> &read = m_input.settings.usedSeconds;
    QString html = heading(tr("Голосовые сообщения"));
    if (rows.empty() && !read)
        return html + paragraph(tr("В списке нет сообщений с файлами."));
    if (rows.empty())
        html += paragraph(tr("В списке нет сообщений с файлами."));
    else
        html += table({tr("№"), tr("Текст"), tr("Файл"), tr("Длина, с"), tr("Память, %")}, rows);
    const double used = read ? *read : listed;
    // The bar shows what the panel said it holds; without that, the lists' estimate. It stands
    // under the table, the figures and notes below it.
    html += memoryBar(read ? std::vector<double>{double(*read)} : taken);
    if (read)
        html += paragraph(tr("Память сообщений панели: занято %1 с из %2 мин. (прочитано из "
                             "панели)")
                              .arg(number(*read))
                              .arg(MemorySeconds / 60));
    if (!rows.empty())
        html += paragraph(tr("Сообщения списка заняли бы %1 с из %2 мин. (оценка по файлам, по "
                             "%3 с на каждое сообщение сверх его звука)")
                              .arg(number(listed))
                              .arg(MemorySeconds / 60)
                              .arg(locale.toString(around, 'f', 3)));
    // Past the memory either way: a panel over-filled, or lists that an upload cannot fit.
    if (const double most = std::max(used, listed); most > memory)
        html += QStringLiteral("<p><b>%1</b></p>")
                    .arg(escaped(tr("Внимание: это больше памяти панели (%1 мин.) на %2 с.")
                                     .arg(MemorySeconds / 60)
                                     .arg(number(most - memory))));
    const int missing = int(std::count_if(m_input.messages.begin(), m_input.messages.end(),
                                          [](const ReportMessage &m) { return m.seconds <= 0; }));
    if (missing > 0)
        html += paragraph(
            tr("Строк, чей файл не найден или не читается: %1; они не посчитаны.").arg(missing));
    return html;
}

QString SettingsReport::writes() const
{
    constexpr size_t Shown = 10;
    const std::vector<JournalEntry> &all = m_input.writes;
    std::vector<QStringList> rows;
    for (size_t i = all.size() > Shown ? all.size() - Shown : 0; i < all.size(); ++i) {
        const JournalEntry &entry = all[i];
        if (entry.damaged)
            continue;
        rows.push_back({QString::number(entry.number), JournalTimeText(entry.time), entry.port,
                        JournalResultText(entry.result), QString::number(entry.changes.size())});
    }
    // Said first, so that it stays with the table on the page the table begins on.
    QString html = heading(tr("Последние записи в панель")) +
                   QStringLiteral("<p>%1</p>")
                       .arg(escaped(tr("Записи этой панели: того же порта и той же прошивки. "
                                       "Панели с одной прошивкой на одном порту здесь не "
                                       "различаются.")));
    if (rows.empty())
        return html + QStringLiteral("<p>%1</p>").arg(escaped(tr("Записей ещё не было.")));
    return html + table({tr("№"), tr("Время"), tr("Порт"), tr("Итог"), tr("Изменений")}, rows);
}

// The upload journal's fields: time, upload, port, row, file, SHA-256, the file's seconds, the
// panel's seconds, peak and RMS heard, the seconds heard, the verdict.
QString SettingsReport::uploads() const
{
    if (m_input.uploads.isEmpty())
        return {};
    std::vector<QStringList> rows;
    for (const QString &line : m_input.uploads) {
        const QStringList field = line.split(QLatin1Char('\t'));
        if (field.size() < 12)
            continue;
        const auto heard = field[8] == QLatin1String("-")
                               ? tr("не слушали")
                               : tr("пик %1 дБFS, %2 с").arg(field[8], field[10]);
        rows.push_back(
            {field[3], QFileInfo(field[4]).fileName(), field[6], field[7], heard, field[11]});
    }
    const QString started = m_input.uploads.back().section(QLatin1Char('\t'), 1, 1);
    return heading(tr("Последняя запись сообщений в панель")) +
           QStringLiteral("<p>%1</p>")
               .arg(escaped(tr("Начата %1; каждое сообщение прослушано на выводе звука.")
                                .arg(QDateTime::fromString(started, Qt::ISODate)
                                         .toString(QStringLiteral("yyyy-MM-dd HH:mm"))))) +
           table({tr("Строка"), tr("Файл"), tr("Файл, с"), tr("Панель, с"), tr("Услышано"),
                  tr("Итог")},
                 rows);
}

} // namespace

std::vector<ReportMessage> ReportMessages(const MessageList &list)
{
    std::vector<ReportMessage> messages;
    for (int number = 1; number <= MessageList::Messages; ++number) {
        const QString file = list.cell(MessageList::FileColumn, number).trimmed();
        if (file.isEmpty())
            continue;
        messages.push_back({number, list.cell(MessageList::TextColumn, number), file,
                            list.messageSeconds(number),
                            !QFileInfo::exists(list.messageFile(number))});
    }
    return messages;
}

QString ReportHtml(const ReportInput &input)
{
    return SettingsReport(input).html();
}

QString ReportFileName(const QDateTime &time, const QString &site)
{
    const QString named = SiteFileName(site);
    return QStringLiteral("orvanta-report-%1%2.pdf")
        .arg(named.isEmpty() ? QString() : named + QLatin1Char('-'),
             time.toString(QStringLiteral("yyyy-MM-dd-HHmm")));
}

QString ReportTitle(const QString &site)
{
    const QString title =
        QCoreApplication::translate("orvanta::SettingsReport", "Настройки охранной панели Orvanta");
    return site.isEmpty() ? title : title + QStringLiteral(": ") + site;
}

QString WriteReportPdf(const QString &path, const ReportInput &input)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QCoreApplication::translate("orvanta::SettingsReport",
                                           "Не удалось создать файл %1: %2")
            .arg(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(ReportTitle(input.site));
        writer.setCreator(QStringLiteral("Orvanta Config"));
        writer.setResolution(300);
        QTextDocument document;
        // Laid out in the writer's own dots, so that type and tables keep their sizes on paper.
        document.documentLayout()->setPaintDevice(&writer);
        document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        document.setHtml(ReportHtml(input));
        document.setPageSize(writer.pageLayout().paintRectPixels(writer.resolution()).size());
        document.print(&writer);
    }
    if (!file.commit())
        return QCoreApplication::translate("orvanta::SettingsReport",
                                           "Не удалось записать файл %1: %2")
            .arg(path, file.errorString());
    return {};
}

} // namespace orvanta
