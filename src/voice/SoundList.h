#pragma once

#include "core/TextEncoding.h"

#include <QString>
#include <QStringList>

namespace orvanta {

// A column of the message grid as kept in "messages.txt" or "sounds.txt": one line per row,
// row 0 (the title) first, lines ended by CR LF.
struct SoundListColumn
{
    static constexpr int Rows = 55;

    QStringList cells = QStringList(Rows); // always Rows cells
    TextEncoding encoding = TextEncoding::Utf8;
};

// Reads up to 55 lines; an empty line is kept as a single blank so that it holds its row, lines
// beyond the 55th are dropped. Throws EInOutError when the file cannot be read.
SoundListColumn ReadSoundList(const QString &path);

// Writes all 55 cells, each followed by CR LF, in the encoding the column was read in. The old
// file is replaced only once the new one is complete. Throws EInOutError.
void WriteSoundList(const QString &path, const SoundListColumn &column);

} // namespace orvanta
