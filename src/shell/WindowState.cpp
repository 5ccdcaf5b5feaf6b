#include "WindowState.h"

#include "dialogs/WidgetNames.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QWidget>

#include <optional>

namespace orvanta {

namespace {

class StateStore
{
public:
    StateStore(QSettings &settings, const QWidget &window, BadValueHandler reportBadValue = {})
        : m_settings(settings)
        , m_reportBadValue(std::move(reportBadValue))
    {
        m_settings.beginGroup(window.objectName());
    }
    ~StateStore() { m_settings.endGroup(); }
    StateStore(const StateStore &) = delete;
    StateStore &operator=(const StateStore &) = delete;
    bool has(const QString &name) const { return m_settings.contains(name); }
    QVariant value(const QString &name) const { return m_settings.value(name); }
    void set(const QString &name, const QVariant &value) { m_settings.setValue(name, value); }

    // Empty when the value is missing or of the wrong type; the latter is reported.
    std::optional<int> integer(const QString &name) const
    {
        if (!has(name))
            return std::nullopt;
        bool ok = false;
        const int number = m_settings.value(name).toInt(&ok);
        if (ok)
            return number;
        reportBadValue(name);
        return std::nullopt;
    }
    std::optional<bool> boolean(const QString &name) const
    {
        if (!has(name))
            return std::nullopt;
        const QString text = m_settings.value(name).toString().toLower();
        if (text == QLatin1String("true") || text == QLatin1String("1"))
            return true;
        if (text == QLatin1String("false") || text == QLatin1String("0"))
            return false;
        reportBadValue(name);
        return std::nullopt;
    }

private:
    void reportBadValue(const QString &name) const
    {
        if (m_reportBadValue)
            m_reportBadValue(
                QCoreApplication::translate("orvanta::WindowState", "Invalid data type for '%1'")
                    .arg(name));
    }

    QSettings &m_settings;
    BadValueHandler m_reportBadValue;
};

bool kept(const QLineEdit *edit)
{
    // Line edits inside combo and spin boxes belong to those.
    return !edit->objectName().isEmpty() && !IsNotKept(edit) &&
           !qobject_cast<QComboBox *>(edit->parentWidget()) &&
           !qobject_cast<QAbstractSpinBox *>(edit->parentWidget());
}

// A box saved but not restored is saved all the same.
bool saved(const QLineEdit *edit)
{
    return kept(edit) || (!edit->objectName().isEmpty() && IsSavedOnly(edit));
}

// The window within the screen's free area, title bar and all: a screen smaller than the window,
// or bounds kept from a larger one, would put its lower edge and its buttons out of reach.
void fitOnScreen(const QWidget &window, QRect &bounds)
{
    // The screen the window was on, when it is still there.
    const QScreen *screen = QGuiApplication::screenAt(bounds.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize least = window.minimumSize();
    bounds.setWidth(std::max(std::min(bounds.width(), area.width()), least.width()));
    bounds.setHeight(std::max(std::min(bounds.height(), area.height() - titleBar), least.height()));
    bounds.moveLeft(
        std::max(std::min(bounds.left(), area.right() + 1 - bounds.width()), area.left()));
    bounds.moveTop(std::max(std::min(bounds.top(), area.bottom() + 1 - titleBar - bounds.height()),
                            area.top()));
}

} // namespace

void LoadWindowState(QWidget &window, const BadValueHandler &reportBadValue)
{
    QSettings settings(QStringLiteral("Orvanta"), QStringLiteral("Forms"));
    LoadWindowState(window, settings, reportBadValue);
}

void LoadWindowState(QWidget &window, QSettings &settings, const BadValueHandler &reportBadValue)
{
    StateStore store(settings, window, reportBadValue);
    const QString name = window.objectName();
    const QString key = name + QLatin1Char('.');
    const bool maximized = store.boolean(key + "WindowState").value_or(false);
    QRect bounds = window.geometry();
    if (const std::optional<int> left = store.integer(key + "Left")) {
        bounds.moveLeft(*left);
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        bounds = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, bounds.size(),
                                     screen->availableGeometry());
    }
    if (const std::optional<int> top = store.integer(key + "Top"))
        bounds.moveTop(*top);
    if (const std::optional<int> height = store.integer(key + "Height"))
        bounds.setHeight(*height);
    if (const std::optional<int> width = store.integer(key + "Width"))
        bounds.setWidth(*width);
    fitOnScreen(window, bounds);
    window.move(bounds.topLeft());
    window.resize(bounds.size());
    // Maximized after the bounds are set, so that they are the bounds it restores to.
    if (maximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);

    for (QObject *child : window.findChildren<QObject *>()) {
        const QString valueName = child->objectName();
        if (auto *edit = qobject_cast<QLineEdit *>(child); edit && kept(edit)) {
            if (store.has(valueName + ".Text"))
                edit->setText(store.value(valueName + ".Text").toString());
        } else if (auto *radio = qobject_cast<QRadioButton *>(child)) {
            if (const std::optional<bool> checked = store.boolean(valueName + ".Checked"))
                radio->setChecked(*checked);
        } else if (auto *combo = qobject_cast<QComboBox *>(child)) {
            if (store.has(valueName + ".Text"))
                combo->setCurrentText(store.value(valueName + ".Text").toString());
        }
    }
}

void SaveWindowState(const QWidget &window)
{
    QSettings settings(QStringLiteral("Orvanta"), QStringLiteral("Forms"));
    StateStore store(settings, window);
    const QString key = window.objectName() + QLatin1Char('.');
    // A maximized window keeps the bounds it comes back to when restored.
    const bool maximized = window.isMaximized();
    const QRect bounds = maximized ? window.normalGeometry() : window.geometry();
    const QPoint frame = maximized ? bounds.topLeft() : window.pos();
    store.set(key + "Left", frame.x());
    store.set(key + "Top", frame.y());
    store.set(key + "Height", bounds.height());
    store.set(key + "Width", bounds.width());
    store.set(key + "WindowState", maximized);

    for (const QObject *child : window.findChildren<QObject *>()) {
        const QString valueName = child->objectName();
        if (valueName.isEmpty())
            continue;
        if (auto *edit = qobject_cast<const QLineEdit *>(child); edit && saved(edit))
            store.set(valueName + ".Text", edit->text());
        else if (auto *radio = qobject_cast<const QRadioButton *>(child))
            store.set(valueName + ".Checked", radio->isChecked());
        else if (auto *combo = qobject_cast<const QComboBox *>(child))
            store.set(valueName + ".Text", combo->currentText());
    }
}

QString LoadWindowValue(const QWidget &window, const QString &name)
{
    QSettings settings(QStringLiteral("Orvanta"), QStringLiteral("Forms"));
    return StateStore(settings, window).value(name).toString();
}

void SaveWindowValue(const QWidget &window, const QString &name, const QString &value)
{
    QSettings settings(QStringLiteral("Orvanta"), QStringLiteral("Forms"));
    StateStore(settings, window).set(name, value);
}

} // namespace orvanta
