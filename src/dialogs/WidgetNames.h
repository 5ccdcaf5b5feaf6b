#pragma once

#include <QVariant>
#include <QWidget>

namespace orvanta {

// Gives a widget the object name by which the window, its pages and their tests address it.
template <typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Marks an edit box whose value is not kept between runs (the panel's password, a key code, a
// value read from the panel): the window-state store neither saves nor restores it.
inline void MarkNotKept(QWidget *widget)
{
    widget->setProperty("tag", 1);
}

inline bool IsNotKept(const QWidget *widget)
{
    return widget->property("tag").toInt() == 1;
}

// Marks an edit box whose value is saved with the window's state but never restored at start (the
// name of the site last worked on): it is no secret, and yesterday's value must not label today's
// panel.
inline void MarkNotRestored(QWidget *widget)
{
    MarkNotKept(widget);
    widget->setProperty("saved", true);
}

inline bool IsSavedOnly(const QWidget *widget)
{
    return widget->property("saved").toBool();
}

} // namespace orvanta
