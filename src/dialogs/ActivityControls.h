#pragma once

#include "link/Activity.h"

#include <functional>

class QAbstractButton;

namespace orvanta {

// A button that starts an activity: enabled only while the activity could start, and its click
// runs the action as that activity (a click that waited in the queue behind another activity is
// refused). An error of the action is shown in a message box.
void BindToActivity(QAbstractButton *button, Activity &activity, Activity::Kind kind,
                    std::function<void()> action);

} // namespace orvanta
