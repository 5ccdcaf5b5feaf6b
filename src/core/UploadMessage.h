#pragma once

#include <QString>

namespace orvanta {

// One message of an upload: its row of the list (1 to 54) and its wave file, read when its turn
// comes. The check before an upload and the upload itself take the same rows.
struct UploadMessage
{
    int row = 0;
    QString file;
};

} // namespace orvanta
