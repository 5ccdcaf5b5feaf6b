#pragma once

#include "FileStamp.h"
#include "SoundResult.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>

namespace orvanta {

class MessageList;

// Brings sound files of any format into the list's rows: each is converted into a message in the
// sound folder, the row is pointed at it, and one undo brings back both the row's file cell and
// the file the import wrote over.
class SoundImport
{
    Q_DECLARE_TR_FUNCTIONS(orvanta::SoundImport)

public:
    // longestSeconds: the longest sound a message may hold (the panel's whole memory).
    SoundImport(MessageList &messages, int longestSeconds);

    // Imports source into message number's row; when it fails nothing changed. The note tells
    // of a long message that was kept.
    SoundResult importInto(int number, const QString &source);
    // The file name in the sound folder an import into the row takes: the row's file name with
    // ".wav", or the number and ".wav" when the cell is blank or names a file elsewhere; with a
    // number added when another row, or a file no row names, has that name, or when it is the
    // source of the sound.
    QString targetName(int number, const QString &source = {}) const;

    // A row's message replaced otherwise (a recording): the same one undo brings back the file
    // at path as it was (before; none when there was no file) and the row's file cell.
    void rememberReplaced(int number, const QString &path, std::optional<QByteArray> before,
                          const QString &cell);
    // What the file at path holds now, for rememberReplaced; none when there is no such file.
    static std::optional<QByteArray> contents(const QString &path);

    // Only while the row still names what the change left there: a cell emptied or renamed since
    // is the user's, and an undo would then take away a file the row no longer names.
    bool canUndo(int number) const;
    // Puts back the row's file cell and the file as it was before the import; a file another
    // program changed since is left as it is, and the result says so.
    SoundResult undo();
    // The tool wrote the file the undo takes back once more (the first edit of a copy): the undo
    // compares the file with that.
    void wroteAgain()
    {
        if (m_undo)
            m_undo->written = FileStamp::of(m_undo->path);
    }
    // A later edit of the message: its own undo is the one that counts now.
    void forget() { m_undo.reset(); }

private:
    struct Undo
    {
        int number = 0;
        QString cell;
        QString path;
        std::optional<QByteArray> bytes; // the file the import replaced; none when it was new
        QString after;                   // the cell as the change left it
        FileStamp written;               // the file as the change left it
    };
    bool nameTaken(const QString &name, int number) const;

    MessageList &m_messages;
    int m_longestSeconds;
    std::optional<Undo> m_undo;
};

} // namespace orvanta
