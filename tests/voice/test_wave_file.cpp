// Wave files on disk: made here, made by sox and espeak-ng, and the corpus of malformed ones.
#include "QtPrinters.h"
#include "SoundAnalysis.h"
#include "SoundFormats.h"
#include "TestFiles.h"
#include "core/Errors.h"
#include "voice/WaveFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// A 44-byte header and the given 16-bit samples; ByteRate and BlockAlign deliberately wrong.
QByteArray monoFile(const std::vector<int16_t> &samples, uint32_t rate = 8000)
{
    QByteArray bytes(44, '\0');
    auto *b = reinterpret_cast<uchar *>(bytes.data());
    std::memcpy(b, "RIFF", 4);
    qToLittleEndian<quint32>(quint32(36 + 2 * samples.size()), b + 4);
    std::memcpy(b + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, b + 16);
    qToLittleEndian<quint16>(1, b + 20);
    qToLittleEndian<quint16>(1, b + 22);
    qToLittleEndian<quint32>(rate, b + 24);
    qToLittleEndian<quint32>(12345, b + 28);
    qToLittleEndian<quint16>(7, b + 32);
    qToLittleEndian<quint16>(16, b + 34);
    std::memcpy(b + 36, "data", 4);
    qToLittleEndian<quint32>(quint32(2 * samples.size()), b + 40);
    for (int16_t sample : samples) {
        uchar le[2];
        qToLittleEndian<quint16>(quint16(sample), le);
        bytes.append(reinterpret_cast<const char *>(le), 2);
    }
    return bytes;
}

bool run(const QString &program, const QStringList &arguments, const QString &output = {})
{
    QProcess process;
    if (!output.isEmpty())
        process.setStandardOutputFile(output);
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

struct WaveFolder
{
    QTemporaryDir folder;
    QString path(const char *name) const { return folder.filePath(QLatin1String(name)); }
};

} // namespace

TEST(WaveFile, MonoRoundTripKeepsEveryByteButTheDerivedFields)
{
    WaveFolder f;
    const std::vector<int16_t> samples{0, 1, -1, 32767, -32768, 1234, -4321};
    QByteArray original = monoFile(samples);
    WriteFile(f.path("a.wav"), original);
    TWaveFile wave(f.path("a.wav"));
    ASSERT_TRUE(wave.Loaded);
    EXPECT_EQ(wave.Samples, samples);
    EXPECT_EQ(wave.Format.SampleRate, 8000u);
    wave.Save();
    const QByteArray saved = ReadFile(f.path("a.wav"));
    ASSERT_EQ(saved.size(), original.size());
    // ByteRate and BlockAlign take their consistent values; the rest is byte for byte.
    qToLittleEndian<quint32>(16000, original.data() + 28);
    qToLittleEndian<quint16>(2, original.data() + 32);
    EXPECT_EQ(saved, original);
    EXPECT_TRUE(wave.Failure.isEmpty());
}

TEST(WaveFile, EveryFormatUsersBringIsHeardAsItSounds)
{
    WaveFolder f;
    const std::vector<SoundFormat> formats = MakeSoundFormats(f.folder.path());
    ASSERT_EQ(formats.size(), 12u);
    for (const SoundFormat &format : formats) {
        SCOPED_TRACE(format.name.toStdString());
        const QByteArray before = ReadFile(format.path);
        const TWaveFile wave(format.path);
        ASSERT_TRUE(wave.Loaded) << wave.LoadError.toStdString();
        EXPECT_EQ(wave.PlainPcm, format.plain); // only that one is ever saved over
        EXPECT_EQ(wave.Format.SampleRate, 44100u);
        EXPECT_NEAR(double(wave.Samples.size()), 44100.0, 0.06 * 44100);
        const std::vector<int16_t> want = TWaveFile(format.expected).Samples;
        EXPECT_NEAR(PeakDecibels(wave.Samples, want), 0, 0.5);
        EXPECT_NEAR(RmsDecibels(wave.Samples, want), 0, 0.5);
        EXPECT_GT(BestCorrelation(want, wave.Samples, 1200), 0.99);
        EXPECT_EQ(ReadFile(format.path), before);
        EXPECT_TRUE(wave.Failure.isEmpty());
    }
}

TEST(WaveFile, HeaderClaimingMoreThanTheFileHolds)
{
    WaveFolder f;
    // espeak-ng writes to a pipe, so its header claims far more data than follows.
    ASSERT_TRUE(run(QStringLiteral("espeak-ng"), {"--stdout", "Orvanta"}, f.path("speech.wav")));
    const qint64 size = QFileInfo(f.path("speech.wav")).size();
    TWaveFile speech(f.path("speech.wav"));
    ASSERT_TRUE(speech.Loaded);
    EXPECT_EQ(qint64(speech.Samples.size()), (size - 44) / 2);

    QByteArray cut = monoFile({100, 200, 300});
    cut.chop(1); // the last sample lost its high byte, and is left out
    WriteFile(f.path("cut.wav"), cut);
    TWaveFile partial(f.path("cut.wav"));
    ASSERT_TRUE(partial.Loaded);
    EXPECT_EQ(partial.Samples, (std::vector<int16_t>{100, 200}));
}

TEST(WaveFile, LoadFailuresAreReported)
{
    WaveFolder f;
    WriteFile(f.path("short.wav"), monoFile({1}).left(35));
    QByteArray noFrame = monoFile({1});
    qToLittleEndian<quint32>(1, noFrame.data() + 40); // less than one frame
    WriteFile(f.path("noframe.wav"), noFrame);
    QByteArray wide = monoFile({1});
    qToLittleEndian<quint16>(24, wide.data() + 34); // less than one 24-bit sample
    WriteFile(f.path("wide.wav"), wide);
    WriteFile(f.path("text.wav"), "RIFF, and then just a user's notes");
    for (const char *name : {"short.wav", "noframe.wav", "wide.wav", "text.wav"}) {
        TWaveFile wave(f.path(name));
        EXPECT_FALSE(wave.Loaded) << name;
        EXPECT_EQ(wave.Failure,
                  QStringLiteral("Не удалось загрузить файл \"%1\"!").arg(f.path(name)));
    }
    TWaveFile missing(f.path("missing.wav"));
    EXPECT_FALSE(missing.Loaded);
    EXPECT_EQ(missing.Failure,
              QStringLiteral("Не удалось открыть файл \"%1\"!").arg(f.path("missing.wav")));
}

TEST(WaveFile, SavingNeverLosesTheOldFile)
{
    WaveFolder f;
    const QByteArray original = monoFile({5, 6, 7});
    WriteFile(f.path("keep.wav"), original);
    TWaveFile wave(f.path("keep.wav"));
    wave.Samples.assign(5000, 42);

    // A target that may not be written: reported, untouched.
    QFile::setPermissions(f.path("keep.wav"), QFile::ReadOwner);
    const bool immutable =
        ::geteuid() == 0 && run(QStringLiteral("chattr"), {"+i", f.path("keep.wav")});
    if (::geteuid() != 0 || immutable) {
        EXPECT_FALSE(wave.Save());
        EXPECT_EQ(wave.Failure,
                  QStringLiteral("Не удалось создать файл \"%1\"!").arg(f.path("keep.wav")));
        EXPECT_EQ(ReadFile(f.path("keep.wav")), original);
    }
    if (immutable)
        run(QStringLiteral("chattr"), {"-i", f.path("keep.wav")});
    QFile::setPermissions(f.path("keep.wav"), QFile::ReadOwner | QFile::WriteOwner);

    // A write that fails half-way (the file size limit): an error, and the old file stays whole.
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(wave.SaveToFile(f.path("keep.wav")), EInOutError);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(ReadFile(f.path("keep.wav")), original);
    EXPECT_EQ(wave.FileName, f.path("keep.wav"));
    EXPECT_EQ(QDir(f.folder.path()).entryList(QDir::Files),
              QStringList{"keep.wav"}); // no leftovers

    wave.SaveToFile(f.path("new.wav"));
    EXPECT_EQ(wave.FileName, f.path("new.wav"));
    EXPECT_EQ(TWaveFile(f.path("new.wav")).Samples.size(), 5000u);
}

TEST(WaveFile, EmptyObjectSavesAHeaderOnly)
{
    WaveFolder f;
    TWaveFile empty(f.path("none.wav"));
    EXPECT_FALSE(empty.Loaded);
    empty.SaveToFile(f.path("empty.wav"));
    const QByteArray bytes = ReadFile(f.path("empty.wav"));
    ASSERT_EQ(bytes.size(), 44);
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 4), 36u);
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 40), 0u);
    EXPECT_TRUE(bytes.startsWith("RIFF"));
}

TEST(WaveFile, MalformedCorpus)
{
    WaveFolder f;
    QDirIterator files(QStringLiteral(ORVANTA_WAVE_CORPUS), QDir::Files);
    int count = 0;
    while (files.hasNext()) {
        const QString path = files.next();
        const QString name = files.fileName();
        const qint64 size = QFileInfo(path).size();
        TWaveFile wave(path);
        ++count;
        if (name.startsWith(QLatin1String("ok-"))) {
            EXPECT_TRUE(wave.Loaded) << name.toStdString();
        } else if (name.startsWith(QLatin1String("fail-"))) {
            EXPECT_FALSE(wave.Loaded) << name.toStdString();
        }
        if (name.endsWith(QLatin1String(".wav"))) { // uncompressed: never more than the file
            EXPECT_LE(qint64(wave.Samples.size()), size) << name.toStdString();
        }
        if (wave.Loaded) {
            wave.SaveToFile(f.path("out.wav"));
            EXPECT_EQ(TWaveFile(f.path("out.wav")).Samples, wave.Samples) << name.toStdString();
        }
    }
    EXPECT_GE(count, 80);
}
