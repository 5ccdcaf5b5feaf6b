#pragma once

#include <QByteArray>
#include <QString>

namespace orvanta {

// Text files of the tool are UTF-8; files made on the panel vendor's original platform are
// Windows-1251. A file is read in the first encoding it is valid in and written back in it.
enum class TextEncoding { Utf8, Windows1251 };

QString decodeText(const QByteArray &bytes, TextEncoding &detected);
QByteArray encodeText(const QString &text, TextEncoding encoding);

QString fromWindows1251(const QByteArray &bytes);
// Characters Windows-1251 has no code for become "?".
QByteArray toWindows1251(const QString &text);

} // namespace orvanta
