// Feeds arbitrary bytes to the wave file loader as a file, and saves what loads.
#include "WaveFile.h"

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
    if (wave.Samples.size() > size)
        std::abort(); // more samples than the file has bytes
    return 0;
}
