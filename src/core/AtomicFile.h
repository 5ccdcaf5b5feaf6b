#pragma once

#include <QByteArray>
#include <QString>

namespace orvanta {

// Replaces a file's whole content, or leaves the file as it was: the bytes go to a temporary
// file in the same folder, which takes the target's place only once every byte is written.
enum class SaveResult {
    Saved,
    CannotCreate, // the target may not be written, or no file can be made beside it
    WriteFailed,  // a write failed half-way (disk full, size limit); nothing was replaced
};

SaveResult SaveFileAtomically(const QString &path, const QByteArray &bytes,
                              QString *error = nullptr);

} // namespace orvanta
