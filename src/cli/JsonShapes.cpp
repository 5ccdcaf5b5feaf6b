#include "JsonShapes.h"

#include "panel/SettingsFile.h"

namespace orvanta {

namespace {

const QString NameEnd = QStringLiteral(": ");

QString stateName(PortProbe::State state)
{
    switch (state) {
    case PortProbe::State::Free:
        return QStringLiteral("free");
    case PortProbe::State::Busy:
        return QStringLiteral("busy");
    case PortProbe::State::NoPermission:
        return QStringLiteral("no-permission");
    case PortProbe::State::Absent:
        return QStringLiteral("absent");
    case PortProbe::State::NotSerial:
        return QStringLiteral("not-serial");
    case PortProbe::State::Failed:
        break;
    }
    return QStringLiteral("failed");
}

} // namespace

QJsonObject PortJson(const QString &port, const QString &device, const PortProbe &probe,
                     const SerialAdapter *adapter)
{
    return {{QStringLiteral("port"), port},
            {QStringLiteral("device"), device},
            {QStringLiteral("state"), stateName(probe.state)},
            {QStringLiteral("detail"), probe.detail},
            {QStringLiteral("adapter"), adapter ? adapter->name() : QString()},
            {QStringLiteral("stablePath"), adapter ? adapter->stablePath : QString()}};
}

QJsonObject AttemptJson(const PortAttempt &attempt)
{
    return {{QStringLiteral("port"), attempt.port},
            {QStringLiteral("device"), attempt.device},
            {QStringLiteral("firmware"), attempt.firmware},
            {QStringLiteral("failure"), attempt.failure}};
}

// A setting's name can hold ": " itself ("Шлейф 3, при размыкании: реле 2 включить"); its value
// never does, so the line is cut at the last one.
QJsonObject SettingsJson(const PanelSettings &settings)
{
    QJsonArray lines;
    const QStringList text = SettingsText(settings, true).split(QLatin1Char('\n'));
    for (const QString &line : text.mid(1)) {
        const qsizetype cut = line.lastIndexOf(NameEnd);
        if (cut > 0)
            lines.append(QJsonObject{{QStringLiteral("name"), line.left(cut)},
                                     {QStringLiteral("value"), line.mid(cut + NameEnd.size())}});
    }
    return {{QStringLiteral("format"), 1}, {QStringLiteral("settings"), lines}};
}

QJsonArray ChangesJson(const QStringList &changes)
{
    const QString arrow = QStringLiteral(" → ");
    QJsonArray array;
    for (const QString &change : changes) {
        const qsizetype valueAt = change.lastIndexOf(NameEnd);
        const QString values = change.mid(valueAt + NameEnd.size());
        const qsizetype arrowAt = values.indexOf(arrow);
        array.append(QJsonObject{{QStringLiteral("setting"), change.left(valueAt)},
                                 {QStringLiteral("panel"), values.left(arrowAt)},
                                 {QStringLiteral("file"), values.mid(arrowAt + arrow.size())}});
    }
    return array;
}

QJsonObject JournalEntryJson(const JournalEntry &entry)
{
    if (entry.damaged)
        return {{QStringLiteral("number"), 0},
                {QStringLiteral("result"), entry.result},
                {QStringLiteral("line"), entry.line}};
    return {{QStringLiteral("number"), entry.number},
            {QStringLiteral("time"), entry.time.toString(Qt::ISODate)},
            {QStringLiteral("port"), entry.port},
            {QStringLiteral("firmware"), entry.firmware},
            {QStringLiteral("result"), entry.result},
            {QStringLiteral("changes"), ChangesJson(entry.changes)},
            {QStringLiteral("detail"), QJsonArray::fromStringList(entry.detail)},
            {QStringLiteral("site"), entry.site}};
}

} // namespace orvanta
