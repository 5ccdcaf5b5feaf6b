#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>

namespace orvanta {

// One panel of a programmed line, as the ledger keeps it: where it was found, what it held, how
// each step ended. Never a password or a key code.
struct LedgerLine
{
    enum class Step { NotAsked, Ok, Failed, Stopped };
    QDateTime time;
    QString site;
    QString port;
    QString stablePath;
    QString adapterSerial;
    QString firmware;
    int snapshot = 0; // the journal's number of what the panel held before the write; 0: none
    Step read = Step::NotAsked;
    Step write = Step::NotAsked;
    Step upload = Step::NotAsked;
    Step report = Step::NotAsked;
    QString reportPath;

    // Every step asked ended well.
    bool done() const;
    // "done", "stopped" (by Ctrl+C) or "failed".
    QString result() const;
};

// The ledger of a programmed line: a UTF-8 table with a header and a line per panel, appended
// whole as each panel ends, so that a run cut at any moment leaves it readable and a later run
// can skip the sites already done.
class SiteLedger
{
public:
    static const QStringList Columns;

    explicit SiteLedger(QString path);
    const QString &path() const { return m_path; }
    // The sites a line says are done; a missing ledger has none.
    QSet<QString> doneSites() const;
    // Makes the ledger with its header when it is not there, and sees that a line can be added.
    // Empty, or why not.
    QString prepare() const;
    // Empty, or why the line could not be added.
    QString append(const LedgerLine &line) const;

private:
    QString m_path;
};

} // namespace orvanta
