// The entry of every test program. Qt's event loop; where the program has widgets, the
// offscreen platform and a window-state store of its own; where it sounds, a quiet end after
// the sound.
#include <gtest/gtest.h>

#ifdef ORVANTA_TEST_WIDGETS
#include "dialogs/OrvantaApplication.h"
#else
#include <QCoreApplication>
#endif
#include <QTemporaryDir>
#ifdef ORVANTA_TEST_SOUND
#include "voice/WaveDevice.h"
#endif

int main(int argc, char **argv)
{
    // The sound client library keeps a cookie in the user's configuration folder when nobody
    // names another: a test leaves the home folder as it found it.
    // The tests that sound share the private server's runtime folder, and one cookie in it;
    // without a runtime folder the library would also leave a link to one there.
    QTemporaryDir soundClient;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() && qEnvironmentVariableIsEmpty("PULSE_RUNTIME_PATH"))
        qputenv("PULSE_RUNTIME_PATH", soundClient.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("PULSE_COOKIE"))
        qputenv("PULSE_COOKIE", (runtime.isEmpty() ? soundClient.filePath(QStringLiteral("cookie"))
                                                   : runtime + QStringLiteral("/pulse-cookie"))
                                    .toLocal8Bit());
#ifdef ORVANTA_TEST_WIDGETS
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    orvanta::OrvantaApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    return result;
}
