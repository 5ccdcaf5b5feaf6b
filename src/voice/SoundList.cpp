#include "SoundList.h"

#include "core/AtomicFile.h"
#include "core/Errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

namespace orvanta {

SoundListColumn ReadSoundList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(
            QCoreApplication::translate("orvanta::SoundList", "Не удалось открыть файл %1: %2")
                .arg(path, file.errorString()));
    SoundListColumn column;
    QString text = decodeText(file.readAll(), column.encoding);
    // A final line end closes the last line; it does not start another.
    if (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(text.endsWith(QLatin1String("\r\n")) ? 2 : 1);
    if (text.isEmpty() && file.size() == 0)
        return column;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    const QStringList lines = text.split(lineEnd);
    for (int row = 0; row < SoundListColumn::Rows && row < lines.size(); ++row)
        column.cells[row] = lines[row].isEmpty() ? QStringLiteral(" ") : lines[row];
    return column;
}

void WriteSoundList(const QString &path, const SoundListColumn &column)
{
    QString text;
    for (int row = 0; row < SoundListColumn::Rows; ++row)
        text += column.cells.value(row) + QStringLiteral("\r\n");
    QString error;
    if (SaveFileAtomically(path, encodeText(text, column.encoding), &error) != SaveResult::Saved)
        throw EInOutError(
            QCoreApplication::translate("orvanta::SoundList", "Не удалось создать файл %1: %2")
                .arg(path, error));
}

} // namespace orvanta
