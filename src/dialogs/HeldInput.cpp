#include "HeldInput.h"

#include <QCoreApplication>
#include <QEvent>

namespace orvanta {

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// Swallows the user's input for as long as it is installed on the application.
class InputSwallower : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override { return isUserInput(event->type()); }
};

} // namespace

HeldInputDropper::HeldInputDropper(Activity &activity, QObject *parent)
    : QObject(parent)
{
    connect(&activity, &Activity::changed, this, [this, &activity] {
        const Activity::Kind ended = m_last;
        m_last = activity.current();
        if (blocks(ended) && ended != m_last)
            dropPendingInput();
    });
}

bool HeldInputDropper::blocks(Activity::Kind kind)
{
    return kind == Activity::Kind::Exchange || kind == Activity::Kind::Speaking ||
           kind == Activity::Kind::Editing;
}

void HeldInputDropper::dropPendingInput()
{
    InputSwallower swallower;
    QCoreApplication::instance()->installEventFilter(&swallower);
    // Input the window system has read is turned into events and delivered over a pass or two.
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::instance()->removeEventFilter(&swallower);
}

} // namespace orvanta
