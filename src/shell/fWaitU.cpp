#include "fWaitU.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QThread>
#include <QWindow>

namespace orvanta {

namespace {

constexpr int ExposeWaitMs = 1000;

} // namespace

TfWait::TfWait(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("fWait"));
    setWindowTitle(tr("Обмен данными"));
    setFixedSize(313, 105);
    setModal(false);
    auto *animation = new QProgressBar(this);
    animation->setObjectName(QStringLiteral("Animate1"));
    animation->setGeometry(20, 22, 272, 60);
    animation->setRange(0, 0); // a busy bar that keeps moving
    animation->setTextVisible(false);
}

WaitDialogScope::WaitDialogScope(QWidget *owner)
{
    if (owner)
        owner->repaint();
    m_dialog = new TfWait(owner);
    m_dialog->show();
    // The window manager maps the dialog in its own time: wait until it is on the screen, so
    // that it is drawn before the exchange starts, but never for long.
    QElapsedTimer waited;
    waited.start();
    while (!(m_dialog->windowHandle() && m_dialog->windowHandle()->isExposed()) &&
           waited.elapsed() < ExposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
        QThread::msleep(5);
    }
    m_dialog->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

WaitDialogScope::~WaitDialogScope()
{
    close();
}

void WaitDialogScope::close()
{
    delete m_dialog;
    m_dialog = nullptr;
}

} // namespace orvanta
