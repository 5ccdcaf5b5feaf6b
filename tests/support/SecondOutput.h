#pragma once

#include "SoundAnalysis.h"
#include "voice/SoundServer.h"

#include <QProcess>
#include <algorithm>
#include <gtest/gtest.h>

namespace orvanta::test {

// A second output on the private server, named as the desktop would show it, for as long as the
// object lives.
struct SecondOutput
{
    static constexpr const char *Description = "Orvanta-Second-Output";
    QString module;

    SecondOutput()
    {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"),
                    {"load-module", "module-null-sink", "sink_name=orvanta_second",
                     QStringLiteral("sink_properties=device.description=%1").arg(Description)});
        pactl.waitForFinished();
        module = QString::fromUtf8(pactl.readAllStandardOutput()).trimmed();
        EXPECT_TRUE(RunEventsUntil([] { return offered(); }))
            << "the server offers no second output";
    }
    ~SecondOutput() { remove(); }
    void remove()
    {
        if (!module.isEmpty())
            QProcess::execute(QStringLiteral("pactl"), {"unload-module", module});
        module.clear();
    }
    static bool offered()
    {
        const SoundServerState server = SoundServer::instance().state();
        return std::any_of(server.outputs.begin(), server.outputs.end(),
                           [](const SoundOutputState &output) {
                               return output.description == QLatin1String(Description);
                           });
    }
};

} // namespace orvanta::test
