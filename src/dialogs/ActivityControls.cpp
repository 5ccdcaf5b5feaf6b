#include "ActivityControls.h"

#include "Dialogs.h"

#include <QAbstractButton>

namespace orvanta {

void BindToActivity(QAbstractButton *button, Activity &activity, Activity::Kind kind,
                    std::function<void()> action)
{
    const auto update = [button, &activity, kind] {
        button->setEnabled(activity.canBegin(kind));
    };
    QObject::connect(&activity, &Activity::changed, button, update);
    update();
    QObject::connect(button, &QAbstractButton::clicked, button,
                     Dialogs::Guarded([&activity, kind, action = std::move(action)] {
                         const ActivityScope running(activity, kind);
                         if (running)
                             action();
                     }));
}

} // namespace orvanta
