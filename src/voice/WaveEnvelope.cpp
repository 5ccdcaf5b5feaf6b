#include "WaveEnvelope.h"

#include <algorithm>
#include <cstdlib>

namespace orvanta {

qint64 RoundedDivision(qint64 numerator, qint64 denominator)
{
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) { // floor division, so that the halves below are measured upward
        --quotient;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

void WaveEnvelope::setSamples(const std::vector<int16_t> &samples)
{
    m_samples = &samples;
    const qint64 count = points();
    m_blocks.assign(size_t((count + BlockSize - 1) / BlockSize), Block{});
    for (size_t block = 0; block < m_blocks.size(); ++block) {
        const qint64 first = qint64(block) * BlockSize;
        const qint64 end = std::min<qint64>(first + BlockSize, count);
        Block summary{samples[size_t(first)], samples[size_t(first)], 0};
        for (qint64 k = first; k < end; ++k) {
            const int16_t sample = samples[size_t(k)];
            summary.low = std::min(summary.low, sample);
            summary.high = std::max(summary.high, sample);
            summary.loudness =
                std::max(summary.loudness, PairLoudness(sample, samples[size_t(k + 1)]));
        }
        m_blocks[block] = summary;
    }
}

qint64 WaveEnvelope::points() const
{
    return m_samples && m_samples->size() >= 2 ? qint64(m_samples->size()) - 1 : 0;
}

qint64 WaveEnvelope::pointX(qint64 k, int width) const
{
    return RoundedDivision(k * width, qint64(m_samples->size()));
}

qint64 WaveEnvelope::firstPointAt(int x, int width) const
{
    const qint64 count = points();
    const qint64 n = qint64(m_samples->size());
    qint64 k = std::clamp<qint64>((2 * qint64(x) - 1) * n / (2 * qint64(width)), 0, count);
    while (k < count && pointX(k, width) < x)
        ++k;
    while (k > 0 && pointX(k - 1, width) >= x)
        --k;
    return k;
}

void WaveEnvelope::addPoint(Column &column, qint64 k) const
{
    const int16_t sample = (*m_samples)[size_t(k)];
    if (column.empty) {
        column.empty = false;
        column.low = column.high = sample;
    }
    column.low = std::min(column.low, sample);
    column.high = std::max(column.high, sample);
    column.loudness = std::max(column.loudness, PairLoudness(sample, (*m_samples)[size_t(k + 1)]));
}

WaveEnvelope::Column WaveEnvelope::column(int x, int width) const
{
    Column column;
    if (points() == 0 || width <= 0)
        return column;
    const qint64 first = firstPointAt(x, width);
    const qint64 end = firstPointAt(x + 1, width);
    // Single points up to a block boundary, whole blocks from their summaries, single points
    // after the last whole block.
    const qint64 headEnd = std::min(end, (first + BlockSize - 1) / BlockSize * BlockSize);
    for (qint64 k = first; k < headEnd; ++k)
        addPoint(column, k);
    qint64 k = headEnd;
    for (; k + BlockSize <= end; k += BlockSize) {
        const Block &block = m_blocks[size_t(k / BlockSize)];
        if (column.empty) {
            column.empty = false;
            column.low = block.low;
            column.high = block.high;
        }
        column.low = std::min(column.low, block.low);
        column.high = std::max(column.high, block.high);
        column.loudness = std::max(column.loudness, block.loudness);
    }
    for (; k < end; ++k)
        addPoint(column, k);
    if (!column.empty)
        column.last = (*m_samples)[size_t(end - 1)];
    return column;
}

} // namespace orvanta
