#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace orvanta {

// What identifies a file's contents as the tool last read or wrote them: its size and time, and a
// digest of its bytes for when those two change without the contents changing. Every write onto
// a message compares the file with its stamp first, so that nothing is written over what another
// program put there since.
struct FileStamp
{
    Q_DECLARE_TR_FUNCTIONS(orvanta::FileStamp)

public:
    qint64 size = -1; // -1: no such file
    qint64 modifiedNs = 0;
    QByteArray digest;

    // The file as it is now; without a digest only when asked.
    static FileStamp of(const QString &path, bool withDigest = true);
    // Whether the file at path still holds the stamped contents; a file only touched (another
    // time, the same bytes) is stamped anew.
    bool stillHolds(const QString &path);
    // What an action says when it found the file changed: shown as it is now, nothing written.
    static QString changedText(const QString &path);
};

} // namespace orvanta
