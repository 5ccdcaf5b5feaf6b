#include "WaveFile.h"

#include "RegularFile.h"
#include "core/AtomicFile.h"
#include "core/Errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <memory>
#include <sndfile.h>
#include <sys/stat.h>
#include <type_traits>

namespace orvanta {

namespace {

constexpr sf_count_t BlockSamples = 1 << 16;
constexpr double FullScale = 32768; // a 16-bit sample s reads as s / 32768
// Beyond the panel's eight minutes at any usual rate, and no more samples than ten minutes at
// 48 kHz: a small compressed file cannot fill the memory with hours of sound.
constexpr size_t LongestSeconds = size_t(10) * 60;
constexpr size_t MostSamples = 48000 * LongestSeconds;
// The rates a sound output plays; beyond them a header is more likely broken than high-fidelity.
constexpr int LowestRate = 1000;
constexpr int HighestRate = 384000;
constexpr size_t ReservedAtOnce = size_t(1) << 20;

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

// 16-bit files come as they are, mixed down to the rounded mean of the channels; every other
// format as samples of -1 to 1 (8-bit centred, float as it is), rounded to 16 bits and clipped.
// False when the sound is longer than any message can be.
template <typename Sample>
bool readFrames(SNDFILE *file, int channels, sf_count_t frames, bool framesCredible, size_t longest,
                sf_count_t (*read)(SNDFILE *, Sample *, sf_count_t), std::vector<int16_t> &samples)
{
    // The block holds the same number of samples however many channels a file claims.
    const sf_count_t blockFrames = std::max<sf_count_t>(1, BlockSamples / channels);
    std::vector<Sample> block(size_t(blockFrames) * size_t(channels));
    samples.clear();
    // A header may claim any length: room is made for what is read, up to a modest start,
    // unless the file is large enough to hold what it claims. A message is then held in exactly
    // its own room, not in one that grew to twice its size.
    const size_t claimed = std::min(size_t(std::max<sf_count_t>(frames, 0)), longest);
    samples.reserve(framesCredible ? claimed : std::min(claimed, ReservedAtOnce));
    for (;;) {
        const sf_count_t got = read(file, block.data(), blockFrames);
        if (got <= 0)
            return true;
        if (samples.size() + size_t(got) > longest)
            return false;
        if constexpr (std::is_same_v<Sample, short>) {
            if (channels == 1) {
                samples.insert(samples.end(), block.begin(), block.begin() + got);
                continue;
            }
        }
        for (sf_count_t frame = 0; frame < got; ++frame) {
            double sum = 0;
            for (int channel = 0; channel < channels; ++channel)
                sum += block[size_t(frame * channels + channel)];
            const double scale = std::is_same_v<Sample, short> ? 1 : FullScale;
            samples.push_back(
                int16_t(std::clamp(std::lround(sum / channels * scale), -32768L, 32767L)));
        }
    }
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

TWaveFile::TWaveFile(const QString &fileName)
{
    const RegularFile file(fileName);
    if (!file.isOpen()) {
        LoadError = file.error();
        fail(QT_TRANSLATE_NOOP("orvanta::WaveFile", "Не удалось открыть файл"), fileName);
        return;
    }
    FileName = fileName;
    Loaded = load(file.descriptor());
    if (!Loaded)
        fail(QT_TRANSLATE_NOOP("orvanta::WaveFile", "Не удалось загрузить файл"), fileName);
}

void TWaveFile::fail(const char *what, const QString &fileName)
{
    Failure = QStringLiteral("%1 \"%2\"!")
                  .arg(QCoreApplication::translate("orvanta::WaveFile", what), fileName);
}

bool TWaveFile::load(int fd)
{
    SF_INFO info = {};
    SNDFILE *file = sf_open_fd(fd, SFM_READ, &info, SF_FALSE);
    if (!file) {
        // The library's own words are English; the user is told in the interface's.
        LoadError = QCoreApplication::translate("orvanta::WaveFile", "формат файла не распознан");
        return false;
    }
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE *)> closing(file, sf_close);
    if (info.channels < 1 || info.samplerate < 1) {
        LoadError = QCoreApplication::translate("orvanta::WaveFile", "в файле нет звука");
        return false;
    }
    if (info.samplerate < LowestRate || info.samplerate > HighestRate) {
        LoadError = QCoreApplication::translate("orvanta::WaveFile",
                                                "частота отсчётов %1 Гц: можно от %2 до %3 Гц")
                        .arg(info.samplerate)
                        .arg(LowestRate)
                        .arg(HighestRate);
        return false;
    }
    Format = FormatBlock{};
    Format.SampleRate = uint32_t(info.samplerate);
    Format.ByteRate = Format.SampleRate * 2;
    if (info.frames < 1) {
        // A sound file without sound yet, as a recording starts: its format is known.
        NoSoundYet = true;
        LoadError = QCoreApplication::translate("orvanta::WaveFile", "в файле нет звука");
        return false;
    }
    const bool sixteenBits = (info.format & SF_FORMAT_SUBMASK) == SF_FORMAT_PCM_16;
    const size_t longest = std::min(size_t(info.samplerate) * LongestSeconds, MostSamples);
    struct stat status = {};
    const bool credible = sixteenBits && ::fstat(fd, &status) == 0 &&
                          info.frames * info.channels * 2 <= sf_count_t(status.st_size);
    const bool complete = sixteenBits
                              ? readFrames<short>(file, info.channels, info.frames, credible,
                                                  longest, sf_readf_short, Samples)
                              : readFrames<double>(file, info.channels, info.frames, credible,
                                                   longest, sf_readf_double, Samples);
    // A sound whose length its header did not tell grew its room by doubling.
    if (Samples.capacity() > Samples.size() + Samples.size() / 16)
        Samples.shrink_to_fit();
    if (!complete) {
        LoadError = QCoreApplication::translate("orvanta::WaveFile", "звук длиннее %1 сек.")
                        .arg(longest / size_t(info.samplerate));
        Samples.clear();
        return false;
    }
    if (sf_error(file) != SF_ERR_NO_ERROR) {
        LoadError = QString::fromLocal8Bit(sf_strerror(file));
        Samples.clear();
        return false;
    }
    if (Samples.empty()) {
        LoadError = QCoreApplication::translate("orvanta::WaveFile", "в файле нет звука");
        return false;
    }
    PlainPcm = (info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_WAV &&
               (info.format & SF_FORMAT_SUBMASK) == SF_FORMAT_PCM_16 && info.channels == 1;
    Data.DataSize = uint32_t(2 * Samples.size());
    Riff.RiffSize = 36 + Data.DataSize;
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
    const size_t written = std::min(count, Samples.size());
    // An empty vector may hold no buffer at all: a header alone copies nothing.
    if (bytesPerSample == 2 && written > 0) {
        qToLittleEndian<qint16>(Samples.data(), qsizetype(written), out); // one copy on x86
    } else {
        for (size_t i = 0; i < written; ++i) {
            uchar sample[2];
            qToLittleEndian<quint16>(quint16(Samples[i]), sample);
            std::memcpy(out + i * size_t(bytesPerSample), sample,
                        size_t(std::min(bytesPerSample, 2)));
        }
    }
    QString error;
    switch (SaveFileAtomically(fileName, bytes, &error)) {
    case SaveResult::Saved:
        break;
    case SaveResult::CannotCreate:
        fail(QT_TRANSLATE_NOOP("orvanta::WaveFile", "Не удалось создать файл"), fileName);
        return false;
    case SaveResult::WriteFailed:
        throw EInOutError(
            QCoreApplication::translate("orvanta::WaveFile", "Не удалось записать файл \"%1\": %2")
                .arg(fileName, error));
    }
    Riff = riff;
    Data = data;
    FileName = fileName;
    return true;
}

} // namespace orvanta
