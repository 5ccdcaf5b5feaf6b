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

bool recordedAnswer = false;
QString recordedFileName;
int recordedChoice = -1;

} // namespace

void SetRecordedAnswer(bool yes)
{
    recordedAnswer = yes;
}

void SetRecordedFileName(const QString &fileName)
{
    recordedFileName = fileName;
}

void SetRecordedChoice(int index)
{
    recordedChoice = index;
}

int ChooseItem(const QString &label, const QStringList &items, QWidget *parent)
{
    if (recorder()) {
        recorder()(Kind::Question, label + QLatin1Char('\n') + items.join(QLatin1Char('\n')));
        return recordedChoice;
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
        return recordedAnswer;
    }
    return QMessageBox::question(parent, QApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString GetOpenFileName(const QString &folder, const QString &filter, QWidget *parent)
{
    if (recorder())
        return recordedFileName;
    return QFileDialog::getOpenFileName(parent, {}, folder, filter);
}

QString GetSaveFileName(const QString &folder, const QString &filter, const QString &defaultSuffix,
                        QWidget *parent)
{
    if (recorder())
        return recordedFileName;
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
