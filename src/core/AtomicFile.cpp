#include "AtomicFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace orvanta {

SaveResult SaveFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    const auto fail = [error](SaveResult result, const QString &text) {
        if (error)
            *error = text;
        return result;
    };
    // The temporary file would replace a read-only target; such a target is refused instead.
    const QFileInfo target(path);
    if (target.exists() && !target.isWritable())
        return fail(SaveResult::CannotCreate,
                    QCoreApplication::translate("orvanta::AtomicFile", "нет прав на запись"));
    QSaveFile file(path);
    // Unbuffered, so that a short write shows in write()'s count: a buffered write can lose its
    // tail at commit without a word.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(SaveResult::CannotCreate, file.errorString());
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        // A full disk stops the write short without an error of Qt's own: the system's says why.
        const int code = errno;
        const QString text =
            code != 0 ? QString::fromLocal8Bit(std::strerror(code)) : file.errorString();
        file.cancelWriting();
        return fail(SaveResult::WriteFailed, text);
    }
    if (!file.commit())
        return fail(SaveResult::WriteFailed, file.errorString());
    return SaveResult::Saved;
}

} // namespace orvanta
