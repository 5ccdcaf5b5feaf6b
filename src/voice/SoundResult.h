#pragma once

#include <QString>

namespace orvanta {

// What an action on the sound side did, for the user: done, or why not; a note says something
// worth knowing of what was done (a long message that was kept). The widgets show it.
struct SoundResult
{
    QString error;
    QString note;

    bool done() const { return error.isEmpty(); }
    static SoundResult Failed(QString error) { return {std::move(error), {}}; }
};

} // namespace orvanta
