#pragma once

#include "DialogRecorder.h"
#include "PanelServer.h"
#include "QtPrinters.h"
#include "session/Session.h"
#include "settings/SettingsPage.h"

#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>
#include <set>
#include <type_traits>

namespace orvanta::test {

// A settings page built alone: its session's port is open on a virtual panel, the page lives in
// host, its own write is the session's checked write of its part (the journal in a folder of the
// test's own), and message boxes are recorded.
struct PageFixture
{
    QTemporaryDir data;
    sim::PanelServer panel;
    QString port = QString::fromStdString(panel.openPseudoTerminal());
    Session session{AppPaths{}, AppConfig{}, QString()};
    PanelLink &link = session.link();
    DialogRecorder dialogs;
    QWidget host;
    // How the last write of a page's own ended.
    Session::Written written;

    PageFixture()
    {
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        panel.start();
        link.OpenPort(port);
        new QVBoxLayout(&host);
        host.resize(698, 560); // the page's room in the window
    }
    // Lays the page out in host, which owns it from then on.
    template <typename Page> Page &place(Page *page)
    {
        host.layout()->addWidget(page);
        if constexpr (std::is_base_of_v<SettingsPage, Page>)
            page->setPartWrite([this, page](WritePart part) {
                written = session.writeParts(
                    port, {part}, [page](WritePart, PanelSettings &s) { page->collect(s); });
            });
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
    // The commands sent that set a record: a prefix and the record's ten hex digits.
    std::vector<std::string> writes(const std::vector<std::string> &prefixes) const
    {
        std::vector<std::string> found;
        for (const std::string &command : panel.commands())
            for (const std::string &prefix : prefixes)
                if (command.size() == prefix.size() + 10 && command.rfind(prefix, 0) == 0)
                    found.push_back(command);
        return found;
    }
};

} // namespace orvanta::test
