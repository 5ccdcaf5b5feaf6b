#include "Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace orvanta::Dialogs {

namespace {

Recorder &recorder()
{
    static Recorder installed;
    return installed;
}

// The answers a test has queued, each for one question or file dialog, in order.
QList<bool> queuedAnswers;
QStringList queuedFileNames;
QList<int> queuedChoices;
std::function<void(const QString &)> reportUnanswered;

// The next queued answer; none left is an unexpected question, reported, and answered with
// `none` (No, or a cancel).
template <typename T> T TakeQueued(QList<T> &queue, const T &none, const QString &question)
{
    if (!queue.isEmpty())
        return queue.takeFirst();
    if (reportUnanswered)
        reportUnanswered(question);
    return none;
}

} // namespace

void QueueAnswer(bool yes)
{
    queuedAnswers.append(yes);
}

void QueueFileName(const QString &fileName)
{
    queuedFileNames.append(fileName);
}

void QueueChoice(int index)
{
    queuedChoices.append(index);
}

void SetUnansweredReport(std::function<void(const QString &)> report)
{
    reportUnanswered = std::move(report);
}

qsizetype DropQueuedAnswers()
{
    const qsizetype left = queuedAnswers.size() + queuedFileNames.size() + queuedChoices.size();
    queuedAnswers.clear();
    queuedFileNames.clear();
    queuedChoices.clear();
    return left;
}

int ChooseItem(const QString &label, const QStringList &items, QWidget *parent)
{
    if (recorder()) {
        const QString question = label + QLatin1Char('\n') + items.join(QLatin1Char('\n'));
        recorder()(Kind::Question, question);
        return TakeQueued(queuedChoices, -1, question);
    }
    bool chosen = false;
    const QString item = QInputDialog::getItem(parent, QApplication::applicationDisplayName(),
                                               label, items, 0, false, &chosen);
    return chosen ? int(items.indexOf(item)) : -1;
}

bool Ask(const QString &text, QWidget *parent)
{
    if (recorder()) {
        recorder()(Kind::Question, text);
        return TakeQueued(queuedAnswers, false, text);
    }
    return QMessageBox::question(parent, QApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString GetOpenFileName(const QString &folder, const QString &filter, QWidget *parent)
{
    if (recorder())
        return TakeQueued(queuedFileNames, QString(),
                          QStringLiteral("a file to open (%1)").arg(filter));
    return QFileDialog::getOpenFileName(parent, {}, folder, filter);
}

QString GetSaveFileName(const QString &folder, const QString &filter, const QString &defaultSuffix,
                        QWidget *parent)
{
    if (recorder())
        return TakeQueued(queuedFileNames, QString(),
                          QStringLiteral("a name to save under (%1)").arg(filter));
    QFileDialog dialog(parent, {}, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void SetRecorder(Recorder recorder_)
{
    recorder() = std::move(recorder_);
}

std::function<void()> Guarded(std::function<void()> action)
{
    return [action = std::move(action)] {
        try {
            action();
        } catch (const std::exception &error) {
            ShowError(QString::fromUtf8(error.what()));
        }
    };
}

void Show(Kind kind, const QString &text, QWidget *parent)
{
    if (recorder()) {
        recorder()(kind, text);
        return;
    }
    const QMessageBox::Icon icon = kind == Kind::Error         ? QMessageBox::Critical
                                   : kind == Kind::Question    ? QMessageBox::Question
                                   : kind == Kind::Information ? QMessageBox::Information
                                                               : QMessageBox::NoIcon;
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Yes, parent);
    box.exec();
}

} // namespace orvanta::Dialogs
