// The sound model without widgets: what an import, speech or an edit does to a row of the list,
// and its one undo.
#include "SoundAnalysis.h"
#include "TestFiles.h"
#include "voice/FileStamp.h"
#include "voice/MessageList.h"
#include "voice/MessageSound.h"
#include "voice/WaveFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

struct SoundRows
{
    QTemporaryDir folder;
    MessageList list{folder.path()};
    MessageSound sound{list, 480};

    SoundRows() { QDir(folder.path()).mkpath(QStringLiteral("sound")); }
    QString inSound(const char *name) const
    {
        return QDir(folder.path()).filePath(QStringLiteral("sound/") + QLatin1String(name));
    }
    QString file(int row) const { return list.cell(MessageList::FileColumn, row); }
};

} // namespace

// A row with no message gets one from an import or from speech, named after the row; one undo
// takes back both the file and the cell.
TEST(MessageSound, ImportAndSpeechIntoARowWithoutAMessageAreUndoneWhole)
{
    SoundRows f;
    const QString source = f.folder.filePath(QStringLiteral("source.wav"));
    ASSERT_TRUE(MakeTone(source, 0.5, 440, 22050));
    EXPECT_TRUE(f.sound.importInto(2, source).done());
    EXPECT_EQ(f.file(2), QStringLiteral("2.wav"));
    f.sound.showRow(2);
    EXPECT_EQ(f.sound.wave()->Format.SampleRate, 44100u); // at the tool's rate
    ASSERT_TRUE(f.sound.canUndo());
    EXPECT_TRUE(f.sound.undo().done());
    EXPECT_EQ(f.file(2), QString());
    EXPECT_FALSE(QFile::exists(f.inSound("2.wav")));
    // A cell the user emptied since is the user's: no undo takes the file away behind it.
    EXPECT_TRUE(f.sound.importInto(2, source).done());
    f.list.setCell(MessageList::FileColumn, 2, QString());
    EXPECT_FALSE(f.sound.canUndo());

    // A recording that does not start leaves a row without a message as it was, not naming a
    // file that never came.
    f.sound.player().setDeviceNames({}, QStringLiteral("No Such Input"));
    f.sound.showRow(5);
    EXPECT_FALSE(f.sound.record(30).done());
    EXPECT_EQ(f.file(5), QString());

    f.list.setCell(MessageList::TextColumn, 3, QStringLiteral("Тревога"));
    f.sound.showRow(3);
    EXPECT_TRUE(f.sound.speak(QStringLiteral("Тревога"), QStringLiteral("ru")).done());
    EXPECT_EQ(f.file(3), QStringLiteral("3.wav"));
    EXPECT_TRUE(TWaveFile(f.inSound("3.wav")).Loaded);
    ASSERT_TRUE(f.sound.canUndo());
    EXPECT_TRUE(f.sound.undo().done());
    EXPECT_EQ(f.file(3), QString());
    EXPECT_FALSE(QFile::exists(f.inSound("3.wav")));
}

// A message in another format is never written over: the first edit makes a message of it at
// the tool's rate and edits that, the span carried over by time; one undo brings the row's file
// back.
TEST(MessageSound, EditOfAnotherFormatEditsACopyAndOneUndoBringsTheFileBack)
{
    SoundRows f;
    ASSERT_TRUE(MakeTone(f.inSound("loud.wav"), 1.0, 440, 22050, 24));
    const QByteArray original = [&] {
        QFile file(f.inSound("loud.wav"));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    f.list.setCell(MessageList::FileColumn, 4, QStringLiteral("loud.wav"));
    f.sound.showRow(4);
    ASSERT_TRUE(f.sound.loaded());
    ASSERT_FALSE(f.sound.wave()->PlainPcm);
    // The first half second of 22,050 samples a second.
    EXPECT_TRUE(f.sound.cut(0, 11024).done());
    EXPECT_EQ(f.file(4), QStringLiteral("loud-2.wav"));
    EXPECT_NEAR(double(f.sound.sampleCount()) / 44100.0, 0.5, 0.01);
    QFile kept(f.inSound("loud.wav"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), original);
    EXPECT_TRUE(f.sound.undo().done());
    EXPECT_EQ(f.file(4), QStringLiteral("loud.wav"));
    EXPECT_FALSE(QFile::exists(f.inSound("loud-2.wav")));
}

// An import's and speech's undo, and the copy an edit of another format makes, each look at the
// file first: one another program changed since is shown as it is now, and nothing is written.
TEST(MessageSound, FileAnotherProgramChangedIsShownNotWrittenOver)
{
    const auto otherProgramWrites = [](const QString &path) {
        TWaveFile other;
        other.Samples.assign(777, 99);
        EXPECT_TRUE(other.SaveToFile(path));
        return ReadFile(path);
    };
    {
        SoundRows f;
        const QString source = f.folder.filePath(QStringLiteral("source.wav"));
        ASSERT_TRUE(MakeTone(source, 0.5, 440, 22050));
        ASSERT_TRUE(f.sound.importInto(2, source).done());
        f.sound.showRow(2);
        const QByteArray theirs = otherProgramWrites(f.inSound("2.wav"));
        const SoundResult undone = f.sound.undo();
        EXPECT_EQ(undone.error(), FileStamp::changedText(f.inSound("2.wav")));
        EXPECT_EQ(ReadFile(f.inSound("2.wav")), theirs);
        EXPECT_EQ(f.file(2), QStringLiteral("2.wav"));
        EXPECT_EQ(f.sound.sampleCount(), 777);
    }
    {
        SoundRows f;
        ASSERT_TRUE(MakeTone(f.inSound("loud.wav"), 1.0, 440, 22050, 24));
        f.list.setCell(MessageList::FileColumn, 4, QStringLiteral("loud.wav"));
        f.sound.showRow(4);
        ASSERT_FALSE(f.sound.wave()->PlainPcm);
        ASSERT_TRUE(MakeTone(f.inSound("loud.wav"), 2.0, 880, 22050, 24)); // replaced while shown
        const QByteArray theirs = ReadFile(f.inSound("loud.wav"));
        EXPECT_EQ(f.sound.cut(0, 11024).error(), FileStamp::changedText(f.inSound("loud.wav")));
        EXPECT_EQ(f.file(4), QStringLiteral("loud.wav"));
        EXPECT_FALSE(QFile::exists(f.inSound("loud-2.wav")));
        EXPECT_EQ(ReadFile(f.inSound("loud.wav")), theirs);
        EXPECT_NEAR(double(f.sound.sampleCount()) / 22050.0, 2.0, 0.01); // shown as it is now
    }
}
