#pragma once

#include "link/Activity.h"
#include "panel/PanelExchange.h"

#include <QWidget>
#include <functional>
#include <vector>

class QGridLayout;

namespace orvanta {

// How a page's own write runs: the checked write of the page's part (a snapshot first, the part
// read back, a journal line), which the one who shows the page gives.
using PartWrite = std::function<void(WritePart part)>;

// What the window knows of a settings page: its caption, the part of the panel's settings it
// gives to a write, how it shows a read, gives what it shows, and marks what the panel did not
// keep. The window does each of these for every page in turn.
class SettingsPage : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The page's tab caption, in the interface's language.
    virtual QString title() const = 0;
    // The part of a write that collect() gives.
    virtual WritePart part() const = 0;
    // Shows the settings as a read takes them.
    virtual void observe(ReadObserver &observer) = 0;
    // Gives what the page shows. A field that is no number throws EConvertError.
    virtual void collect(PanelSettings &settings) const = 0;
    // Marks what the panel does not hold as the page shows it; an empty held clears the marks.
    virtual void markNotHeld(const PanelSettings &held) const = 0;

    // How the page's own "Записать в устройство" runs its write. A page nobody gave one to writes
    // nothing: every write of settings goes through the checked write.
    void setPartWrite(PartWrite partWrite) { m_partWrite = std::move(partWrite); }
    // Shows or hides the page's own write and read buttons.
    void setDebugMode(bool on) const;

protected:
    // The page's own "Записать в устройство" and "Прочитать" buttons, one above the other at the
    // top of a column of the grid that spans rowSpan rows from row, so that the taller buttons
    // never stretch the grid's rows. They are hidden until debug mode shows them, run as a panel
    // exchange of the activity, and an error of their action is shown in a message box.
    void addDebugButtons(QGridLayout *grid, int row, int rowSpan, int column, Activity &activity,
                         const QString &writeName, std::function<void()> write,
                         const QString &readName, std::function<void()> read);
    // The page's part written through the part write.
    void writeOwnPart() const;

private:
    PartWrite m_partWrite;
    std::vector<QWidget *> m_debugButtons;
};

} // namespace orvanta
