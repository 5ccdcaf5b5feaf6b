#pragma once

#include "dialogs/Dialogs.h"

#include <QString>
#include <gtest/gtest.h>
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
        Dialogs::SetUnansweredReport([](const QString &question) {
            ADD_FAILURE() << "a question nobody answered: " << question.toStdString();
        });
    }
    ~DialogRecorder()
    {
        Dialogs::SetRecorder({});
        Dialogs::SetUnansweredReport({});
        if (const qsizetype left = Dialogs::DropQueuedAnswers())
            ADD_FAILURE() << left << " answer(s) queued for a question that never came";
    }
    // The answer to the next question, the file the next file dialog gives, the item the next
    // choice takes: each is used once.
    void answer(bool yes) { Dialogs::QueueAnswer(yes); }
    void chooseFile(const QString &fileName) { Dialogs::QueueFileName(fileName); }
    void choose(int index) { Dialogs::QueueChoice(index); }
    DialogRecorder(const DialogRecorder &) = delete;
    DialogRecorder &operator=(const DialogRecorder &) = delete;

    std::vector<std::pair<Dialogs::Kind, QString>> boxes;
};

} // namespace orvanta::test
