#include "Activity.h"

namespace orvanta {

bool Activity::canBegin(Kind kind) const
{
    return kind != Kind::None && (m_kind == Kind::None || m_kind == Kind::Playing);
}

bool Activity::begin(Kind kind)
{
    if (!canBegin(kind))
        return false;
    if (m_kind == Kind::Playing && m_stopPlaying)
        m_stopPlaying(); // may end Playing itself, through the device's signal
    m_kind = kind;
    m_ender = nullptr;
    emit changed();
    return true;
}

void Activity::end(Kind kind)
{
    if (m_kind != kind)
        return;
    m_kind = Kind::None;
    m_ender = nullptr;
    emit changed();
}

void Activity::requestEnd()
{
    if (m_kind == Kind::Playing && m_stopPlaying)
        m_stopPlaying();
    else if (m_ender)
        m_ender();
}

} // namespace orvanta
