// table: the panel's message address table saved to a file, or written back from one, as the
// window's debug buttons do.
#include "cli/Commands.h"
#include "cli/PanelSession.h"
#include "panel/MessageTable.h"

namespace orvanta::cli {

int RunTable(const Invocation &call)
{
    const Options &options = call.options;
    const bool save = options.action == QLatin1String("save");
    if ((!save && options.action != QLatin1String("load")) || options.file.isEmpty()) {
        err << CommandHelp(QStringLiteral("table"));
        return BadUse;
    }
    PanelSession panel(call);
    if (!panel.find(options.port))
        return NoPanel;
    const Progress progress(panel.link(),
                            save ? Cli::tr("Чтение таблицы") : Cli::tr("Запись таблицы"));
    if (save) {
        MessageTable::SaveFromPanel(panel.link(), options.file, [](int, const QString &) {});
        out << options.file << "\n";
        return Done;
    }
    // Each row's last line says what its word holds; one that kept differing is marked "--->".
    std::array<QString, MessageTable::Messages> last;
    MessageTable::LoadIntoPanel(
        panel.link(), options.file,
        [&last](int row, const QString &text) { last[size_t(row - 1)] = text; }, [](int) {},
        [] { return true; });
    for (const QString &line : last)
        out << line << "\n";
    return Done;
}

} // namespace orvanta::cli
