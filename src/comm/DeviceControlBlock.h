#pragma once

#include <cstdint>

namespace orvanta {

// The line settings as the component hands them to the device: the classic 28-byte device
// control block of serial drivers. The platform backend turns it into the native line setup.
struct DCB
{
    uint32_t DCBlength = 28;
    uint32_t BaudRate = 0;
    uint32_t Flags = 0;
    uint16_t wReserved = 0;
    uint16_t XonLim = 0;
    uint16_t XoffLim = 0;
    uint8_t ByteSize = 0;
    uint8_t Parity = 0;
    uint8_t StopBits = 0;
    uint8_t XonChar = 0;
    uint8_t XoffChar = 0;
    uint8_t ErrorChar = 0;
    uint8_t EofChar = 0;
    uint8_t EvtChar = 0;
    uint16_t wReserved1 = 0;
};
static_assert(sizeof(DCB) == 28, "the device control block is 28 bytes");

// Bits of DCB::Flags.
namespace DCBFlag {
constexpr uint32_t fBinary = 1u << 0;
constexpr uint32_t fParity = 1u << 1;
constexpr uint32_t fOutxCtsFlow = 1u << 2;
constexpr uint32_t fOutxDsrFlow = 1u << 3;
constexpr unsigned fDtrControlShift = 4; // two bits: 1 enable, 2 handshake
constexpr uint32_t fDsrSensitivity = 1u << 6;
constexpr uint32_t fTXContinueOnXoff = 1u << 7;
constexpr uint32_t fOutX = 1u << 8;
constexpr uint32_t fInX = 1u << 9;
constexpr uint32_t fErrorChar = 1u << 10;
constexpr uint32_t fNull = 1u << 11;
constexpr unsigned fRtsControlShift = 12; // two bits: 1 enable, 2 handshake
constexpr uint32_t fAbortOnError = 1u << 14;

constexpr uint32_t ControlEnable = 1;
constexpr uint32_t ControlHandshake = 2;

constexpr uint32_t dtrControl(uint32_t flags)
{
    return (flags >> fDtrControlShift) & 3u;
}
constexpr uint32_t rtsControl(uint32_t flags)
{
    return (flags >> fRtsControlShift) & 3u;
}
} // namespace DCBFlag

// Parity and stop-bit codes of the block.
namespace DCBParity {
constexpr uint8_t None = 0, Odd = 1, Even = 2, Mark = 3, Space = 4;
}
namespace DCBStopBits {
constexpr uint8_t One = 0, OneAndHalf = 1, Two = 2;
}

// The five driver time-outs, in milliseconds.
struct CommTimeouts
{
    uint32_t ReadIntervalTimeout = 0;
    uint32_t ReadTotalTimeoutMultiplier = 0;
    uint32_t ReadTotalTimeoutConstant = 0;
    uint32_t WriteTotalTimeoutMultiplier = 0;
    uint32_t WriteTotalTimeoutConstant = 0;
};

} // namespace orvanta
