// Entry of the widget tests: the offscreen platform, and a window-state store of their own.
#include "OrvantaApplication.h"
#include "WaveDevice.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    orvanta::OrvantaApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    orvanta::WaveDevice::SettleBeforeExit();
    return result;
}
