#include "SettingsPage.h"

#include "dialogs/ActivityControls.h"
#include "dialogs/LiveText.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta {

void SettingsPage::setDebugMode(bool on) const
{
    for (QWidget *button : m_debugButtons)
        button->setVisible(on);
}

void SettingsPage::writeOwnPart() const
{
    if (m_partWrite)
        m_partWrite(part());
}

void SettingsPage::addDebugButtons(QGridLayout *grid, int row, int rowSpan, int column,
                                   Activity &activity, const QString &writeName,
                                   std::function<void()> write, const QString &readName,
                                   std::function<void()> read)
{
    const struct
    {
        const char *caption;
        const QString &name;
        std::function<void()> &action;
    } buttons[] = {
        {QT_TRANSLATE_NOOP("orvanta::DebugButtons", "Записать в устройство"), writeName, write},
        {QT_TRANSLATE_NOOP("orvanta::DebugButtons", "Прочитать"), readName, read}};
    auto *stack = new QVBoxLayout;
    stack->setContentsMargins(0, 0, 0, 0);
    for (const auto &button : buttons) {
        auto *widget = TranslatedText(new QPushButton, [caption = button.caption] {
            return QCoreApplication::translate("orvanta::DebugButtons", caption);
        });
        widget->setObjectName(button.name);
        widget->setVisible(false);
        BindToActivity(widget, activity, Activity::Kind::Exchange, std::move(button.action));
        stack->addWidget(widget);
        m_debugButtons.push_back(widget);
    }
    stack->addStretch(1);
    grid->addLayout(stack, row, column, rowSpan, 1);
}

} // namespace orvanta
