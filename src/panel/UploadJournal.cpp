#include "UploadJournal.h"

#include "core/Errors.h"

#include <QDir>
#include <QFile>

namespace orvanta {

namespace {

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

// The upload a line belongs to: its second field.
QString uploadOf(const QString &line)
{
    return line.section(QLatin1Char('\t'), 1, 1);
}

} // namespace

UploadJournal::UploadJournal(QString folder)
    : m_folder(std::move(folder))
{}

QString UploadJournal::path() const
{
    return QDir(m_folder).filePath(QStringLiteral("uploads.txt"));
}

void UploadJournal::append(const UploadReceipt &receipt, const QDateTime &started,
                           const QString &port) const
{
    QStringList fields{QDateTime::currentDateTime().toString(Qt::ISODate),
                       started.toString(Qt::ISODate),
                       port,
                       QString::number(receipt.row),
                       receipt.file,
                       QString::fromLatin1(receipt.sha256.toHex()),
                       number(receipt.fileSeconds, 2),
                       receipt.panelSeconds < 0 ? QStringLiteral("-")
                                                : number(receipt.panelSeconds, 1)};
    if (receipt.heard)
        fields << number(receipt.heard->peakDb, 1) << number(receipt.heard->rmsDb, 1)
               << number(receipt.heard->seconds, 2);
    else
        fields << QStringLiteral("-") << QStringLiteral("-") << QStringLiteral("-");
    fields << receipt.verdict;
    for (QString &field : fields)
        field.replace(QLatin1Char('\t'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
    QDir().mkpath(m_folder);
    QFile file(path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) ||
        file.write((fields.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8()) < 0 ||
        !file.flush())
        throw EInOutError(QStringLiteral("%1: %2").arg(path(), file.errorString()));
}

QStringList UploadJournal::lastUpload() const
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines =
        QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return {};
    const QString newest = uploadOf(lines.back());
    QStringList last;
    for (const QString &line : lines)
        if (uploadOf(line) == newest)
            last += line;
    return last;
}

} // namespace orvanta
