#pragma once

#include "link/Activity.h"

#include <QObject>

namespace orvanta {

// A click or key press that reaches the tool while it is busy with something that blocks the
// window (a panel exchange, speech, an edit) is held back by the window system and would be
// delivered once the work is over, to controls that are enabled again: a click on a greyed
// button would act after all. This drops such input when the blocking activity ends, so that
// only what the user does afterwards acts.
class HeldInputDropper : public QObject
{
public:
    explicit HeldInputDropper(Activity &activity, QObject *parent = nullptr);

    // Whether the activity blocks the window while it runs (its waits hold input back).
    static bool blocks(Activity::Kind kind);
    // Delivers every event waiting now, the user's input dropped.
    static void dropPendingInput();

private:
    Activity::Kind m_last = Activity::Kind::None;
};

} // namespace orvanta
