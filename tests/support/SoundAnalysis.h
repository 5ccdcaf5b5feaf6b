#pragma once

#include <QProcess>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace orvanta::test {

// What a recording of a tone holds: its loud part, from the first to the last sample above a
// tenth of the peak, and the frequency of that part from its zero crossings.
struct ToneMeasure
{
    double seconds = 0;
    double frequency = 0;
    int peak = 0;
};
ToneMeasure MeasureTone(const std::vector<int16_t> &samples, int sampleRate);

// The normalised cross-correlation of two recordings of the same sound: their loud parts laid
// over each other at the best shift (up to maxShift samples either way); 1 for the same shape.
double BestCorrelation(const std::vector<int16_t> &a, const std::vector<int16_t> &b,
                       int maxShift = 1000);
// The same, window by window of a's loud part, each at its own best shift: the median. A sound
// that went through a server matching its clocks drifts by a few samples a second, which the
// whole sound's correlation counts as a difference of shape.
double WindowedCorrelation(const std::vector<int16_t> &a, const std::vector<int16_t> &b,
                           size_t window, int maxShift);

// A sine tone made by sox: seconds long, at the given rate and bits (8 bits are unsigned).
bool MakeTone(const QString &path, double seconds, int hertz, int rate = 44100, int bits = 16);
// A sweep from one pitch to another, made by sox: a sound whose shape shows any cut or gap.
bool MakeSweep(const QString &path, double seconds, int fromHertz, int toHertz);

// Lets the event loop run for the given time.
void RunEvents(int milliseconds);
// Lets the event loop run until done() or the limit; whether done() came true.
bool RunEventsUntil(const std::function<bool()> &done, int limitMs = 10000);
// Plays the file on the sound server's default output from another program (paplay), as a
// person speaking into the input would: nothing of it runs in this process.
bool PlayInTheBackground(QProcess &player, const QString &file);

} // namespace orvanta::test
