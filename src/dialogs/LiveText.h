#pragma once

#include <QEvent>
#include <QObject>
#include <functional>
#include <utility>

namespace orvanta {

// Sets texts from the catalogue now and again whenever the interface's language changes: a
// widget passes the change on to its children, this one among them, so a window switched to
// another language speaks it at once.
class LiveText : public QObject
{
public:
    LiveText(QObject *owner, std::function<void()> apply)
        : QObject(owner)
        , m_apply(std::move(apply))
    {
        m_apply();
    }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            m_apply();
        return QObject::event(event);
    }

private:
    std::function<void()> m_apply;
};

// Keeps an owner's texts in the interface's language; apply sets them (with tr()).
inline void KeepTranslated(QObject *owner, std::function<void()> apply)
{
    new LiveText(owner, std::move(apply));
}

// A widget whose text follows the language: text() gives it in the language in use.
template <typename Widget, typename Text> Widget *TranslatedText(Widget *widget, Text text)
{
    KeepTranslated(widget, [widget, text] { widget->setText(text()); });
    return widget;
}

} // namespace orvanta
