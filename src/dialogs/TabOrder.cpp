#include "TabOrder.h"

#include <QLayout>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace orvanta {

void OrderTabsAsRead(QWidget &area)
{
    struct Place
    {
        QWidget *widget;
        QRect box;
    };
    if (area.layout())
        area.layout()->activate();
    std::vector<Place> places;
    for (QWidget *widget : area.findChildren<QWidget *>()) {
        // A hidden control has no place yet; it keeps its place in the chain.
        if (!widget->isVisibleTo(&area))
            continue;
        // Parts of a control (a combo box's field, a table's viewport) go with their control.
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() &&
            !widget->isWindow() && widget->parentWidget() &&
            !(widget->parentWidget()->focusPolicy() & Qt::TabFocus))
            places.push_back({widget, QRect(widget->mapTo(&area, QPoint(0, 0)), widget->size())});
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const Place &a, const Place &b) { return a.box.top() < b.box.top(); });
    for (auto line = places.begin(); line != places.end();) {
        auto end = line + 1;
        while (end != places.end() && end->box.top() < line->box.bottom())
            ++end;
        std::stable_sort(
            line, end, [](const Place &a, const Place &b) { return a.box.left() < b.box.left(); });
        line = end;
    }
    for (size_t i = 1; i < places.size(); ++i)
        QWidget::setTabOrder(places[i - 1].widget, places[i].widget);
}

} // namespace orvanta
