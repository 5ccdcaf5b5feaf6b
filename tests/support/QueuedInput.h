#pragma once

#include <QWidget>
#include <QWindow>
#include <optional>
#include <qpa/qwindowsysteminterface.h>

namespace orvanta::test {

// A click as the window system delivers it: queued behind whatever the tool is busy with and
// delivered when the tool next takes its input, not handed to the widget at once as QTest does.
// At the widget's centre unless a point of it is given.
inline void QueueClick(QWidget *widget, std::optional<QPoint> at = std::nullopt)
{
    QWidget *top = widget->window();
    const QPoint point = at.value_or(widget->rect().center());
    const QPointF local = widget->mapTo(top, point);
    const QPointF global = widget->mapToGlobal(point);
    using Queued = QWindowSystemInterface::AsynchronousDelivery;
    QWindowSystemInterface::handleMouseEvent<Queued>(top->windowHandle(), local, global,
                                                     Qt::LeftButton, Qt::LeftButton,
                                                     QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<Queued>(top->windowHandle(), local, global,
                                                     Qt::NoButton, Qt::LeftButton,
                                                     QEvent::MouseButtonRelease);
}

// A key pressed and released as the window system delivers it, to the widget with the focus.
inline void QueueKey(QWidget *anyInWindow, int key, const QString &text = {})
{
    using Queued = QWindowSystemInterface::AsynchronousDelivery;
    QWindow *window = anyInWindow->window()->windowHandle();
    QWindowSystemInterface::handleKeyEvent<Queued>(window, QEvent::KeyPress, key, Qt::NoModifier,
                                                   text);
    QWindowSystemInterface::handleKeyEvent<Queued>(window, QEvent::KeyRelease, key, Qt::NoModifier,
                                                   text);
}

} // namespace orvanta::test
