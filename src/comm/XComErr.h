#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace orvanta {

// The serial component's failure: a fixed English message and a numeric code that callers may
// test. The codes are part of the component's contract and never change.
class EDeviceError : public std::runtime_error
{
public:
    EDeviceError(const std::string &message, int32_t code)
        : std::runtime_error(message)
        , ErrorCode(code)
    {}

    const int32_t ErrorCode;
};

namespace DeviceErrorCode {
constexpr int32_t NotOpened = 1;
constexpr int32_t AlreadyOpened = 2;
constexpr int32_t UpdateDCB = 3;
constexpr int32_t SendLocked = 4;
constexpr int32_t ReadLocked = 5;
constexpr int32_t UpdateBuffers = 6;
constexpr int32_t UpdateTimeouts = 7;
constexpr int32_t ReadFailed = 10;
constexpr int32_t WriteFailed = 11;
constexpr int32_t CannotOpen = 65535;
} // namespace DeviceErrorCode

namespace DeviceErrorText {
constexpr const char *CannotOpen = "Cannot open device %s";
// A path that names no terminal (a file, /dev/null): it is never set up or written to.
constexpr const char *NotATerminal = "Cannot open device %s: it is no serial port";
constexpr const char *NotOpened = "Device not opened.";
constexpr const char *AlreadyOpened = "Device is allready opened.";
constexpr const char *UpdateDCB = "Unable to update device control block.";
constexpr const char *SendLocked = "Device locked. Cannot perform send operations.";
constexpr const char *ReadLocked = "Device locked. Cannot perform read operations.";
constexpr const char *UpdateBuffers = "Unable to update IO buffers.";
constexpr const char *UpdateTimeouts = "Unable to update Timeouts.";
constexpr const char *ReadFailed = "Unable to read from port.";
constexpr const char *WriteFailed = "Unable to write to port.";
} // namespace DeviceErrorText

// Throws EDeviceError with the message unchanged.
[[noreturn]] void RaiseDeviceError(const std::string &message, int32_t code);

// Throws EDeviceError with the operating system's error appended:
// "<message> (error <n>: <system text>)", n being the given errno value.
[[noreturn]] void RaiseSystemDeviceError(const std::string &message, int32_t code, int systemError);

// The system's text for an errno value, without a trailing full stop or blanks.
std::string SystemErrorText(int systemError);

} // namespace orvanta
