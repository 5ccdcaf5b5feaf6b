#pragma once

#include "dialogs/Dialogs.h"

#include <QString>
#include <utility>
#include <vector>

namespace orvanta::test {

// Records the message boxes the code under test shows, instead of showing them.
class DialogRecorder
{
public:
    DialogRecorder()
    {
        Dialogs::SetRecorder(
            [this](Dialogs::Kind kind, const QString &text) { boxes.emplace_back(kind, text); });
    }
    ~DialogRecorder()
    {
        Dialogs::SetRecorder({});
        Dialogs::SetRecordedAnswer(false);
        Dialogs::SetRecordedFileName({});
        Dialogs::SetRecordedChoice(-1);
    }
    // How the next questions are answered, and which file the file dialogs give.
    void answer(bool yes) { Dialogs::SetRecordedAnswer(yes); }
    void chooseFile(const QString &fileName) { Dialogs::SetRecordedFileName(fileName); }
    void choose(int index) { Dialogs::SetRecordedChoice(index); }
    DialogRecorder(const DialogRecorder &) = delete;
    DialogRecorder &operator=(const DialogRecorder &) = delete;

    std::vector<std::pair<Dialogs::Kind, QString>> boxes;
};

} // namespace orvanta::test
