#include "OrvantaApplication.h"

#include "Dialogs.h"

#include "link/Language.h"

#include <QCoreApplication>

namespace orvanta {

OrvantaApplication::OrvantaApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Orvanta"));
    setApplicationName(QStringLiteral("Orvanta Config"));
    // No display name: the window system would append it to the window's caption.
    setApplicationVersion(QStringLiteral("2.0.5.0"));
    // Russian, with Qt's own buttons and dialogs ("Да", "Отмена", the file dialogs) in it,
    // whatever the machine's locale, until the window takes the language chosen.
    UseLanguage(QStringLiteral("ru"));
}

bool OrvantaApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        Dialogs::ShowError(QString::fromUtf8(error.what()));
    } catch (...) {
        Dialogs::ShowError(
            QCoreApplication::translate("orvanta::OrvantaApplication", "Неизвестная ошибка"));
    }
    return false;
}

} // namespace orvanta
