// What the output's monitor heard, against the message's file: each way a message can fail to
// reach the panel audible and whole, and what passes.
#include "voice/HeardMeasure.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace orvanta;

namespace {

constexpr uint32_t Rate = 8000;

// A tone of a second at about -12 dBFS between 0.2 s of silence either side.
std::vector<int16_t> message()
{
    std::vector<int16_t> samples(Rate * 14 / 10, 0);
    for (size_t i = Rate / 5; i < Rate * 6 / 5; ++i)
        samples[i] = int16_t(8000 * std::sin(2 * M_PI * 440 * double(i) / Rate));
    return samples;
}

} // namespace

TEST(HeardMeasure, SaysWhetherTheMessageWasHeardWholeAndAudible)
{
    using Heard = std::function<std::vector<int16_t>(std::vector<int16_t>)>;
    const struct
    {
        const char *name;
        Heard heard;
        const char *problem; // empty: heard whole
    } cases[] = {
        {"as played", [](std::vector<int16_t> s) { return s; }, ""},
        {"later and quieter",
         [](std::vector<int16_t> s) {
             for (int16_t &x : s)
                 x = int16_t(x / 8);
             s.insert(s.begin(), Rate * 3 / 100, 0);
             return s;
         },
         ""},
        {"silence", [](std::vector<int16_t> s) { return std::vector<int16_t>(s.size(), 0); },
         "на выводе звука тишина: сообщение не прозвучало"},
        {"below -50 dBFS",
         [](std::vector<int16_t> s) {
             for (int16_t &x : s)
                 x = int16_t(x / 200);
             return s;
         },
         "на выводе звука тишина: сообщение не прозвучало"},
        {"cut at 0.8 s",
         [](std::vector<int16_t> s) {
             std::fill(s.begin() + Rate, s.end(), 0);
             return s;
         },
         "прозвучало 0.80 с из 1.00 с сообщения"},
        {"a gap of 150 ms",
         [](std::vector<int16_t> s) {
             std::fill(s.begin() + Rate / 2, s.begin() + Rate * 65 / 100, 0);
             return s;
         },
         "в звуке пропуск не короче 100 мс на 0.30 с сообщения"},
        {"a gap of 80 ms",
         [](std::vector<int16_t> s) {
             std::fill(s.begin() + Rate / 2, s.begin() + Rate * 58 / 100, 0);
             return s;
         },
         ""},
        {"clipped",
         [](std::vector<int16_t> s) {
             for (int16_t &x : s)
                 x = int16_t(std::clamp(int(x) * 8, -32768, 32767));
             return s;
         },
         nullptr},
    };
    const std::vector<int16_t> file = message();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const HeardSound heard = MeasureHeard(file, Rate, c.heard(file), Rate);
        if (c.problem)
            EXPECT_EQ(heard.problem, QString::fromUtf8(c.problem));
        else
            EXPECT_TRUE(heard.problem.startsWith(QStringLiteral("звук искажён: ")))
                << heard.problem.toStdString();
    }
    // A file without sound has nothing to prove; the figures are those of what was heard.
    const HeardSound nothing = MeasureHeard(std::vector<int16_t>(Rate, 0), Rate, file, Rate);
    EXPECT_TRUE(nothing.whole());
    const HeardSound same = MeasureHeard(file, Rate, file, Rate);
    EXPECT_NEAR(same.seconds, 1.0, 0.011);
    EXPECT_NEAR(same.peakDb, 20 * std::log10(8000 / 32768.0), 0.1);
    EXPECT_NEAR(same.rmsDb, 20 * std::log10(8000 / std::sqrt(2) / 32768.0), 0.2);
}

// The monitor hears the end of a message after its play ended: how long to go on listening.
TEST(HeardMeasure, WaitsForTheWholeSoundFromWhereItWasHeard)
{
    const std::vector<int16_t> file = message(); // sound from 0.2 s to 1.2 s
    const struct
    {
        const char *name;
        size_t silenceBefore; // samples heard before the sound
        size_t soundHeard;    // samples of the sound heard so far
        size_t waitFor;
    } cases[] = {
        {"nothing heard yet", Rate / 2, 0, 0},
        {"heard at once, cut by a period", 0, Rate * 95 / 100, Rate * 101 / 100},
        {"heard 0.3 s late", Rate * 3 / 10, Rate / 2, Rate * 131 / 100},
        {"heard whole", 0, Rate, Rate * 101 / 100},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int16_t> heard(c.silenceBefore, 0);
        heard.insert(heard.end(), file.begin() + Rate / 5, file.begin() + Rate / 5 + c.soundHeard);
        EXPECT_EQ(HeardSamplesToWaitFor(SoundingSeconds(file, Rate), heard, Rate), c.waitFor);
    }
    EXPECT_EQ(SoundingSeconds(std::vector<int16_t>(Rate, 0), Rate), 0.0);
    EXPECT_EQ(HeardSamplesToWaitFor(0.0, file, Rate), 0u); // a file without sound
}
