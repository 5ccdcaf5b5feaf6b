// What the tool says of a port before it looks for the panel there, over real nodes: a missing
// path, a file, a device that is no terminal, a free terminal, one another program holds; and
// what it advises a user who may not open a device.
#include "PtyPair.h"
#include "link/PortProbe.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <grp.h>
#include <unistd.h>

using namespace orvanta;

TEST(PortProbe, EachKindOfNodeIsDescribed)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("notes.txt"));
    QFile(file).open(QIODevice::WriteOnly);
    test::PtyPair pty;
    const QString terminal = QString::fromStdString(pty.slavePath());
    const struct
    {
        QString path;
        const char *described;
    } cases[] = {
        {folder.filePath(QStringLiteral("ttyUSB9")), "нет устройства"},
        {file, "не последовательный порт"},
        {folder.path(), "не последовательный порт"},
        {QStringLiteral("/dev/null"), "не последовательный порт"}, // a device, but no terminal
        {terminal, "свободен"},
    };
    for (const auto &[path, described] : cases)
        EXPECT_EQ(ProbePort(path).describe(), QString::fromUtf8(described)) << path.toStdString();

    // Held with a lock by another program: busy, and who holds it.
    QProcess holder;
    holder.start(QStringLiteral("flock"), {QStringLiteral("--exclusive"), terminal,
                                           QStringLiteral("sleep"), QStringLiteral("60")});
    ASSERT_TRUE(holder.waitForStarted());
    const QString busy = QStringLiteral("занят: flock (pid %1)").arg(holder.processId());
    QString said;
    for (int look = 0; look < 500 && said != busy; ++look, QThread::msleep(10))
        said = ProbePort(terminal).describe();
    EXPECT_EQ(said, busy);
    holder.kill();
    holder.waitForFinished();
}

TEST(PortProbe, AccessAdviceFollowsTheDevicesOwnerGroupAndRights)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another group takes root";
    const struct group *dialout = ::getgrnam("dialout");
    ASSERT_NE(dialout, nullptr);
    QTemporaryDir folder;
    const QString device = folder.filePath(QStringLiteral("ttyUSB0"));
    QFile(device).open(QIODevice::WriteOnly);
    const struct
    {
        gid_t group;
        mode_t mode;
        const char *advice;
    } cases[] = {
        {dialout->gr_gid, 0660,
         "устройство принадлежит группе dialout: добавьте пользователя в нее "
         "(sudo usermod -aG dialout $USER) и войдите в систему заново"},
        {dialout->gr_gid, 0600,
         "устройство открыто только владельцу root (права 0600); группа dialout доступа не "
         "дает, вступать в нее бесполезно: нужно правило udev или права, выданные "
         "администратором"},
        {0, 0660, "вы в группе root, но и ей устройство сейчас не открыто"},
    };
    for (const auto &[group, mode, advice] : cases) {
        ASSERT_EQ(::chown(QFile::encodeName(device).constData(), 0, group), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(device).constData(), mode), 0);
        EXPECT_EQ(AccessAdvice(device), QString::fromUtf8(advice)) << mode;
    }
    EXPECT_EQ(AccessAdvice(folder.filePath(QStringLiteral("gone"))), QString());
}
