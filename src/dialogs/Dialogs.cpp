#include "Dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace orvanta::Dialogs {

namespace {

Recorder &recorder()
{
    static Recorder installed;
    return installed;
}

} // namespace

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
