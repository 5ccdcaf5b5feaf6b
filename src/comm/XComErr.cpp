#include "XComErr.h"

#include <cstring>

namespace orvanta {

void RaiseDeviceError(const std::string &message, int32_t code)
{
    throw EDeviceError(message, code);
}

std::string SystemErrorText(int systemError)
{
    std::string text = std::strerror(systemError);
    while (!text.empty() &&
           (text.back() == '.' || text.back() == ' ' || text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

void RaiseSystemDeviceError(const std::string &message, int32_t code, int systemError)
{
    throw EDeviceError(message + " (error " + std::to_string(systemError) + ": " +
                           SystemErrorText(systemError) + ")",
                       code);
}

} // namespace orvanta
