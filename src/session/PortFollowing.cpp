#include "PortFollowing.h"

#include <QTimer>

namespace orvanta {

namespace {

// How soon a change waits again while the front end is busy.
constexpr int BusyRetryMs = 200;

} // namespace

PortFollowing::PortFollowing(PanelLink &link, Front front, const QString &deviceFolder,
                             QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_front(std::move(front))
    , m_watcher(deviceFolder)
{
    auto follow = [this](bool came) {
        return [this, came](const SerialAdapter &adapter) {
            emit adaptersChanged();
            m_pending.push_back({came, adapter});
            handlePending();
        };
    };
    connect(&m_watcher, &PortWatcher::added, this, follow(true));
    connect(&m_watcher, &PortWatcher::removed, this, follow(false));
}

QString PortFollowing::stablePathOfChoice() const
{
    const SerialAdapter *adapter = m_watcher.find(m_front.chosen());
    return adapter ? adapter->stablePath : QString();
}

void PortFollowing::findAgain(const QString &stablePath)
{
    if (stablePath.isEmpty() || m_watcher.find(m_front.chosen()))
        return;
    if (const SerialAdapter *adapter = m_watcher.find(stablePath))
        m_front.choose(adapter->path);
}

void PortFollowing::handlePending()
{
    // A change waits for the front end's exchange, wait or activity to end; a timer runs only
    // while one waits.
    if (m_front.busy()) {
        if (!m_retryQueued) {
            m_retryQueued = true;
            QTimer::singleShot(BusyRetryMs, this, [this] {
                m_retryQueued = false;
                handlePending();
            });
        }
        return;
    }
    while (!m_pending.empty() && !m_front.busy()) {
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

void PortFollowing::adapterCame(const SerialAdapter &adapter)
{
    // Gone again before its turn.
    if (!m_watcher.find(adapter.path))
        return;
    // The connection belongs to the panel the user has: another adapter is only noted, even when
    // that panel's last command went unanswered for a reason (no key at the reader).
    if (m_link.IsOpened() && !m_link.connectionFailed()) {
        emit said(
            tr("Подключён адаптер %1; связь остаётся на %2").arg(adapter.label(), m_front.chosen()),
            false);
        return;
    }
    const PortAttempt attempt = m_front.tryPort(adapter.path);
    if (!attempt.found()) {
        emit said(tr("%1: охранная панель не отвечает (%2)").arg(adapter.label(), attempt.failure),
                  true);
        return;
    }
    m_front.choose(adapter.path);
    if (m_front.pagesAsStarted()) {
        emit said({}, false);
        m_front.readWhole();
    } else {
        emit said(tr("Охранная панель отвечает на %1: её настройки прочитает «Прочитать "
                     "настройки из \"Orvanta\"»")
                      .arg(adapter.label()),
                  false);
    }
}

void PortFollowing::adapterWent(const SerialAdapter &adapter)
{
    const QString port = m_front.chosen();
    const bool chosen =
        port == adapter.path || (!adapter.stablePath.isEmpty() && port == adapter.stablePath);
    if (!chosen)
        return;
    // Nothing more is written to a device that is gone.
    m_front.closePort();
    const bool wasConnected = m_link.connected();
    if (wasConnected)
        m_link.setConnected(false);
    emit said(wasConnected
                  ? tr("Адаптер %1 отключён: связи с охранной панелью нет").arg(adapter.label())
                  : tr("Адаптер %1 отключён").arg(adapter.label()),
              true);
}

} // namespace orvanta
