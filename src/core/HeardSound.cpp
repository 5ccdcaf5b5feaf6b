#include "HeardSound.h"

namespace orvanta {

QString HeardSound::levelText() const
{
    return tr("пик %1 дБFS, RMS %2 дБFS, %3 с")
        .arg(peakDb, 0, 'f', 1)
        .arg(rmsDb, 0, 'f', 1)
        .arg(seconds, 0, 'f', 2);
}

} // namespace orvanta
