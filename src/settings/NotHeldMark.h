#pragma once

#include <QCoreApplication>
#include <QWidget>

namespace orvanta {

// The tooltip of a value the panel does not hold: what it holds instead.
inline QString NotHeldText(const QString &held)
{
    return QCoreApplication::translate("orvanta::NotHeldMark", "Охранная панель хранит: %1")
        .arg(held);
}

// After a write the panel did not wholly take, a control whose value the panel does not hold is
// marked: a light red ground, and a tooltip with what the panel holds instead. The page keeps
// the user's value. An empty text clears the mark.
inline void MarkNotHeld(QWidget *control, const QString &held)
{
    // Only the control's own ground: its tooltip keeps the usual look.
    control->setStyleSheet(held.isEmpty()
                               ? QString()
                               : QStringLiteral("%1 { background-color: #ffa0a0; }")
                                     .arg(QLatin1String(control->metaObject()->className())));
    control->setToolTip(held.isEmpty() ? QString() : NotHeldText(held));
}

// What a checkbox of the panel's holds, for the mark's tooltip.
inline QString CheckText(bool checked)
{
    return checked ? QCoreApplication::translate("orvanta::NotHeldMark", "отмечено")
                   : QCoreApplication::translate("orvanta::NotHeldMark", "не отмечено");
}

} // namespace orvanta
