#include "OrvantaApplication.h"
#include "WaveDevice.h"
#include "fContactU.h"

int main(int argc, char **argv)
{
    orvanta::OrvantaApplication app(argc, argv);
    orvanta::TfContact::Startup startup;
    startup.arguments = app.arguments().mid(1);
    startup.executableDir = QCoreApplication::applicationDirPath();
    int result = 0;
    {
        orvanta::TfContact window(startup);
        window.show();
        result = app.exec();
    } // the window ends its sound here
    orvanta::WaveDevice::SettleBeforeExit();
    return result;
}
