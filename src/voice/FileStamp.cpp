#include "FileStamp.h"

#include "RegularFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <sys/stat.h>

namespace orvanta {

FileStamp FileStamp::of(const QString &path, bool withDigest)
{
    FileStamp stamp;
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return stamp;
    stamp.size = status.st_size;
    stamp.modifiedNs = qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    // Read without waiting, whatever was put in the file's place.
    const RegularFile opened(path);
    QFile file;
    if (withDigest && opened.isOpen() && file.open(opened.descriptor(), QIODevice::ReadOnly)) {
        QCryptographicHash hash(QCryptographicHash::Sha1);
        hash.addData(&file);
        stamp.digest = hash.result();
    }
    return stamp;
}

bool FileStamp::stillHolds(const QString &path)
{
    FileStamp now = of(path, false);
    if (now.size == size && now.modifiedNs == modifiedNs)
        return true;
    now = of(path, true);
    if (now.size != size || now.digest != digest)
        return false;
    *this = now;
    return true;
}

QString FileStamp::changedText(const QString &path)
{
    return tr("Файл \"%1\" изменён на диске после того, как был показан: показан звук из "
              "файла, как он есть сейчас; изменение не сделано")
        .arg(path);
}

} // namespace orvanta
