#pragma once

#include "DialogRecorder.h"
#include "PanelServer.h"
#include "QtPrinters.h"
#include "TestFiles.h"
#include "shell/fContactU.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <set>

namespace orvanta::test {

// The program started in a working folder of its own with both lists, the executable's folder
// beside it, and an empty window-state store. Message boxes are recorded.
struct WindowFixture
{
    QTemporaryDir folder;
    QString previousDir = QDir::currentPath();
    QByteArray previousData = qgetenv("XDG_DATA_HOME");
    DialogRecorder dialogs;
    QString devices = folder.filePath(QStringLiteral("dev")); // the adapters' folder

    WindowFixture()
    {
        QDir::setCurrent(folder.path());
        // The user's data (snapshots of writes) in the test's own folder.
        qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());
        // Serial adapters come and go in the test's own folder, never the machine's.
        QDir().mkpath(devices);
        qputenv("ORVANTA_DEVICE_FOLDER", devices.toLocal8Bit());
        QDir(folder.path()).mkpath(QStringLiteral("bin/sound")); // a portable copy
        WriteFile(QStringLiteral("messages.txt"), NumberedLines(55, "message "));
        WriteFile(QStringLiteral("sounds.txt"), NumberedLines(55, "sound "));
        QSettings(QStringLiteral("Orvanta"), QStringLiteral("Forms")).clear();
    }
    ~WindowFixture()
    {
        QDir::setCurrent(previousDir);
        qunsetenv("ORVANTA_DEVICE_FOLDER");
        if (previousData.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", previousData);
    }

    QString binDir() const { return folder.filePath(QStringLiteral("bin")); }
    std::unique_ptr<TfContact> open(QStringList arguments = {})
    {
        return std::make_unique<TfContact>(TfContact::Startup{arguments, binDir(), false, {}, {}});
    }
};

// The main window with its port open on a virtual panel.
struct PanelWindowFixture : WindowFixture
{
    sim::PanelServer panel;
    std::unique_ptr<TfContact> window;

    explicit PanelWindowFixture(sim::PanelState state = {}, QStringList arguments = {})
        : panel(std::move(state))
    {
        const QString path = QString::fromStdString(panel.openPseudoTerminal());
        panel.start();
        window = open(arguments);
        window->findChild<QComboBox *>(QStringLiteral("cb1"))->setCurrentText(path);
        window->OpenPort();
    }

    template <typename Widget> Widget *child(const QString &name) const
    {
        return window->findChild<Widget *>(name);
    }
    // The distances between the centres of the numbered checkboxes: equal on an even grid.
    std::set<int> rowSteps(const std::vector<int> &numbers) const
    {
        std::set<int> steps;
        for (size_t i = 1; i < numbers.size(); ++i) {
            auto centre = [this](int n) {
                auto *box = child<QWidget>(QStringLiteral("CheckBox%1").arg(n));
                return box->mapTo(window.get(), box->rect().center()).y();
            };
            steps.insert(centre(numbers[i]) - centre(numbers[i - 1]));
        }
        return steps;
    }
    std::vector<std::string> commands() const { return panel.commands(); }
};

} // namespace orvanta::test
