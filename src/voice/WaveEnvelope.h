#pragma once

#include <QtGlobal>
#include <cstdint>
#include <vector>

namespace orvanta {

// numerator / denominator rounded to the nearest integer, halves to the even neighbour; the
// denominator is above 0.
qint64 RoundedDivision(qint64 numerator, qint64 denominator);

// How loud a pair of neighbouring samples is: |a + b| / 2, rounded, 0 to 32768. Inline: it runs
// once per sample whenever a sound changes.
inline uint16_t PairLoudness(int16_t a, int16_t b)
{
    const int sum = int(a) + int(b);
    const unsigned magnitude = unsigned(sum < 0 ? -sum : sum);
    const unsigned half = magnitude >> 1;
    return uint16_t(half + (magnitude & half & 1u)); // an odd sum's half goes to the even side
}

// A sound drawn in columns: each sample k up to the last but one is a point of the plot at
// x = k × width / n (rounded), and every column shows the lowest and highest of its points in
// the colour of its loudest pair. A summary of every BlockSize samples is kept, so that a
// column costs at most two partial blocks and the summaries between them: a redraw costs
// pixels, not samples.
class WaveEnvelope
{
public:
    static constexpr int BlockSize = 64;

    struct Column
    {
        bool empty = true; // no point falls into the column
        int16_t low = 0;
        int16_t high = 0;
        uint16_t loudness = 0; // of the loudest pair
        int16_t last = 0;      // the column's last point, where the plot goes on from
    };

    // Summarises the samples; they must stay unchanged while columns are asked for.
    void setSamples(const std::vector<int16_t> &samples);
    qint64 points() const;

    // The x of point k when the sound is drawn width pixels wide.
    qint64 pointX(qint64 k, int width) const;
    Column column(int x, int width) const;

private:
    struct Block
    {
        int16_t low;
        int16_t high;
        uint16_t loudness;
    };
    qint64 firstPointAt(int x, int width) const;
    void addPoint(Column &column, qint64 k) const;

    const std::vector<int16_t> *m_samples = nullptr;
    std::vector<Block> m_blocks;
};

} // namespace orvanta
