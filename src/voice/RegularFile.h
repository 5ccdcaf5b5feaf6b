#pragma once

#include <QString>

namespace orvanta {

// A message's file open for reading, only when it is a regular file, and never waiting: a FIFO,
// a device or a folder put where a message belongs would otherwise hold the tool in open() until
// something writes to it. The descriptor is closed with the object.
class RegularFile
{
public:
    explicit RegularFile(const QString &path);
    ~RegularFile();
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int descriptor() const { return m_fd; }
    // Why the file is not open, in words for the user: missing, not a regular file, empty, or
    // unreadable.
    const QString &error() const { return m_error; }

private:
    int m_fd = -1;
    QString m_error;
};

} // namespace orvanta
