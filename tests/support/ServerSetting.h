#pragma once

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

namespace orvanta::test {

// A setting of the private sound server changed with pactl for as long as the object lives (an
// output muted, turned down or made the default), put back however the test ends: the server
// outlives the test.
struct ServerSetting
{
    QStringList undo;
    ServerSetting(const QStringList &set, QStringList undoing)
        : undo(std::move(undoing))
    {
        EXPECT_EQ(QProcess::execute(QStringLiteral("pactl"), set), 0)
            << set.join(QLatin1Char(' ')).toStdString();
    }
    ~ServerSetting() { QProcess::execute(QStringLiteral("pactl"), undo); }
    ServerSetting(const ServerSetting &) = delete;
    ServerSetting &operator=(const ServerSetting &) = delete;
};

} // namespace orvanta::test
