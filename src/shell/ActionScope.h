#pragma once

#include "link/Activity.h"

#include <functional>

namespace orvanta {

// The whole-panel actions under way, the tool's panel exchange: one holds the exchange while
// another activity is refused it; actions inside it (the connection check reads the panel) are
// part of it. ended runs when the last one is over, so that a close that came meanwhile follows.
class PanelActions
{
public:
    explicit PanelActions(Activity &activity, std::function<void()> ended)
        : m_activity(activity)
        , m_ended(std::move(ended))
    {}
    bool running() const { return m_running > 0; }

private:
    friend class ActionScope;
    Activity &m_activity;
    std::function<void()> m_ended;
    int m_running = 0;
};

// One whole-panel action for as long as it lives; false when another activity runs.
class ActionScope
{
public:
    explicit ActionScope(PanelActions &actions)
        : m_actions(actions)
        , m_held(actions.m_running > 0 || actions.m_activity.begin(Activity::Kind::Exchange))
    {
        if (m_held)
            ++m_actions.m_running;
    }
    ~ActionScope()
    {
        if (!m_held || --m_actions.m_running > 0)
            return;
        m_actions.m_activity.end(Activity::Kind::Exchange);
        m_actions.m_ended();
    }
    explicit operator bool() const { return m_held; }
    ActionScope(const ActionScope &) = delete;
    ActionScope &operator=(const ActionScope &) = delete;

private:
    PanelActions &m_actions;
    bool m_held;
};

} // namespace orvanta
