#pragma once

class QWidget;

namespace orvanta {

// The main window's place, size and maximized state, and the texts of its combo boxes, kept
// between runs (organisation "Orvanta", application "Forms", group named after the window).
// Edit boxes whose "tag" property is 1 hold values that must not be kept, such as the panel's
// password, and are neither stored nor restored.
void LoadWindowState(QWidget &window);
void SaveWindowState(const QWidget &window);

} // namespace orvanta
