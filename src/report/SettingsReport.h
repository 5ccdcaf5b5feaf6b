#pragma once

#include "panel/PanelSettings.h"
#include "panel/SnapshotJournal.h"

#include <QDateTime>
#include <QString>
#include <vector>

namespace orvanta {

class MessageList;

// A listed message that names a file, as the report shows it.
struct ReportMessage
{
    int number = 0;
    QString text;
    QString file;
    double seconds = 0;   // 0 where the file holds no sound the tool reads
    bool missing = false; // no file at the path the list names
};

// What a settings report is made of.
struct ReportInput
{
    PanelSettings settings;
    QString source; // the port the settings were read on, or the settings file
    QString site;   // the name the user gave the panel's site; empty when none was given
    QDateTime time;
    std::vector<ReportMessage> messages;
    std::vector<JournalEntry> writes; // the newest last
    QStringList uploads; // the last upload's receipts, as the upload journal keeps them
};

// The rows of the list that name a file.
std::vector<ReportMessage> ReportMessages(const MessageList &list);

// The report as a page of text in the interface's language: the source, the general options,
// the loops and relays as tables, how many key slots hold a key (never a code), whether a
// password is set (never its digits), the messages with a bar of the panel's memory, the last
// writes, and what the last upload of messages heard of each.
QString ReportHtml(const ReportInput &input);

// The name the window proposes for a report: "orvanta-report-2026-12-08-1415.pdf", with the
// site's name made safe for a file name after "orvanta-report-" when there is one.
QString ReportFileName(const QDateTime &time, const QString &site = {});
// The report's title: its heading, and the PDF's title.
QString ReportTitle(const QString &site);

// The report as an A4 PDF at path, written whole or not at all. Empty, or why it was not.
QString WriteReportPdf(const QString &path, const ReportInput &input);

} // namespace orvanta
