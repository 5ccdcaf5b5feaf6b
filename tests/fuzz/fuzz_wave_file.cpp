// Feeds arbitrary bytes to the sound file loader as a file.
#include "voice/WaveFile.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const int fd = ::memfd_create("wave", 0);
    if (fd < 0)
        std::abort();
    ::ftruncate(fd, 0);
    if (size > 0 && ::pwrite(fd, data, size, 0) != ssize_t(size))
        return 0;
    const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    orvanta::TWaveFile wave(path);
    // Compressed files hold more samples than bytes, but never more than the loader's limit.
    if (wave.Samples.size() > size_t(48000) * 10 * 60)
        std::abort();
    if (wave.Loaded && wave.Samples.empty())
        std::abort();
    return 0;
}
