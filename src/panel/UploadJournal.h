#pragma once

#include "MessageUpload.h"

#include <QDateTime>
#include <QString>
#include <vector>

namespace orvanta {

// The upload journal, uploads.txt beside the snapshot journal: one line per message an upload
// played, its receipt: when, the upload it belongs to, the port, the row, the file with its
// SHA-256 and length, what the panel recorded, the level heard and the verdict. Only appended to.
class UploadJournal
{
public:
    explicit UploadJournal(QString folder);
    QString path() const;

    // Appends the receipt of one message of the upload begun at started; throws EInOutError when
    // the journal cannot take it.
    void append(const UploadReceipt &receipt, const QDateTime &started, const QString &port) const;
    // The lines of the newest upload, as they stand in the journal.
    QStringList lastUpload() const;

private:
    QString m_folder;
};

} // namespace orvanta
