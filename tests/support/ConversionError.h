#pragma once

#include "core/Errors.h"

#include <QString>
#include <functional>

namespace orvanta::test {

// The message of the conversion error the action raises, or "no error".
inline QString conversionError(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EConvertError &error) {
        return ErrorText(error);
    }
    return QStringLiteral("no error");
}

} // namespace orvanta::test
