// Entry of the sound tests without widgets: the event loop, and a quiet end after sound.
#include "WaveDevice.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    orvanta::WaveDevice::SettleBeforeExit();
    return result;
}
