#include "WindowPages.h"

#include "dialogs/LiveText.h"
#include "dialogs/TabOrder.h"
#include "dialogs/WidgetNames.h"
#include "panel/PanelExchange.h"
#include "settings/GeneralPage.h"
#include "settings/KeysPage.h"
#include "settings/LoopsPage.h"
#include "settings/RelaysPage.h"
#include "soundpage/SoundPage.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

namespace orvanta {

WindowPages::WindowPages(PanelLink &link, SoundSession &sounds, QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("PageControl1"));
    // Tab follows what the eye reads on a page once it is laid out, that is shown.
    connect(this, &QTabWidget::currentChanged, this, [this] { orderTabsOnceLaidOut(); });
    // Tight tabs, so that all five captions fit the window's minimum width.
    setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 5px; }"));
    m_soundPage = named(new SoundPage(link, sounds), "TabSheet3");
    addTab(m_soundPage, QString());
    m_generalPage = named(new GeneralPage, "TabSheet1");
    m_keysPage = named(new KeysPage(link), "TabSheet2");
    m_loopsPage = named(new LoopsPage(link, m_generalPage->Options()), "TabSheet4");
    m_relaysPage = named(new RelaysPage(link), "TabSheet5");
    m_settingsPages = {m_generalPage, m_keysPage, m_loopsPage, m_relaysPage};
    for (SettingsPage *page : m_settingsPages)
        addTab(page, QString());
    KeepTranslated(this, [this] {
        setTabText(0, tr("Запись звука"));
        for (SettingsPage *page : m_settingsPages)
            setTabText(indexOf(page), page->title());
        // The tab bar names its scroll buttons once, in Qt's own words (Qt's catalogue).
        const char *const qtContext = "QTabBar";
        const std::pair<const char *, const char *> scrolls[] = {
            {"ScrollLeftButton", "Scroll Left"}, {"ScrollRightButton", "Scroll Right"}};
        for (QToolButton *button : findChildren<QToolButton *>())
            for (const auto &[name, words] : scrolls)
                if (button->objectName() == QLatin1String(name))
                    button->setAccessibleName(QCoreApplication::translate(qtContext, words));
    });
}

PanelSettings WindowPages::collect() const
{
    PanelSettings settings;
    for (const SettingsPage *page : m_settingsPages)
        page->collect(settings);
    settings.version = m_generalPage->version()->text();
    settings.usedSeconds = m_soundPage->usedSeconds();
    return settings;
}

void WindowPages::collectPart(WritePart part, PanelSettings &settings) const
{
    for (const SettingsPage *page : m_settingsPages)
        if (page->part() == part)
            page->collect(settings);
}

void WindowPages::show(const PanelSettings &settings, const Origin &origin)
{
    m_shown = true;
    m_origin = origin;
    ReadObserver observer;
    for (SettingsPage *page : m_settingsPages)
        page->observe(observer);
    ShowSettings(settings, observer);
    markNotHeld({});
}

void WindowPages::markNotHeld(const PanelSettings &held)
{
    for (const SettingsPage *page : m_settingsPages)
        page->markNotHeld(held);
}

void WindowPages::keepStart()
{
    m_startSettings = collect();
}

bool WindowPages::asStarted() const
{
    if (m_shown)
        return false;
    try {
        return collect() == m_startSettings;
    } catch (const std::exception &) {
        return false; // a field typed into that is no number
    }
}

void WindowPages::setDebugMode(bool on)
{
    m_soundPage->setDebugMode(on);
    for (const SettingsPage *page : m_settingsPages)
        page->setDebugMode(on);
}

void WindowPages::orderTabsOnceLaidOut()
{
    // A page is laid out when the events of its showing have run.
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            OrderTabsAsRead(*currentWidget());
    });
}

} // namespace orvanta
