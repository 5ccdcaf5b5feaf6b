#pragma once

#include "core/Failure.h"

#include <optional>

namespace orvanta {

// What an action on the sound side did, for the user: done, or how it failed; a note says
// something worth knowing of what was done (a long message that was kept). The widgets show it.
struct SoundResult
{
    // From why not (empty: done), so that an action returns its reason as it stands.
    SoundResult(const QString &why = {}, QString said = {})
        : note(std::move(said))
    {
        if (!why.isEmpty())
            failure = Failure{Failure::Kind::Error, {}, why, {}};
    }
    static SoundResult failed(const QString &error) { return SoundResult(error); }
    // A failure of the sound device itself, whose own words the sound page shows.
    static SoundResult deviceFailed(const QString &error)
    {
        SoundResult result(error);
        result.failure->kind = Failure::Kind::SoundDevice;
        return result;
    }

    std::optional<Failure> failure;
    QString note;

    bool done() const { return !failure; }
    QString error() const { return failure ? failure->text() : QString(); }
};

} // namespace orvanta
