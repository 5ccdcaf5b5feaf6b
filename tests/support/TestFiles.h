#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace orvanta::test {

inline void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Lines "<prefix>0" ... each ended by CR LF.
inline QByteArray NumberedLines(int count, const char *prefix)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += prefix + QByteArray::number(i) + "\r\n";
    return text;
}

} // namespace orvanta::test
