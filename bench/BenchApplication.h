#pragma once

#include "dialogs/OrvantaApplication.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace orvanta::bench {

// The application for window benchmarks: offscreen, in a working folder of its own with both
// message lists, and a window-state store of its own.
class BenchApplication
{
public:
    BenchApplication(int &argc, char **argv)
        : m_app(prepare(m_folder, argc, argv), argv)
    {}
    QString folder() const { return m_folder.path(); }

private:
    static int &prepare(const QTemporaryDir &folder, int &argc, char **)
    {
        qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QDir::setCurrent(folder.path());
        for (const char *name : {"messages.txt", "sounds.txt"}) {
            QFile list(QString::fromLatin1(name));
            list.open(QIODevice::WriteOnly);
            for (int row = 0; row < 55; ++row)
                list.write("row " + QByteArray::number(row) + "\r\n");
        }
        return argc;
    }

    QTemporaryDir m_folder;
    OrvantaApplication m_app;
};

} // namespace orvanta::bench
