#include "OrvantaApplication.h"

#include "Dialogs.h"

namespace orvanta {

OrvantaApplication::OrvantaApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Orvanta"));
    setApplicationName(QStringLiteral("Orvanta Config"));
    // No display name: the window system would append it to the window's caption.
    setApplicationVersion(QStringLiteral("2.0.5.0"));
}

bool OrvantaApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        Dialogs::ShowError(QString::fromUtf8(error.what()));
    } catch (...) {
        Dialogs::ShowError(QStringLiteral("Неизвестная ошибка"));
    }
    return false;
}

} // namespace orvanta
