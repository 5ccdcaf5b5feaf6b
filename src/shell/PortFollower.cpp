#include "PortFollower.h"

#include "dialogs/StatusLine.h"
#include "link/AppConfig.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyledItemDelegate>
#include <QTimer>

namespace orvanta {

namespace {

// The adapter's name of a cb1 entry, which the drop-down shows before its path.
constexpr int AdapterNameRole = Qt::UserRole + 1;
// How soon a change waits again while the window is busy.
constexpr int BusyRetryMs = 200;

class AdapterNameDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString name = index.data(AdapterNameRole).toString();
        if (!name.isEmpty())
            option->text = name + QStringLiteral(" — ") + option->text;
    }
};

} // namespace

PortFollower::PortFollower(QComboBox &port, StatusLine &note, PanelLink &link, Window window,
                           const QString &deviceFolder, QObject *parent)
    : QObject(parent)
    , m_port(port)
    , m_note(note)
    , m_link(link)
    , m_window(std::move(window))
    , m_watcher(deviceFolder)
{
    m_port.setItemDelegate(new AdapterNameDelegate(&m_port));
    fillList();
    connect(&m_watcher, &PortWatcher::added, this, [this](const SerialAdapter &adapter) {
        fillList();
        m_pending.push_back({true, adapter});
        handlePending();
    });
    connect(&m_watcher, &PortWatcher::removed, this, [this](const SerialAdapter &adapter) {
        fillList();
        m_pending.push_back({false, adapter});
        handlePending();
    });
    // The tooltip names the adapter chosen.
    connect(&m_port, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        const SerialAdapter *adapter = m_watcher.find(text);
        m_port.setToolTip(adapter ? adapter->label() : QString());
    });
}

QString PortFollower::stablePathOfChoice() const
{
    const SerialAdapter *adapter = m_watcher.find(m_port.currentText());
    return adapter ? adapter->stablePath : QString();
}

void PortFollower::findAgain(const QString &stablePath)
{
    if (stablePath.isEmpty() || m_watcher.find(m_port.currentText()))
        return;
    if (const SerialAdapter *adapter = m_watcher.find(stablePath))
        m_port.setCurrentText(adapter->path);
}

void PortFollower::fillList()
{
    const QString chosen = m_port.currentText();
    const QSignalBlocker quiet(&m_port);
    m_port.clear();
    for (const QString &name : PortNames(m_watcher.adapters())) {
        m_port.addItem(name);
        if (const SerialAdapter *adapter = m_watcher.find(name)) {
            m_port.setItemData(m_port.count() - 1, adapter->name(), AdapterNameRole);
            m_port.setItemData(m_port.count() - 1, adapter->label(), Qt::ToolTipRole);
        }
    }
    // The drop-down is as wide as its longest entry, so that a name is never cut in two.
    int widest = 0;
    for (const SerialAdapter &adapter : m_watcher.adapters())
        widest = std::max(widest, m_port.view()->fontMetrics().horizontalAdvance(adapter.label()));
    m_port.view()->setMinimumWidth(widest + m_port.view()->fontMetrics().averageCharWidth() * 4);
    m_port.setCurrentText(chosen);
    const SerialAdapter *adapter = m_watcher.find(chosen);
    m_port.setToolTip(adapter ? adapter->label() : QString());
}

void PortFollower::handlePending()
{
    // A change waits for the window's exchange, wait or activity to end; a timer runs only while
    // one waits.
    if (m_window.busy()) {
        if (!m_retryQueued) {
            m_retryQueued = true;
            QTimer::singleShot(BusyRetryMs, this, [this] {
                m_retryQueued = false;
                handlePending();
            });
        }
        return;
    }
    while (!m_pending.empty() && !m_window.busy()) {
        const Change change = m_pending.front();
        m_pending.erase(m_pending.begin());
        if (change.came)
            adapterCame(change.adapter);
        else
            adapterWent(change.adapter);
    }
    if (!m_pending.empty())
        handlePending();
}

void PortFollower::adapterCame(const SerialAdapter &adapter)
{
    // Gone again before its turn.
    if (!m_watcher.find(adapter.path))
        return;
    // The connection belongs to the panel the user has: another adapter is only noted, even when
    // that panel's last command went unanswered for a reason (no key at the reader).
    if (m_link.IsOpened() && !m_link.connectionFailed()) {
        say(tr("Подключён адаптер %1; связь остаётся на %2")
                .arg(adapter.label(), m_port.currentText()),
            false);
        return;
    }
    const PortAttempt attempt = m_window.tryPort(adapter.path);
    if (!attempt.found()) {
        say(tr("%1: охранная панель не отвечает (%2)").arg(adapter.label(), attempt.failure), true);
        return;
    }
    m_port.setCurrentText(adapter.path);
    if (m_window.pagesAsStarted()) {
        say({}, false);
        m_window.readWhole();
    } else {
        say(tr("Охранная панель отвечает на %1: её настройки прочитает «Прочитать настройки из "
               "\"Orvanta\"»")
                .arg(adapter.label()),
            false);
    }
}

void PortFollower::say(const QString &text, bool problem)
{
    // A problem in dark red, news in the window's own colour.
    QPalette palette = m_note.parentWidget() ? m_note.parentWidget()->palette() : m_note.palette();
    if (problem)
        palette.setColor(QPalette::WindowText, QColor(0xaa, 0, 0));
    m_note.setPalette(palette);
    m_note.say(text);
}

void PortFollower::adapterWent(const SerialAdapter &adapter)
{
    const QString port = m_port.currentText();
    const bool chosen =
        port == adapter.path || (!adapter.stablePath.isEmpty() && port == adapter.stablePath);
    if (!chosen)
        return;
    // Nothing more is written to a device that is gone.
    m_window.closePort();
    const bool wasConnected = m_link.connected();
    if (wasConnected)
        m_link.setConnected(false);
    say(wasConnected ? tr("Адаптер %1 отключён: связи с охранной панелью нет").arg(adapter.label())
                     : tr("Адаптер %1 отключён").arg(adapter.label()),
        true);
}

} // namespace orvanta
