// Trimmed silence and even loudness on samples, the length of a wave file from its header, and
// the message being edited.
#include "voice/MessageEdit.h"
#include "voice/MessageTools.h"
#include "voice/Speech.h"
#include "voice/WaveFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

using namespace orvanta;

namespace {

constexpr int Rate = 44100;

// Silence, then a tone of the given amplitude, then silence.
std::vector<int16_t> toneBetweenSilences(int silentBefore, int toneSamples, int silentAfter,
                                         int amplitude)
{
    std::vector<int16_t> samples(size_t(silentBefore), 0);
    for (int i = 0; i < toneSamples; ++i)
        samples.push_back(int16_t(amplitude * std::sin(2 * M_PI * 440 * i / Rate)));
    samples.resize(samples.size() + size_t(silentAfter), 0);
    return samples;
}

} // namespace

TEST(MessageTools, TrimKeepsTheSoundAndAShortMargin)
{
    std::vector<int16_t> samples = toneBetweenSilences(Rate, Rate / 2, 2 * Rate, 10000);
    samples[100] = 30; // noise far below the threshold
    ASSERT_TRUE(TrimSilence(samples, Rate));
    const int margin = Rate * 50 / 1000;
    EXPECT_NEAR(double(samples.size()), Rate / 2 + 2 * margin, 200);
    int loud = 0;
    for (int16_t sample : samples)
        loud += std::abs(int(sample)) > 500;
    const std::vector<int16_t> original = toneBetweenSilences(0, Rate / 2, 0, 10000);
    int originalLoud = 0;
    for (int16_t sample : original)
        originalLoud += std::abs(int(sample)) > 500;
    EXPECT_EQ(loud, originalLoud); // no loud sample lost

    std::vector<int16_t> silent(Rate, 0);
    EXPECT_FALSE(TrimSilence(silent, Rate));
    EXPECT_EQ(silent.size(), size_t(Rate));
    std::vector<int16_t> tight = toneBetweenSilences(10, 1000, 10, 8000); // margins already short
    EXPECT_FALSE(TrimSilence(tight, Rate));
}

TEST(MessageTools, EvenLoudnessReachesItsPeakAndKeepsTheShape)
{
    std::vector<int16_t> samples = toneBetweenSilences(0, Rate, 0, 1200);
    const std::vector<int16_t> original = samples;
    ASSERT_TRUE(EvenLoudness(samples));
    int peak = 0;
    for (int16_t sample : samples)
        peak = std::max(peak, std::abs(int(sample)));
    EXPECT_NEAR(20 * std::log10(peak / 32767.0), -1.0, 0.1);
    double xy = 0, xx = 0, yy = 0;
    for (size_t i = 0; i < samples.size(); ++i) {
        xy += double(original[i]) * samples[i];
        xx += double(original[i]) * original[i];
        yy += double(samples[i]) * samples[i];
    }
    EXPECT_GT(xy / std::sqrt(xx * yy), 0.999);
    std::vector<int16_t> silent(100, 0);
    EXPECT_FALSE(EvenLoudness(silent));
}

TEST(MessageTools, WaveSecondsFromTheHeader)
{
    QTemporaryDir folder;
    TWaveFile wave;
    wave.Samples.assign(Rate * 3 / 2, 1);
    wave.SaveToFile(folder.filePath(QStringLiteral("a.wav")));
    EXPECT_DOUBLE_EQ(WaveSeconds(folder.filePath(QStringLiteral("a.wav"))), 1.5);
    EXPECT_EQ(WaveSeconds(folder.filePath(QStringLiteral("missing.wav"))), 0);
}

// The voice follows the language of the row's own text, and each of them speaks.
TEST(Speech, VoiceFollowsTheTextsLanguage)
{
    const std::pair<const char *, const char *> texts[] = {
        {"Тревога, шлейф три", "ru"},
        {"Тривога, шлейф три. Перевірте об'єкт", "uk"},
        {"Alarm, loop three", "en"},
        {"Сигнал ALARM 2", "ru"},
        {"12 34", "ru"},
    };
    for (const auto &[text, voice] : texts) {
        const QString words = QString::fromUtf8(text);
        EXPECT_EQ(VoiceForText(words), QLatin1String(voice)) << text;
        EXPECT_GT(SpeakText(words, VoiceForText(words)).size(), size_t(Rate / 4)) << text;
    }
}

TEST(Speech, RussianTextBecomesAMessageAndAnUnknownVoiceIsSaid)
{
    const std::vector<int16_t> short_ = SpeakText(QStringLiteral("Тревога"));
    const std::vector<int16_t> long_ =
        SpeakText(QStringLiteral("Тревога, шлейф три. Проверьте охраняемый объект."));
    EXPECT_GT(short_.size(), size_t(Rate / 4));
    EXPECT_LT(short_.size(), size_t(3 * Rate));
    EXPECT_GT(long_.size(), 2 * short_.size());
    int peak = 0;
    for (int16_t sample : long_)
        peak = std::max(peak, std::abs(int(sample)));
    EXPECT_GT(peak, 3000);
    EXPECT_THROW(SpeakText(QStringLiteral("Тревога"), QStringLiteral("xx-no-such-voice")),
                 ESpeechError);

    // Resampling keeps a tone's pitch and level.
    std::vector<int16_t> tone;
    for (int i = 0; i < 22050; ++i)
        tone.push_back(int16_t(10000 * std::sin(2 * M_PI * 1000 * i / 22050.0)));
    const std::vector<int16_t> up = Resample(tone, 22050, Rate);
    ASSERT_EQ(up.size(), size_t(Rate));
    int crossings = 0, upPeak = 0;
    for (size_t i = 100; i + 100 < up.size(); ++i) {
        crossings += (up[i - 1] < 0) != (up[i] < 0);
        upPeak = std::max(upPeak, std::abs(int(up[i])));
    }
    EXPECT_NEAR(crossings / 2.0, 1000 * (Rate - 200) / double(Rate), 3);
    EXPECT_NEAR(upPeak, 10000, 150);
}

// A message replaced on disk while it is shown is never overwritten with the samples shown: the
// edit loads the file again and says so; a file only touched is edited as usual.
TEST(MessageEdit, FileChangedOnDiskIsLoadedAgainInsteadOfOverwritten)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("m2.wav"));
    const auto save = [&](double seconds, int amplitude) {
        TWaveFile wave;
        wave.Samples = toneBetweenSilences(0, int(seconds * Rate), 0, amplitude);
        ASSERT_TRUE(wave.SaveToFile(path));
    };
    save(2.0, 8000);
    MessageEdit edit;
    ASSERT_TRUE(edit.load(path));
    save(8.0, 12000); // another program writes the file anew
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray replaced = file.readAll();
    file.close();
    EXPECT_TRUE(edit.cut(0, Rate - 1).error().contains(QStringLiteral("изменён на диске")));
    EXPECT_EQ(edit.sampleCount(), 8 * Rate);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), replaced);
    file.close();

    EXPECT_TRUE(edit.cut(0, Rate - 1).done());
    EXPECT_EQ(edit.sampleCount(), 7 * Rate);
    save(1.0, 4000); // the undo copy is of another sound now
    EXPECT_TRUE(edit.undo().error().contains(QStringLiteral("изменён на диске")));
    EXPECT_EQ(edit.sampleCount(), Rate);
    EXPECT_FALSE(edit.canUndo());

    // Same bytes, new time: no change.
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray bytes = file.readAll();
    file.seek(0);
    file.write(bytes);
    file.close();
    EXPECT_TRUE(edit.silence(0, 10).done());
}
