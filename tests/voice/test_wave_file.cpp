// Wave files on disk: made here, made by sox and espeak-ng, and the corpus of malformed ones.
#include "Errors.h"
#include "QtPrinters.h"
#include "TestFiles.h"
#include "WaveFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <sndfile.h>
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
    qToLittleEndian<quint32>(36 + 2 * samples.size(), b + 4);
    std::memcpy(b + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, b + 16);
    qToLittleEndian<quint16>(1, b + 20);
    qToLittleEndian<quint16>(1, b + 22);
    qToLittleEndian<quint32>(rate, b + 24);
    qToLittleEndian<quint32>(12345, b + 28);
    qToLittleEndian<quint16>(7, b + 32);
    qToLittleEndian<quint16>(16, b + 34);
    std::memcpy(b + 36, "data", 4);
    qToLittleEndian<quint32>(2 * samples.size(), b + 40);
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
    QStringList shown;
    QString path(const char *name) const { return folder.filePath(QLatin1String(name)); }
    // What the user would be shown.
    TWaveFile::MessageHandler show()
    {
        return [this](const QString &message) {
            shown += message;
        };
    }
    QStringList messages() const { return shown; }
};

} // namespace

TEST(WaveFile, MonoRoundTripKeepsEveryByteButTheDerivedFields)
{
    WaveFolder f;
    const std::vector<int16_t> samples{0, 1, -1, 32767, -32768, 1234, -4321};
    QByteArray original = monoFile(samples);
    WriteFile(f.path("a.wav"), original);
    TWaveFile wave(f.path("a.wav"), f.show());
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
    EXPECT_TRUE(f.shown.isEmpty());
}

namespace {

double rms(const std::vector<double> &x)
{
    double sum = 0;
    for (double v : x)
        sum += v * v;
    return std::sqrt(sum / double(std::max<size_t>(1, x.size())));
}

double peak(const std::vector<double> &x)
{
    double most = 0;
    for (double v : x)
        most = std::max(most, std::abs(v));
    return most;
}

double decibels(double a, double b)
{
    return 20 * std::log10(a / b);
}

// The best normalised correlation of got with want over small shifts: lossy decoders may keep a
// few samples of delay.
double bestCorrelation(const std::vector<double> &want, const std::vector<double> &got)
{
    double best = -1;
    for (int shift = -1200; shift <= 1200; shift += 1) {
        double sum = 0, a = 0, b = 0;
        for (size_t i = 2000; i + 2000 < want.size(); i += 3) {
            const qint64 j = qint64(i) + shift;
            if (j < 0 || j >= qint64(got.size()))
                continue;
            sum += want[i] * got[size_t(j)];
            a += want[i] * want[i];
            b += got[size_t(j)] * got[size_t(j)];
        }
        if (a > 0 && b > 0)
            best = std::max(best, sum / std::sqrt(a * b));
    }
    return best;
}

std::vector<double> asDoubles(const std::vector<int16_t> &samples)
{
    return {samples.begin(), samples.end()};
}

// An MP3 file, which sox here cannot write, through libsndfile's own encoder.
bool writeMp3(const QString &path, const std::vector<int16_t> &samples, int rate)
{
    SF_INFO info = {};
    info.samplerate = rate;
    info.channels = 1;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const bool written = sf_write_short(file, samples.data(), sf_count_t(samples.size())) ==
                         sf_count_t(samples.size());
    return sf_close(file) == 0 && written;
}

} // namespace

TEST(WaveFile, EveryFormatUsersBringIsHeardAsItSounds)
{
    WaveFolder f;
    // The source: one second of a chord at 44.1 kHz, 16-bit mono, well below full scale; and the
    // same with a different tone in each channel, which must mix down to their mean.
    ASSERT_TRUE(run(QStringLiteral("sox"),
                    {"-n", "-r", "44100", "-c", "1", "-b", "16", f.path("source.wav"), "synth", "1",
                     "sine", "440", "sine", "660", "remix", "1,2", "vol", "0.4"}));
    ASSERT_TRUE(run(QStringLiteral("sox"),
                    {"-n", "-r", "44100", "-c", "2", "-b", "16", f.path("stereo.wav"), "synth", "1",
                     "sine", "440", "sine", "660", "vol", "0.8"}));
    const TWaveFile source(f.path("source.wav"));
    ASSERT_TRUE(source.Loaded);
    EXPECT_TRUE(source.PlainPcm);
    ASSERT_TRUE(writeMp3(f.path("mp3.mp3"), source.Samples, 44100));

    const struct
    {
        const char *name;
        QStringList soxArguments; // between the source and the output
        bool stereo;
    } formats[] = {
        {"list.wav", {"--comment", "Orvanta"}, false}, // 16-bit mono: saved in place
        {"extensible.wav", {"-b", "24"}, false},
        {"pcm24.wav", {"-t", "wavpcm", "-b", "24"}, false},
        {"int32.wav", {"-b", "32"}, false},
        {"float.wav", {"-e", "floating-point", "-b", "32"}, false},
        {"ulaw.wav", {"-e", "u-law"}, false},
        {"alaw.wav", {"-e", "a-law"}, false},
        {"u8.wav", {"-b", "8", "-e", "unsigned"}, false},
        {"flac.flac", {}, false},
        {"ogg.ogg", {}, false},
        {"mp3.mp3", {}, false},
        {"stereo.wav", {}, true},
    };
    for (const auto &format : formats) {
        SCOPED_TRACE(format.name);
        const QString path = f.path(format.name);
        if (!QFile::exists(path)) {
            ASSERT_TRUE(run(QStringLiteral("sox"), QStringList{f.path("source.wav")} +
                                                       format.soxArguments + QStringList{path}));
        }
        const QByteArray before = ReadFile(path);
        const TWaveFile wave(path, f.show());
        ASSERT_TRUE(wave.Loaded) << wave.LoadError.toStdString();
        EXPECT_EQ(wave.PlainPcm, format.name == std::string("list.wav")); // others never saved over
        EXPECT_EQ(wave.Format.SampleRate, 44100u);
        EXPECT_NEAR(double(wave.Samples.size()), 44100.0, 0.06 * 44100);
        const std::vector<double> got = asDoubles(wave.Samples);
        std::vector<double> want = asDoubles(source.Samples);
        if (format.stereo) { // sox's mean of the two channels
            ASSERT_TRUE(run(QStringLiteral("sox"),
                            {path, "-c", "1", f.path("mixed.wav"), "remix", "1v0.5,2v0.5"}));
            want = asDoubles(TWaveFile(f.path("mixed.wav")).Samples);
        }
        EXPECT_NEAR(decibels(peak(got), peak(want)), 0, 0.5);
        EXPECT_NEAR(decibels(rms(got), rms(want)), 0, 0.5);
        EXPECT_GT(bestCorrelation(want, got), 0.99);
        EXPECT_EQ(ReadFile(path), before);
    }
    EXPECT_TRUE(f.shown.isEmpty());
}

TEST(WaveFile, HeaderClaimingMoreThanTheFileHolds)
{
    WaveFolder f;
    // espeak-ng writes to a pipe, so its header claims far more data than follows.
    ASSERT_TRUE(run(QStringLiteral("espeak-ng"), {"--stdout", "Orvanta"}, f.path("speech.wav")));
    const qint64 size = QFileInfo(f.path("speech.wav")).size();
    TWaveFile speech(f.path("speech.wav"), f.show());
    ASSERT_TRUE(speech.Loaded);
    EXPECT_EQ(qint64(speech.Samples.size()), (size - 44) / 2);

    QByteArray cut = monoFile({100, 200, 300});
    cut.chop(1); // the last sample lost its high byte, and is left out
    WriteFile(f.path("cut.wav"), cut);
    TWaveFile partial(f.path("cut.wav"), f.show());
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
        f.shown.clear();
        TWaveFile wave(f.path(name), f.show());
        EXPECT_FALSE(wave.Loaded) << name;
        EXPECT_EQ(
            f.messages(),
            QStringList{QStringLiteral("Не удалось загрузить файл \"%1\"!").arg(f.path(name))});
    }
    f.shown.clear();
    TWaveFile missing(f.path("missing.wav"), f.show());
    EXPECT_FALSE(missing.Loaded);
    EXPECT_EQ(
        f.messages(),
        QStringList{QStringLiteral("Не удалось открыть файл \"%1\"!").arg(f.path("missing.wav"))});
    f.shown.clear();
    TWaveFile silent(f.path("short.wav"));
    EXPECT_FALSE(silent.Loaded);
    EXPECT_TRUE(f.shown.isEmpty());
}

TEST(WaveFile, SavingNeverLosesTheOldFile)
{
    WaveFolder f;
    const QByteArray original = monoFile({5, 6, 7});
    WriteFile(f.path("keep.wav"), original);
    TWaveFile wave(f.path("keep.wav"), f.show());
    wave.Samples.assign(5000, 42);

    // A target that may not be written: reported, untouched.
    QFile::setPermissions(f.path("keep.wav"), QFile::ReadOwner);
    const bool immutable =
        ::geteuid() == 0 && run(QStringLiteral("chattr"), {"+i", f.path("keep.wav")});
    if (::geteuid() != 0 || immutable) {
        wave.Save();
        EXPECT_EQ(
            f.messages(),
            QStringList{QStringLiteral("Не удалось создать файл \"%1\"!").arg(f.path("keep.wav"))});
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
