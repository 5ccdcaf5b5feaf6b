#include "RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanta {

RegularFile::RegularFile(const QString &path)
{
    // O_NONBLOCK makes the open of a FIFO without a writer return at once; on a regular file it
    // changes nothing.
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        m_error = errno == ENOENT
                      ? QCoreApplication::translate("orvanta::RegularFile", "файл не найден")
                      : QCoreApplication::translate("orvanta::RegularFile", "файл не читается: %1")
                            .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    struct stat status = {};
    if (::fstat(m_fd, &status) != 0 || !S_ISREG(status.st_mode))
        m_error = QCoreApplication::translate("orvanta::RegularFile", "это не обычный файл");
    else if (status.st_size == 0)
        m_error = QCoreApplication::translate("orvanta::RegularFile", "файл пуст");
    if (!m_error.isEmpty()) {
        ::close(m_fd);
        m_fd = -1;
    }
}

RegularFile::~RegularFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace orvanta
