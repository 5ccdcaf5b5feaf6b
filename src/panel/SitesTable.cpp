#include "SitesTable.h"

#include "core/CsvLine.h"
#include "core/TextEncoding.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace orvanta {

namespace {

const QStringList Columns = {QStringLiteral("site"), QStringLiteral("password"),
                             QStringLiteral("key1"), QStringLiteral("key2"),
                             QStringLiteral("key3"), QStringLiteral("key4")};

// The lines of the table's text, whatever its encoding and line ends.
QStringList textLines(const QByteArray &bytes)
{
    TextEncoding encoding = TextEncoding::Utf8;
    QString text = decodeText(bytes, encoding);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
}

// The separator is the header's: ";" where it has one, else ",".
QChar separatorOf(const QString &header)
{
    return header.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char(',');
}

bool passwordAccepted(const QString &password)
{
    static const QRegularExpression digits(QStringLiteral("^[1-9]{1,5}$"));
    if (!digits.match(password).hasMatch())
        return false;
    for (qsizetype i = 1; i < password.size(); ++i)
        if (password[i] == password[i - 1])
            return false;
    return true;
}

bool keyAccepted(const QString &code)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{16}$"));
    return hex.match(code).hasMatch();
}

} // namespace

SitesTable SitesTable::Read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SitesTable table;
        table.problems += tr("%1: не удалось прочитать: %2").arg(path, file.errorString());
        return table;
    }
    return Parse(file.readAll());
}

SitesTable SitesTable::Parse(const QByteArray &bytes)
{
    SitesTable table;
    const QStringList lines = textLines(bytes);
    const QChar separator = separatorOf(lines.value(0));
    std::vector<int> columnOf; // the known column of each header cell
    for (const QString &name : CsvCells(lines.value(0), separator)) {
        const int column = int(Columns.indexOf(name.toLower()));
        if (column < 0)
            table.problems += tr("строка 1: неизвестный столбец «%1»: бывают %2")
                                  .arg(name, Columns.join(QStringLiteral(", ")));
        else if (std::find(columnOf.begin(), columnOf.end(), column) != columnOf.end())
            table.problems += tr("строка 1: столбец «%1» дважды").arg(name);
        columnOf.push_back(column);
    }
    if (std::find(columnOf.begin(), columnOf.end(), 0) == columnOf.end())
        table.problems += tr("строка 1: нет столбца «site»");
    if (!table.problems.isEmpty())
        return table;

    QSet<QString> sites;
    for (int n = 1; n < lines.size(); ++n) {
        if (lines[n].trimmed().isEmpty())
            continue;
        const int line = n + 1;
        const QStringList cells = CsvCells(lines[n], separator);
        const auto problem = [&](const QString &what) {
            table.problems += tr("строка %1: %2").arg(line).arg(what);
        };
        if (cells.size() > qsizetype(columnOf.size())) {
            problem(tr("ячеек %1, а столбцов %2").arg(cells.size()).arg(columnOf.size()));
            continue;
        }
        SiteRow row;
        row.line = line;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const QString &cell = cells[i];
            const int column = columnOf[size_t(i)];
            if (column == 0) {
                row.site = cell;
            } else if (cell.isEmpty()) {
                continue;
            } else if (column == 1) {
                // The password is never repeated in a message: the table may go to others.
                if (passwordAccepted(cell))
                    row.password = cell;
                else
                    problem(tr("пароль — от одной до пяти цифр от 1 до 9, без двух одинаковых "
                               "рядом"));
            } else if (keyAccepted(cell)) {
                row.keys[size_t(column - 2)] = cell.toUpper();
            } else {
                problem(tr("%1: код ключа — 16 шестнадцатеричных цифр").arg(Columns[column]));
            }
        }
        if (row.site.isEmpty())
            problem(tr("нет названия объекта"));
        else if (sites.contains(row.site))
            problem(tr("объект «%1» уже есть выше").arg(row.site));
        sites.insert(row.site);
        table.rows.push_back(row);
    }
    if (table.rows.empty() && table.problems.isEmpty())
        table.problems += tr("в таблице нет ни одного объекта");
    if (!table.problems.isEmpty())
        table.rows.clear();
    return table;
}

QString SitesTable::Redacted(const QByteArray &bytes, const QString &mark, QStringList *secrets)
{
    const QStringList lines = textLines(bytes);
    const QChar separator = separatorOf(lines.value(0));
    std::vector<bool> secret;
    for (const QString &name : CsvCells(lines.value(0), separator)) {
        const qsizetype column = Columns.indexOf(name.toLower());
        secret.push_back(column != 0);
    }
    QStringList redacted{lines.value(0)};
    for (qsizetype n = 1; n < lines.size(); ++n) {
        QStringList cells = CsvCells(lines[n], separator);
        // A cell beyond the header's is nobody's to show either.
        for (qsizetype i = 0; i < cells.size(); ++i)
            if (!cells[i].isEmpty() && (size_t(i) >= secret.size() || secret[size_t(i)])) {
                if (secrets)
                    *secrets += cells[i];
                cells[i] = mark;
            }
        redacted += CsvLine(cells, separator);
    }
    return redacted.join(QLatin1Char('\n'));
}

PanelSettings WithSite(PanelSettings settings, const SiteRow &row)
{
    if (row.password)
        settings.password = row.password;
    for (size_t slot = 0; slot < row.keys.size(); ++slot)
        if (row.keys[slot])
            settings.keys[slot] = row.keys[slot];
    return settings;
}

} // namespace orvanta
