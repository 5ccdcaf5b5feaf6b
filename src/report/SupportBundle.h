#pragma once

#include "link/AppPaths.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace orvanta {

// What a support bundle is made of, besides the files the tool keeps.
struct SupportSources
{
    AppPaths paths;        // Config.ini, the lists, the log, the sound folder
    QString toolVersion;   // "2.05"
    QString portsText;     // what orvanta-cli ports says of every port
    QString journalFolder; // the snapshots and their journal; empty: the user's
    QString site;          // the site the bundle is about: its last snapshot is reported
    QString sitesTable;    // a table of sites to put in, its passwords and keys replaced
};

// Texts with the panel's secrets replaced by a mark: the password in digits and as the panel
// codes it ("+Q" and its reply), key codes in either letter case and byte order ("+T0n" and
// their replies), and the secrets passed in wherever else they stand.
class SecretRedactor
{
public:
    // Every password and key code of the settings files (snapshots) in the folder, and these.
    void learnFromSettingsFolder(const QString &folder);
    void learn(const QString &password, const QStringList &keyCodes);
    // The passwords and key codes a text names as a setting's or a change's values.
    void learnFromText(const QString &text);
    // A key slot with no key stays as it is; every other value is replaced whole, never the
    // digits of one secret inside a longer value.
    QString redacted(QString text) const;

    static const QString Mark;

private:
    QStringList m_secrets; // every form, longest first
};

// One .tar.gz with the versions, Config.ini, the window state, the last 1,000 lines of the log,
// the journal and its snapshots, the ports, the sound devices, the message lists and a report of
// the last snapshot, every text with its secrets replaced. A file that cannot be read, or one that
// is not where it is looked for, is listed in "skipped.txt" inside; the absent ones also in
// absent, with the folder looked in. Written whole or not at all; empty, or why it was not
// written.
// "orvanta-support-2026-12-08-141503.tar.gz": a name of its own for each bundle, so that a second
// never replaces the first.
QString SupportBundleName(const QDateTime &time);

QString WriteSupportBundle(const QString &path, const SupportSources &sources,
                           QStringList *absent = nullptr);

} // namespace orvanta
