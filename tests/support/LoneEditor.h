#pragma once

#include "panel/MessageTable.h"
#include "soundpage/WaveAdjuster.h"
#include "voice/MessageList.h"

#include <QTemporaryDir>

namespace orvanta::test {

// The waveform editor on its own, over a message list of its own in a temporary folder, shown at
// the page's size.
struct LoneEditor
{
    QTemporaryDir folder;
    MessageList list{folder.path()};
    MessageSound sound{list, MemorySeconds};
    TWaveAdjuster editor{sound};

    explicit LoneEditor(int width = 690)
    {
        editor.resize(width, 105);
        editor.show();
    }
    QString path(const char *name) const { return folder.filePath(QLatin1String(name)); }
    // Row 1 names the file and is shown, as a click in the list shows it.
    void showInRow(const QString &file)
    {
        list.setCell(MessageList::FileColumn, 1, file);
        editor.showRow(1);
    }
};

} // namespace orvanta::test
