#pragma once

#include "Activity.h"
#include "PanelExchange.h"

#include <QString>
#include <functional>

class QGridLayout;

namespace orvanta {

// How a page's own write runs: the window's checked write of the page's part (a snapshot
// first, the part read back, a journal line). Without it the write runs alone.
using PartWrite = std::function<void(WritePart part)>;

// Runs a page's write of its part through partWrite, or alone when there is none.
void RunPartWrite(const PartWrite &partWrite, WritePart part, const std::function<void()> &write);

// The page's own "Записать в устройство" and "Прочитать" buttons, one above the other at the
// top of a column of the grid that spans rowSpan rows from row, so that the taller buttons never
// stretch the grid's rows. They are hidden until debug mode shows them, run as a panel exchange
// of the activity, and an error of their action is shown in a message box.
void AddDebugButtons(QGridLayout *grid, int row, int rowSpan, int column, Activity &activity,
                     const QString &writeName, std::function<void()> write, const QString &readName,
                     std::function<void()> read);

} // namespace orvanta
