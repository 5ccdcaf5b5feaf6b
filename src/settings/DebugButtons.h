#pragma once

#include "Activity.h"

#include <QString>
#include <functional>

class QGridLayout;

namespace orvanta {

// The page's own "Записать в устройство" and "Прочитать" buttons, one above the other at the
// top of a column of the grid that spans rowSpan rows from row, so that the taller buttons never
// stretch the grid's rows. They are hidden until debug mode shows them, run as a panel exchange
// of the activity, and an error of their action is shown in a message box.
void AddDebugButtons(QGridLayout *grid, int row, int rowSpan, int column, Activity &activity,
                     const QString &writeName, std::function<void()> write, const QString &readName,
                     std::function<void()> read);

} // namespace orvanta
