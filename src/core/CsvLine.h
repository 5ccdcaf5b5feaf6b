#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace orvanta {

// The cells of one line of a table as spreadsheets write it: a cell in double quotes may hold the
// separator, and "" inside stands for "; a quote inside a bare cell is kept. Cells are trimmed.
QStringList CsvCells(const QString &line, QChar separator = QLatin1Char(','));
// The line of the cells, a cell quoted where it holds the separator, a quote or a line end.
QString CsvLine(const QStringList &cells, QChar separator = QLatin1Char(','));

} // namespace orvanta
