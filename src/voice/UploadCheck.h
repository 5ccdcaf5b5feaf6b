#pragma once

#include "core/UploadMessage.h"

#include <QString>
#include <vector>

namespace orvanta {

class WaveDevice;

// What stands in the way of an upload, looked at before the panel is told anything: the panel
// numbers the messages it records, so a message skipped half-way would move every later one into
// an earlier slot.
struct UploadCheck
{
    struct Problem
    {
        int row = 0;
        QString file;
        QString reason;
    };
    QString outputProblem;         // no output to play on: nothing else was looked at
    std::vector<Problem> problems; // each row that cannot be played, with the reason
    double seconds = 0;            // the sound of the messages that can, measured now

    bool passed() const { return outputProblem.isEmpty() && problems.empty(); }
};

// Reads each message's file now (never waiting on one that is no regular file) and opens it on
// the device's output, so that the upload only starts when every message can be played.
UploadCheck CheckMessagesToPlay(const std::vector<UploadMessage> &messages, WaveDevice &device);

} // namespace orvanta
