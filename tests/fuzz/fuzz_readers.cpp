// libFuzzer entry for the readers of untrusted input: ORVANTA_FUZZ_TARGET names the reader;
// ORVANTA_FUZZ_TARGET=targets prints their names, one a line, which is the list ./run fuzz takes
// (each target's corpus is tests/fuzz/corpus/<name>).
#include "FuzzTargets.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

const orvanta::fuzz::Target *target = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    const char *name = std::getenv("ORVANTA_FUZZ_TARGET");
    if (name && std::string_view(name) == "targets") {
        for (size_t i = 0; i < orvanta::fuzz::TargetCount; ++i)
            std::printf("%s\n", orvanta::fuzz::Targets[i].name);
        std::exit(0);
    }
    target = orvanta::fuzz::FindTarget(name);
    if (!target) {
        std::fprintf(stderr, "Set ORVANTA_FUZZ_TARGET to one of:");
        for (size_t i = 0; i < orvanta::fuzz::TargetCount; ++i)
            std::fprintf(stderr, " %s", orvanta::fuzz::Targets[i].name);
        std::fprintf(stderr, "\n");
        std::exit(2);
    }
    // The window-state reader needs widgets; they never reach a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    target->run(data, size);
    return 0;
}
