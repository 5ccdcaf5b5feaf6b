// The wave-audio device where no sound server answers: clear errors at once, nothing hangs.
#include "voice/WaveDevice.h"
#include "voice/WaveFile.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanta;

TEST(WaveDeviceWithoutServer, OpenFailsAtOnceWithAClearError)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("empty.wav"));
    TWaveFile().SaveToFile(path);
    WaveDevice device;
    device.FileName = path;
    QElapsedTimer clock;
    clock.start();
    try {
        device.open();
        FAIL() << "opened without a sound server";
    } catch (const EWaveDeviceError &error) {
        EXPECT_STREQ(error.what(), "Нет связи с сервером звука: звук не воспроизводится и не "
                                   "записывается, пока сервер не вернётся");
    }
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(device.isOpen());
}

TEST(WaveDeviceWithoutServer, EveryOperationNeedsAnOpenFile)
{
    WaveDevice device;
    const std::function<void()> operations[] = {
        [&] { device.rewind(); },   [&] { device.seek(1); },  [&] { device.play(); },
        [&] { device.record(); },   [&] { device.stop(); },   [&] { device.Save(); },
        [&] { device.position(); }, [&] { device.length(); },
    };
    for (const auto &operation : operations) {
        try {
            operation();
            ADD_FAILURE() << "no error without an open file";
        } catch (const EWaveDeviceError &error) {
            EXPECT_STREQ(error.what(), "Звуковой файл не открыт");
        }
    }
    device.close(); // closing a closed device is harmless
}
