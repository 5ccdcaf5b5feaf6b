#pragma once

#include "DialogRecorder.h"
#include "PanelServer.h"
#include "QtPrinters.h"
#include "link/AppConfig.h"
#include "panel/PanelConnection.h"

#include <QVBoxLayout>
#include <QWidget>
#include <set>

namespace orvanta::test {

// A settings page built alone: its link's port is open on a virtual panel, the page lives in
// host, and message boxes are recorded.
struct PageFixture
{
    sim::PanelServer panel;
    AppConfig config;
    PanelConnection connection{config, {}};
    PanelLink &link = connection.link();
    DialogRecorder dialogs;
    QWidget host;

    PageFixture()
    {
        const QString path = QString::fromStdString(panel.openPseudoTerminal());
        panel.start();
        link.OpenPort(path);
        new QVBoxLayout(&host);
        host.resize(698, 560); // the page's room in the window
    }
    // Lays the page out in host, which owns it from then on.
    template <typename Page> Page &place(Page *page)
    {
        host.layout()->addWidget(page);
        return *page;
    }

    template <typename Widget> Widget *child(const QString &name) const
    {
        return host.findChild<Widget *>(name);
    }
    // The distances between the centres of the numbered checkboxes: equal on an even grid.
    std::set<int> rowSteps(const std::vector<int> &numbers) const
    {
        std::set<int> steps;
        for (size_t i = 1; i < numbers.size(); ++i) {
            auto centre = [this](int n) {
                auto *box = child<QWidget>(QStringLiteral("CheckBox%1").arg(n));
                return box->mapTo(&host, box->rect().center()).y();
            };
            steps.insert(centre(numbers[i]) - centre(numbers[i - 1]));
        }
        return steps;
    }
    std::vector<std::string> commands() const { return panel.commands(); }
};

} // namespace orvanta::test
