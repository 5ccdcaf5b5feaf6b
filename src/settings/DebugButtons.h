#pragma once

#include <QString>
#include <functional>

class QGridLayout;

namespace orvanta {

// The page's own "Записать в устройство" and "Прочитать" buttons, one above the other at the
// top of a column of the grid that spans rowSpan rows from row, so that the taller buttons never
// stretch the grid's rows. They are hidden until debug mode shows them, and an error of their
// action is shown in a message box.
void AddDebugButtons(QGridLayout *grid, int row, int rowSpan, int column, const QString &writeName,
                     std::function<void()> write, const QString &readName,
                     std::function<void()> read);

} // namespace orvanta
