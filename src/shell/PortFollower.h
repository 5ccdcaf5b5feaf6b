#pragma once

#include "session/PortFollowing.h"

#include <QObject>

class QComboBox;

namespace orvanta {

class StatusLine;

// cb1 and the line under it, bound to the following of the adapters: the list changes as
// adapters come and go, each named beside its path in the drop-down and in a tooltip, and what
// became of an adapter is said on the line.
class PortFollower : public QObject
{
    Q_OBJECT
public:
    // The fixed names ("COM1" to "COM8") come first, then the adapters of the folder (empty: the
    // system's). The front's chosen and choose are cb1's.
    PortFollower(QComboBox &port, StatusLine &note, PanelLink &link, PortFollowing::Front front,
                 const QString &deviceFolder = {}, QObject *parent = nullptr);

    PortFollowing &following() { return m_following; }

private:
    void fillList();
    void say(const QString &text, bool problem);

    QComboBox &m_port;
    StatusLine &m_note;
    PortFollowing m_following;
};

} // namespace orvanta
