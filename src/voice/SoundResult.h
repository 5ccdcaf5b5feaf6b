#pragma once

#include <QString>

namespace orvanta {

// What an action on the sound side did, for the user: done, or why not; a note says something
// worth knowing of what was done (a long message that was kept). The widgets show it.
struct SoundResult
{
    // From why not (empty: done), so that an action returns its reason as it stands.
    SoundResult(QString why = {}, QString said = {})
        : error(std::move(why))
        , note(std::move(said))
    {}

    QString error;
    QString note;

    bool done() const { return error.isEmpty(); }
    static SoundResult failed(QString error) { return SoundResult(std::move(error)); }
};

} // namespace orvanta
