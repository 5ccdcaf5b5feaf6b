#pragma once

#include <QString>
#include <stdexcept>

namespace orvanta {

// A text that should have been a number: "'$zz' is not a valid integer value".
class EConvertError : public std::runtime_error
{
public:
    explicit EConvertError(const QString &message)
        : std::runtime_error(message.toStdString())
    {}
};

// A file that could not be read or written.
class EInOutError : public std::runtime_error
{
public:
    explicit EInOutError(const QString &message)
        : std::runtime_error(message.toStdString())
    {}
};

// The message of any exception as text for the user.
inline QString ErrorText(const std::exception &error)
{
    return QString::fromUtf8(error.what());
}

} // namespace orvanta
