#pragma once

#include <QObject>
#include <functional>

namespace orvanta {

// What the tool is doing now with the sound and the panel: one thing at a time. A start that
// conflicts with the running activity is refused, whether it comes from a click that waited in
// the queue or from a direct call; the pages enable their controls from canBegin(). A sound
// that only plays gives way: any other start ends it first.
class Activity : public QObject
{
    Q_OBJECT
public:
    enum class Kind { None, Playing, Recording, Uploading, Speaking, Editing, Exchange };

    Kind current() const { return m_kind; }
    bool idle() const { return m_kind == Kind::None; }
    bool canBegin(Kind kind) const;
    // Makes kind the running activity, ending a playing sound first; false when refused.
    bool begin(Kind kind);
    // Ends kind if it is the running activity.
    void end(Kind kind);

    // How a playing sound is ended when another activity starts.
    void setPlayingStopper(std::function<void()> stop) { m_stopPlaying = std::move(stop); }
    // How the running activity is asked to end safely, for a closing window: a recording is
    // kept, an upload ends the panel's recording. Set by whoever began it.
    void setEnder(std::function<void()> end) { m_ender = std::move(end); }
    void requestEnd();

signals:
    void changed();

private:
    Kind m_kind = Kind::None;
    std::function<void()> m_stopPlaying;
    std::function<void()> m_ender;
};

// An activity for as long as the scope lives; test it: a refused scope holds nothing.
class ActivityScope
{
public:
    ActivityScope(Activity &activity, Activity::Kind kind)
        : m_activity(activity)
        , m_kind(kind)
        , m_held(activity.begin(kind))
    {}
    ~ActivityScope()
    {
        if (m_held)
            m_activity.end(m_kind);
    }
    explicit operator bool() const { return m_held; }
    ActivityScope(const ActivityScope &) = delete;
    ActivityScope &operator=(const ActivityScope &) = delete;

private:
    Activity &m_activity;
    Activity::Kind m_kind;
    bool m_held;
};

} // namespace orvanta
