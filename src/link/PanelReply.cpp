#include "PanelReply.h"

namespace orvanta {

bool ReplyHasOK(const QByteArray &bytes)
{
    return bytes.contains("OK");
}

QString ExtractReplyValue(const QString &text)
{
    const qsizetype start = text.indexOf(QLatin1Char('>'));
    if (start < 0)
        return {};
    const QString tail = text.mid(start + 1);
    const qsizetype end = tail.indexOf(QLatin1String("\r\n"));
    return end < 0 ? QString() : tail.left(end);
}

std::optional<QString> ExtractWholeValue(const QString &text)
{
    const qsizetype start = text.indexOf(QLatin1Char('>'));
    if (start < 0)
        return std::nullopt;
    const qsizetype end = text.indexOf(QLatin1String("\r\n"), start + 1);
    if (end < 0 || !text.mid(end + 2).contains(QLatin1String("OK")))
        return std::nullopt;
    return text.mid(start + 1, end - start - 1);
}

} // namespace orvanta
