#pragma once

#include <functional>

class QSettings;
class QString;
class QWidget;

namespace orvanta {

// The main window's place, size and maximized state, and the texts of its combo boxes, kept
// between runs (organisation "Orvanta", application "Forms", group named after the window).
// Edit boxes marked not kept (MarkNotKept) hold values such as the panel's password, and are
// neither stored nor restored.
//
// A stored value of the wrong type is reported ("Invalid data type for '<name>'") and skipped,
// so that the window keeps its built-in value and one bad line cannot stop every later start.
using BadValueHandler = std::function<void(const QString &message)>;
void LoadWindowState(QWidget &window, const BadValueHandler &reportBadValue);
// The same from a given store, such as a file of its own.
void LoadWindowState(QWidget &window, QSettings &settings, const BadValueHandler &reportBadValue);
void SaveWindowState(const QWidget &window);
// One more text kept with the window's state, such as a chosen device; empty when none is kept.
QString LoadWindowValue(const QWidget &window, const QString &name);
void SaveWindowValue(const QWidget &window, const QString &name, const QString &value);

} // namespace orvanta
