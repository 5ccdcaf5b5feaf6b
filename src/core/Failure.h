#pragma once

#include <QString>
#include <QStringList>

namespace orvanta {

// What went wrong, as the user is told it: the lead that says which work failed, what went wrong,
// and notes under it. Each front end shows it with one function: a box in the window, standard
// error on the command line.
struct Failure
{
    enum class Kind {
        Error,       // the work failed
        NoPanel,     // no panel answered: said as the question the window has always asked
        SoundDevice, // the sound device failed: its own words stand beside the sound
    };
    Kind kind = Kind::Error;
    QString lead; // "Ошибка записи в охранную панель…": the work, with its own line breaks
    QString what;
    QStringList notes;

    // The lead, what went wrong, and the notes a line each.
    QString text() const
    {
        QString all = lead + what;
        for (const QString &note : notes)
            all += QStringLiteral("\n") + note;
        return all;
    }
};

} // namespace orvanta
