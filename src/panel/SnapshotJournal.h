#pragma once

#include "PanelSettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QLockFile;

namespace orvanta {

// How a write ended, as the journal keeps it whatever the interface's language.
namespace JournalResult {
inline constexpr const char *Unfinished =
    QT_TRANSLATE_NOOP("orvanta::SnapshotJournal", "запись не закончена");
inline constexpr const char *Written = QT_TRANSLATE_NOOP("orvanta::SnapshotJournal", "записано");
inline constexpr const char *Interrupted =
    QT_TRANSLATE_NOOP("orvanta::SnapshotJournal", "прервано");
inline constexpr const char *NotKept =
    QT_TRANSLATE_NOOP("orvanta::SnapshotJournal", "панель не сохранила часть");
inline constexpr const char *Refused =
    QT_TRANSLATE_NOOP("orvanta::SnapshotJournal", "панель отказала");
inline constexpr const char *Unchecked =
    QT_TRANSLATE_NOOP("orvanta::SnapshotJournal", "записано, не проверено");
// A line of the journal that cannot be read as an entry.
inline constexpr const char *Damaged =
    QT_TRANSLATE_NOOP("orvanta::SnapshotJournal", "повреждённая строка журнала");
} // namespace JournalResult

// A kept result in the interface's language.
QString JournalResultText(const QString &result);

// One write to a panel as the journal keeps it: when, where, to which firmware, what it changed,
// how it ended, and the settings file that holds what the panel held before it.
struct JournalEntry
{
    int number = 0; // never reused; 0 for a damaged line
    QDateTime time;
    QString port;
    QString firmware;
    QString snapshotFile; // in the journal's folder
    QString result;
    QStringList changes;
    QStringList detail;   // the parts the panel refused, or the settings it did not keep
    QString site;         // the name the user gave the panel's site; empty when none was given
    bool damaged = false; // a line that cannot be read as an entry: only line holds it
    QString line;         // the line as the journal holds it
};

// The writes of one panel, as the journal tells them apart: those of its site when it has a name,
// else those of the same port and firmware (panels of one firmware on one port are one panel).
std::vector<JournalEntry> WritesOfPanel(const std::vector<JournalEntry> &all, const QString &port,
                                        const QString &firmware, const QString &site = {});

// A site's name as a part of a file name: letters, digits, "-", "_" and "." kept, any other
// character "_", at most 60 characters; empty for a name with nothing to keep.
QString SiteFileName(const QString &site);

// "yyyy-MM-dd HH:mm:ss", as the journal's time is shown to a person.
QString JournalTimeText(const QDateTime &time);
// An entry for a person, in the interface's language: number, time, port, firmware, result (with
// its detail after ": "), count of changes, and the site when it has a name. A damaged line: "?",
// three empty fields, the result Damaged and the line itself.
QStringList JournalEntryFields(const JournalEntry &entry);

// The settings each panel held before every write, kept as settings files (with the password,
// readable by their owner alone) beside a journal of the writes, in a folder of their owner's
// alone. The panel reports no serial number, so there is one journal; each entry says its port and
// firmware. The newest Kept snapshots stay. Programs that write at the same time take turns on a
// lock file in the folder; a number is never given twice, even when the journal was lost.
class SnapshotJournal
{
    Q_DECLARE_TR_FUNCTIONS(orvanta::SnapshotJournal)

public:
    static constexpr int Kept = 200;

    // The user's data folder's "snapshots".
    static QString defaultFolder();
    explicit SnapshotJournal(QString folder = defaultFolder());

    // Keeps what the panel holds before a write, with the changes the write will make and the
    // site's name (which the snapshot's file name carries too); returns the entry's number.
    // Throws EInOutError when it cannot be kept: then nothing may be written.
    int keep(const PanelSettings &before, const QString &port, const QStringList &changes,
             const QString &site = {});
    // How the write of the entry ended. Throws EInOutError when the journal cannot be saved.
    void setResult(int number, const char *result, const QStringList &detail = {});

    // Oldest first, damaged lines among them. A change of the password shows no password.
    std::vector<JournalEntry> entries() const;
    // The snapshot of the entry; throws EInOutError or ESettingsFileError when it is gone or
    // cannot be read.
    PanelSettings snapshot(int number) const;
    // The entry's snapshot file: "snapshot-000012.txt", or "snapshot-000012-<site>.txt".
    QString snapshotPath(int number) const;

private:
    QString journalPath() const;
    // Waits for the journal's lock, held until the lock is destroyed; throws EInOutError when it
    // does not come.
    std::unique_ptr<QLockFile> lockJournal() const;
    void save(const std::vector<JournalEntry> &entries) const;
    int nextNumber(const std::vector<JournalEntry> &entries) const;
    QString snapshotPath(int number, const QString &site) const;

    QString m_folder;
};

} // namespace orvanta
