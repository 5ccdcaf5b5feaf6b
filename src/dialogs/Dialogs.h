#pragma once

#include "core/Failure.h"

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace orvanta::Dialogs {

// The tool's message boxes: an error, a question or an information, each with a single Yes
// button. Tests install a recorder so that nothing waits for a click.
enum class Kind { Error, Question, Information, Plain };

void Show(Kind kind, const QString &text, QWidget *parent = nullptr);
inline void ShowError(const QString &text, QWidget *parent = nullptr)
{
    Show(Kind::Error, text, parent);
}
inline void ShowQuestion(const QString &text, QWidget *parent = nullptr)
{
    Show(Kind::Question, text, parent);
}
inline void ShowInformation(const QString &text, QWidget *parent = nullptr)
{
    Show(Kind::Information, text, parent);
}

// What went wrong, as the window says it: no panel as the question it has always asked, anything
// else as an error.
inline void ShowFailure(const Failure &failure, QWidget *parent = nullptr)
{
    Show(failure.kind == Failure::Kind::NoPanel ? Kind::Question : Kind::Error, failure.text(),
         parent);
}

// An action of a button: an error it raises is shown as an error box instead of leaving the
// event handler.
std::function<void()> Guarded(std::function<void()> action);

// A plain message, without an icon.
inline void ShowMessage(const QString &text, QWidget *parent = nullptr)
{
    Show(Kind::Plain, text, parent);
}

// A question with the buttons Yes and No; true for Yes.
bool Ask(const QString &text, QWidget *parent = nullptr);

// The file dialogs: a file to open, or a name to save under; empty when the user cancels.
// filter in Qt's form ("Текстовые файлы (*.txt)"), folder where the dialog starts.
QString GetOpenFileName(const QString &folder, const QString &filter, QWidget *parent = nullptr);
QString GetSaveFileName(const QString &folder, const QString &filter, const QString &defaultSuffix,
                        QWidget *parent = nullptr);

// One of the items, chosen from a list under the label: its index, or -1 when the user cancels.
int ChooseItem(const QString &label, const QStringList &items, QWidget *parent = nullptr);

using Recorder = std::function<void(Kind, const QString &)>;
// Replaces the boxes by the recorder; an empty recorder brings the boxes back. While a recorder
// is installed, each question, choice and file dialog takes the next answer queued for its kind,
// one answer each; with none left it gets No (a cancel) and is reported as unanswered, so that a
// question nobody expected is seen instead of answered.
void SetRecorder(Recorder recorder);
void QueueAnswer(bool yes);
void QueueFileName(const QString &fileName);
void QueueChoice(int index);
void SetUnansweredReport(std::function<void(const QString &)> report);
// Drops the answers still queued; returns how many there were (questions that never came).
qsizetype DropQueuedAnswers();

} // namespace orvanta::Dialogs
