#pragma once

#include "PanelSettings.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace orvanta {

// One panel of a line programmed from a template: its site's name, and the password and keys
// that override the template's (empty: the template's stay).
struct SiteRow
{
    int line = 0; // in the table, the header being line 1
    QString site;
    std::optional<QString> password;
    std::array<std::optional<QString>, PanelSettings::KeySlots> keys; // in the key page's order
};

// A table of sites as spreadsheets in the field write it: a header "site,password,key1,key2,
// key3,key4" (only "site" required, in any order), "," or ";" between cells, cells in double
// quotes where they hold one, UTF-8 or Windows-1251. Blank lines are skipped.
class SitesTable
{
    Q_DECLARE_TR_FUNCTIONS(orvanta::SitesTable)

public:
    // Every row checked: a password by the password field's rules (one to five digits 1 to 9,
    // no digit next to an equal one), a key as 16 hex digits, each site named once. A row that
    // fails is named by its line in problems, and rows is then empty: nothing may be programmed.
    static SitesTable Read(const QString &path);
    static SitesTable Parse(const QByteArray &bytes);

    std::vector<SiteRow> rows;
    QStringList problems; // "строка 3: …"

    // The table's text with every password and key cell replaced by mark, and the values
    // replaced, for a text that goes to somebody else.
    static QString Redacted(const QByteArray &bytes, const QString &mark,
                            QStringList *secrets = nullptr);
};

// The template with the row's password and keys put over it.
PanelSettings WithSite(PanelSettings settings, const SiteRow &row);

} // namespace orvanta
