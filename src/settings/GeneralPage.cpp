#include "GeneralPage.h"

#include "NotHeldMark.h"
#include "dialogs/LiveText.h"
#include "dialogs/WidgetNames.h"
#include "panel/PanelExchange.h"

#include "panel/Password.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orvanta {

GeneralPage::GeneralPage(QWidget *parent)
    : SettingsPage(parent)
{
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_version = new QLineEdit;
    m_version->setObjectName(QStringLiteral("xver"));
    m_version->setReadOnly(true);
    m_password = new QLineEdit;
    m_password->setObjectName(QStringLiteral("xpass"));
    m_password->setMaxLength(5);
    m_password->setMaximumWidth(120);
    // Both come from the panel; neither is kept between runs (the password least of all).
    MarkNotKept(m_version);
    MarkNotKept(m_password);
    m_password->installEventFilter(this);
    auto *versionLabel = TranslatedText(new QLabel, [] { return tr("Версия прошивки"); });
    auto *passwordLabel = TranslatedText(new QLabel, [] { return tr("Пароль"); });
    versionLabel->setBuddy(m_version);
    passwordLabel->setBuddy(m_password);
    form->addRow(versionLabel, m_version);
    form->addRow(passwordLabel, m_password);
    layout->addLayout(form);

    // Top to bottom as shown; the bit of each in the options byte.
    const struct
    {
        const char *name;
        const char *caption;
        int bit;
    } options[] = {
        {"ohrana", QT_TR_NOOP("Объект находится под охраной"), 0},
        {"ps", QT_TR_NOOP("Дозваниваться при постановке на охрану"), 1},
        {"sn", QT_TR_NOOP("Дозваниваться при снятии с охраны"), 2},
        {"brb_rez", QT_TR_NOOP("Дозваниваться при переходе на резервное  питание"), 4},
        {"brb_osn", QT_TR_NOOP("Дозваниваться при переходе на основное питание"), 5},
        {"xrele", QT_TR_NOOP("Выключать реле после снятия с охраны?"), 6},
        {"not_tm", QT_TR_NOOP("Не использовать ключи Touch Memory"), 3},
        {"xwork", QT_TR_NOOP("Обрабатывать события для реле после снятия с охраны"), 7},
    };
    for (const auto &option : options) {
        auto *box =
            TranslatedText(new QCheckBox, [caption = option.caption] { return tr(caption); });
        box->setObjectName(QLatin1String(option.name));
        m_options[size_t(option.bit)] = box;
        layout->addWidget(box);
    }
    layout->addStretch(1);
}

QString GeneralPage::title() const
{
    return tr("Общие настройки");
}

void GeneralPage::observe(ReadObserver &observer)
{
    observer.version = [this](const QString &version) {
        m_version->setText(version);
    };
    observer.password = [this](const QString &password) {
        m_password->setText(password);
    };
}

void GeneralPage::collect(PanelSettings &settings) const
{
    settings.password = m_password->text();
}

void GeneralPage::markNotHeld(const PanelSettings &held) const
{
    // The panel pads a short password with 5s, so "12" is held as "12555".
    const bool differs = held.password && PaddedPassword(m_password->text()) != *held.password;
    orvanta::MarkNotHeld(m_password, differs ? *held.password : QString());
}

bool GeneralPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_password || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const QString typed = static_cast<QKeyEvent *>(event)->text();
    // Navigation and editing keys carry no character, or a control character such as Delete's.
    if (typed.size() != 1 || typed[0].category() == QChar::Other_Control)
        return false;
    const bool selected = m_password->hasSelectedText();
    const int start = selected ? m_password->selectionStart() : m_password->cursorPosition();
    const int length = selected ? int(m_password->selectedText().size()) : 0;
    return !PasswordKeyAccepted(m_password->text(), start, length, typed[0]);
}

} // namespace orvanta
