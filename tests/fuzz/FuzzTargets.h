#pragma once

#include <cstddef>
#include <cstdint>

namespace orvanta::fuzz {

// One reader of untrusted input, fed arbitrary bytes. A run must end without a crash, a hang or
// a sanitizer report, whatever the bytes; a broken promise of the reader aborts.
struct Target
{
    const char *name;
    void (*run)(const uint8_t *data, size_t size);
};

// Every reader of what comes from outside: the panel's replies and the values in them, the
// settings records, the password and key codes, initialisation files, the window state and
// the message lists.
extern const Target Targets[];
extern const size_t TargetCount;

const Target *FindTarget(const char *name);

} // namespace orvanta::fuzz
