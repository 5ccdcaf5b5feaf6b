#include "Dialogs.h"

#include <QApplication>
#include <QFileDialog>
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

} // namespace

void SetRecordedAnswer(bool yes)
{
    recordedAnswer = yes;
}

void SetRecordedFileName(const QString &fileName)
{
    recordedFileName = fileName;
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
