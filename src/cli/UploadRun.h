#pragma once

#include "CommandLine.h"
#include "session/UploadSession.h"

#include <QJsonArray>
#include <vector>

namespace orvanta {
class MessageList;
}

namespace orvanta::cli {

// The lists named by --messages and --sounds, else the window's; false, said, when neither is
// there.
bool LoadLists(const Invocation &call, MessageList &list);
// Every message checked for playing, and for the panel's memory unless --yes: false, said on
// standard error, when one stands in the way; then nothing may be sent.
bool UploadCheckPassed(UploadSession &session, const std::vector<UploadMessage> &messages,
                       const Options &options, UploadCheck &check);

// What became of an upload: its end, and a row per message.
struct UploadRun
{
    UploadOutcome outcome;
    QJsonArray rows;
};
// The messages played into the panel with a line on the terminal while they go; what failed is
// said on standard error. Ctrl+C is the caller's (an InterruptWatch that stops the session).
UploadRun SendMessages(UploadSession &session, const MessageList &list,
                       std::vector<UploadMessage> messages, const UploadCheck &check);

} // namespace orvanta::cli
