#include "PanelReply.h"

namespace orvanta {

namespace {

// The text without the CR and LF characters at either end.
QString withoutLineEnds(const QString &text)
{
    const auto lineEnd = [](QChar c) {
        return c == QLatin1Char('\r') || c == QLatin1Char('\n');
    };
    qsizetype from = 0, to = text.size();
    while (from < to && lineEnd(text[from]))
        ++from;
    while (to > from && lineEnd(text[to - 1]))
        --to;
    return text.mid(from, to - from);
}

} // namespace

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

std::optional<QString> ExtractWholeValue(const QString &text, const QString &command)
{
    const qsizetype start = text.indexOf(QLatin1Char('>'));
    if (start < 0 || text.indexOf(QLatin1Char('>'), start + 1) >= 0)
        return std::nullopt;
    const QString before = withoutLineEnds(text.left(start));
    if (!before.isEmpty() && before != command)
        return std::nullopt;
    const qsizetype end = text.indexOf(QLatin1String("\r\n"), start + 1);
    if (end < 0 || withoutLineEnds(text.mid(end + 2)) != QLatin1String("OK"))
        return std::nullopt;
    return text.mid(start + 1, end - start - 1);
}

} // namespace orvanta
