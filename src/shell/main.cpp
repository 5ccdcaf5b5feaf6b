#include "OrvantaApplication.h"
#include "fContactU.h"

int main(int argc, char **argv)
{
    orvanta::OrvantaApplication app(argc, argv);
    orvanta::TfContact::Startup startup;
    startup.arguments = app.arguments().mid(1);
    startup.executableDir = QCoreApplication::applicationDirPath();
    orvanta::TfContact window(startup);
    window.show();
    return app.exec();
}
