#include "CsvLine.h"

namespace orvanta {

QStringList CsvCells(const QString &line, QChar separator)
{
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == QLatin1Char('"') && i + 1 < line.size() &&
            line[i + 1] == QLatin1Char('"')) {
            cell += c;
            ++i;
        } else if (c == QLatin1Char('"') && (quoted || cell.trimmed().isEmpty())) {
            // Quotes open only at a cell's start; one inside a bare cell is its own character.
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            cells += cell.trimmed();
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells += cell.trimmed();
    return cells;
}

QString CsvLine(const QStringList &cells, QChar separator)
{
    QStringList quoted;
    for (const QString &cell : cells) {
        const bool needsQuotes = cell.contains(separator) || cell.contains(QLatin1Char('"')) ||
                                 cell.contains(QLatin1Char('\n')) ||
                                 cell.contains(QLatin1Char('\r'));
        quoted += needsQuotes
                      ? QLatin1Char('"') +
                            QString(cell).replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
                            QLatin1Char('"')
                      : cell;
    }
    return quoted.join(separator);
}

} // namespace orvanta
