#include "SiteLedger.h"

#include "core/CsvLine.h"

#include <QCoreApplication>
#include <QFile>

namespace orvanta {

namespace {

QString stepText(LedgerLine::Step step)
{
    switch (step) {
    case LedgerLine::Step::NotAsked:
        return QStringLiteral("-");
    case LedgerLine::Step::Ok:
        return QStringLiteral("ok");
    case LedgerLine::Step::Failed:
        return QStringLiteral("failed");
    case LedgerLine::Step::Stopped:
        return QStringLiteral("stopped");
    }
    return {};
}

QString failedToWrite(const QString &path, const QString &why)
{
    return QCoreApplication::translate("orvanta::SiteLedger", "Не удалось записать журнал %1: %2")
        .arg(path, why);
}

} // namespace

const QStringList SiteLedger::Columns = {
    QStringLiteral("time"),        QStringLiteral("site"),           QStringLiteral("port"),
    QStringLiteral("stable_path"), QStringLiteral("adapter_serial"), QStringLiteral("firmware"),
    QStringLiteral("snapshot"),    QStringLiteral("read"),           QStringLiteral("write"),
    QStringLiteral("upload"),      QStringLiteral("report"),         QStringLiteral("report_path"),
    QStringLiteral("result"),
};

bool LedgerLine::done() const
{
    for (const Step step : {read, write, upload, report})
        if (step == Step::Failed || step == Step::Stopped)
            return false;
    return read == Step::Ok && write == Step::Ok;
}

QString LedgerLine::result() const
{
    if (done())
        return QStringLiteral("done");
    for (const Step step : {read, write, upload, report})
        if (step == Step::Stopped)
            return QStringLiteral("stopped");
    return QStringLiteral("failed");
}

SiteLedger::SiteLedger(QString path)
    : m_path(std::move(path))
{}

QSet<QString> SiteLedger::doneSites() const
{
    QSet<QString> done;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return done;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QStringList header = CsvCells(lines.value(0).trimmed());
    const qsizetype site = header.indexOf(QStringLiteral("site"));
    const qsizetype result = header.indexOf(QStringLiteral("result"));
    if (site < 0 || result < 0)
        return done;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const QStringList cells = CsvCells(lines[n].trimmed());
        if (cells.value(result) == QLatin1String("done"))
            done.insert(cells.value(site));
    }
    return done;
}

QString SiteLedger::prepare() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::Append))
        return failedToWrite(m_path, file.errorString());
    if (file.size() == 0 && file.write((CsvLine(Columns) + QLatin1Char('\n')).toUtf8()) < 0)
        return failedToWrite(m_path, file.errorString());
    return file.flush() ? QString() : failedToWrite(m_path, file.errorString());
}

QString SiteLedger::append(const LedgerLine &line) const
{
    if (const QString failure = prepare(); !failure.isEmpty())
        return failure;
    const QStringList cells = {
        line.time.toString(Qt::ISODate),
        line.site,
        line.port,
        line.stablePath,
        line.adapterSerial,
        line.firmware,
        line.snapshot > 0 ? QString::number(line.snapshot) : QString(),
        stepText(line.read),
        stepText(line.write),
        stepText(line.upload),
        stepText(line.report),
        line.reportPath,
        line.result(),
    };
    // One write of the whole line: a run cut meanwhile leaves no half of it.
    QFile file(m_path);
    if (!file.open(QIODevice::Append) ||
        file.write((CsvLine(cells) + QLatin1Char('\n')).toUtf8()) < 0 || !file.flush())
        return failedToWrite(m_path, file.errorString());
    return {};
}

} // namespace orvanta
