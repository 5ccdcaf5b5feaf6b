#include "WaveFile.h"

#include "AtomicFile.h"
#include "Errors.h"

#include <QFile>
#include <QtEndian>
#include <cstring>

namespace orvanta {

namespace {

constexpr qint64 RiffAndFormatSize = 36;
constexpr int MaxBytesPerSample = 2;

QByteArray headerBytes(const RiffBlock &riff, const FormatBlock &format, const DataHeader &data)
{
    QByteArray bytes(TWaveFile::HeaderSize, '\0');
    auto *b = reinterpret_cast<uchar *>(bytes.data());
    std::memcpy(b, riff.RiffId, 4);
    qToLittleEndian<quint32>(riff.RiffSize, b + 4);
    std::memcpy(b + 8, riff.WaveId, 4);
    std::memcpy(b + 12, format.FmtId, 4);
    qToLittleEndian<quint32>(format.FmtSize, b + 16);
    qToLittleEndian<quint16>(format.FormatTag, b + 20);
    qToLittleEndian<quint16>(format.Channels, b + 22);
    qToLittleEndian<quint32>(format.SampleRate, b + 24);
    qToLittleEndian<quint32>(format.ByteRate, b + 28);
    qToLittleEndian<quint16>(format.BlockAlign, b + 32);
    qToLittleEndian<quint16>(format.BitsPerSample, b + 34);
    std::memcpy(b + 36, data.DataId, 4);
    qToLittleEndian<quint32>(data.DataSize, b + 40);
    return bytes;
}

} // namespace

void ParseWaveHeader(const uchar *b, RiffBlock &riff, FormatBlock &format, DataHeader &data)
{
    std::memcpy(riff.RiffId, b, 4);
    riff.RiffSize = qFromLittleEndian<quint32>(b + 4);
    std::memcpy(riff.WaveId, b + 8, 4);
    std::memcpy(format.FmtId, b + 12, 4);
    format.FmtSize = qFromLittleEndian<quint32>(b + 16);
    format.FormatTag = qFromLittleEndian<quint16>(b + 20);
    format.Channels = qFromLittleEndian<quint16>(b + 22);
    format.SampleRate = qFromLittleEndian<quint32>(b + 24);
    format.ByteRate = qFromLittleEndian<quint32>(b + 28);
    format.BlockAlign = qFromLittleEndian<quint16>(b + 32);
    format.BitsPerSample = qFromLittleEndian<quint16>(b + 34);
    std::memcpy(data.DataId, b + 36, 4);
    data.DataSize = qFromLittleEndian<quint32>(b + 40);
}

TWaveFile::TWaveFile(const QString &fileName, MessageHandler showMessage)
    : ShowMessages(bool(showMessage))
    , m_showMessage(std::move(showMessage))
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        report("Не удалось открыть файл", fileName);
        return;
    }
    FileName = fileName;
    Loaded = load(file);
    if (!Loaded)
        report("Не удалось загрузить файл", fileName);
}

void TWaveFile::report(const char *what, const QString &fileName) const
{
    if (ShowMessages && m_showMessage)
        m_showMessage(QStringLiteral("%1 \"%2\"!").arg(QString::fromUtf8(what), fileName));
}

bool TWaveFile::load(QFile &file)
{
    uchar header[HeaderSize] = {};
    // Missing bytes of the data header stay zero; only the first 36 bytes must be there.
    if (file.read(reinterpret_cast<char *>(header), HeaderSize) < RiffAndFormatSize)
        return false;
    ParseWaveHeader(header, Riff, Format, Data);
    if (Format.Channels == 0)
        Format.Channels = 1;
    const int bytesPerSample = Format.BitsPerSample / 8;
    // Samples wider than 16 bits do not fit the 16-bit samples held.
    if (bytesPerSample == 0 || bytesPerSample > MaxBytesPerSample)
        return false;
    const qint64 frameBytes = qint64(bytesPerSample) * Format.Channels;
    const quint64 announced = Data.DataSize / uint32_t(bytesPerSample) / Format.Channels;

    // As many frames as the file holds, the last one possibly partly: never more than that,
    // whatever the header announces.
    const qint64 available = std::max<qint64>(0, file.size() - file.pos());
    const qint64 present = (available + frameBytes - 1) / frameBytes;
    const qint64 frames = std::min<qint64>(qint64(announced), present);
    const QByteArray bytes = file.read(std::min(available, frames * frameBytes));
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());

    // Of each frame the last channel's sample is kept: the right channel of a stereo file.
    Samples.assign(size_t(frames), 0);
    const qint64 complete = std::min<qint64>(frames, bytes.size() / frameBytes);
    const uchar *last = data + qint64(Format.Channels - 1) * bytesPerSample;
    for (qint64 i = 0; i < complete; ++i) {
        const uchar *sample = last + i * frameBytes;
        Samples[size_t(i)] = bytesPerSample == 2 ? int16_t(qFromLittleEndian<quint16>(sample))
                                                 : int16_t(*sample); // 8-bit: 0 to 255
    }
    if (complete < frames) {
        // The cut-off last frame: each channel's bytes, as far as they go, land in the same
        // sample, so a short last read leaves bytes of the channel before it.
        uchar sample[2] = {0, 0};
        for (int channel = 0; channel < Format.Channels; ++channel) {
            const qint64 offset = complete * frameBytes + qint64(channel) * bytesPerSample;
            const qint64 got = std::clamp<qint64>(bytes.size() - offset, 0, bytesPerSample);
            if (got > 0)
                std::memcpy(sample, data + offset, size_t(got));
        }
        Samples[size_t(complete)] = int16_t(qFromLittleEndian<quint16>(sample));
    }
    if (Samples.empty())
        return false;

    SourceBitsPerSample = Format.BitsPerSample;
    Data.DataSize = uint32_t(2 * Samples.size());
    Format.Channels = 1;
    Format.BitsPerSample = 16;
    Format.BlockAlign = 2;
    Format.ByteRate = Format.SampleRate * 2;
    return true;
}

bool TWaveFile::SaveToFile(const QString &fileName)
{
    const int bytesPerSample = Format.BitsPerSample / 8;
    RiffBlock riff = Riff;
    DataHeader data = Data;
    riff.RiffSize = uint32_t(36 + Samples.size() * size_t(bytesPerSample));
    data.DataSize = uint32_t(2 * Samples.size());

    QByteArray bytes = headerBytes(riff, Format, data);
    const size_t count = bytesPerSample > 0 ? data.DataSize / uint32_t(bytesPerSample) : 0;
    const qsizetype start = bytes.size();
    bytes.resize(start + qsizetype(count) * bytesPerSample, '\0');
    auto *out = reinterpret_cast<uchar *>(bytes.data()) + start;
    for (size_t i = 0; i < count && i < Samples.size(); ++i) {
        uchar sample[2];
        qToLittleEndian<quint16>(quint16(Samples[i]), sample);
        std::memcpy(out + i * size_t(bytesPerSample), sample, size_t(std::min(bytesPerSample, 2)));
    }
    QString error;
    switch (SaveFileAtomically(fileName, bytes, &error)) {
    case SaveResult::Saved:
        break;
    case SaveResult::CannotCreate:
        report("Не удалось создать файл", fileName);
        return false;
    case SaveResult::WriteFailed:
        throw EInOutError(
            QStringLiteral("Не удалось записать файл \"%1\": %2").arg(fileName, error));
    }
    Riff = riff;
    Data = data;
    FileName = fileName;
    return true;
}

} // namespace orvanta
