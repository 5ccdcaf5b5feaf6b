#pragma once

#include <QDialog>

namespace orvanta {

// "Обмен данными": a small always-on-top window with a busy animation, shown while the whole
// panel is read or written. Closing it only hides it.
class TfWait : public QDialog
{
    Q_OBJECT
public:
    explicit TfWait(QWidget *owner);
};

// Shows the wait dialog for the life of the scope, drawn before the exchange blocks the window,
// and destroys it on every way out.
class WaitDialogScope
{
public:
    explicit WaitDialogScope(QWidget *owner);
    ~WaitDialogScope();
    WaitDialogScope(const WaitDialogScope &) = delete;
    WaitDialogScope &operator=(const WaitDialogScope &) = delete;

    // Closes the dialog before the scope ends (an error box should not sit under it).
    void close();

private:
    TfWait *m_dialog;
};

} // namespace orvanta
