// The message tools: speech of a typical two-second message, and trimming and evening the
// loudness of a 30-second one.
#include "voice/MessageTools.h"
#include "voice/Speech.h"

#include <benchmark/benchmark.h>
#include <cmath>

using namespace orvanta;

namespace {

std::vector<int16_t> thirtySeconds()
{
    std::vector<int16_t> samples(30 * 44100, 0);
    for (size_t i = 44100; i + 44100 < samples.size(); ++i)
        samples[i] = int16_t(3000 * std::sin(i * 0.06));
    return samples;
}

void BM_SpeakATwoSecondMessage(benchmark::State &state)
{
    size_t samples = 0;
    for (auto _ : state)
        samples = SpeakText(QStringLiteral("Тревога, шлейф три. Охрана выехала.")).size();
    state.counters["message_seconds"] = double(samples) / MessageRate;
}
BENCHMARK(BM_SpeakATwoSecondMessage)->Unit(benchmark::kMillisecond);

void BM_TrimThirtySeconds(benchmark::State &state)
{
    const std::vector<int16_t> message = thirtySeconds();
    for (auto _ : state) {
        std::vector<int16_t> samples = message;
        benchmark::DoNotOptimize(TrimSilence(samples, 44100));
    }
}
BENCHMARK(BM_TrimThirtySeconds)->Unit(benchmark::kMillisecond);

void BM_EvenLoudnessThirtySeconds(benchmark::State &state)
{
    const std::vector<int16_t> message = thirtySeconds();
    for (auto _ : state) {
        std::vector<int16_t> samples = message;
        benchmark::DoNotOptimize(EvenLoudness(samples));
    }
}
BENCHMARK(BM_EvenLoudnessThirtySeconds)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
