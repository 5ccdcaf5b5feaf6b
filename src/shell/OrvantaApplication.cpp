#include "OrvantaApplication.h"

#include "Dialogs.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orvanta {

OrvantaApplication::OrvantaApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Orvanta"));
    setApplicationName(QStringLiteral("Orvanta Config"));
    // No display name: the window system would append it to the window's caption.
    setApplicationVersion(QStringLiteral("2.0.5.0"));
    // Qt's own buttons and dialogs ("Да", "Отмена", the file dialogs) in the interface's
    // language, whatever the machine's locale.
    auto *qtTexts = new QTranslator(this);
    if (qtTexts->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtTexts);
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
