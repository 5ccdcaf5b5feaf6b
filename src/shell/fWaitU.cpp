#include "fWaitU.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace orvanta {

TfWait::TfWait(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("fWait"));
    setWindowTitle(QStringLiteral("Обмен данными"));
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
    m_dialog->repaint();
    // Let the dialog reach the screen before the exchange blocks the window thread.
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
