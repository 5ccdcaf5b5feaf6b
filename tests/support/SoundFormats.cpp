#include "SoundFormats.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <sndfile.h>

namespace orvanta::test {

namespace {

bool sox(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("sox"), arguments);
    return process.waitForFinished(30000) && process.exitCode() == 0;
}

// MP3, which sox here cannot write, through libsndfile's own encoder.
bool writeMp3(const QString &source, const QString &path)
{
    SF_INFO in = {};
    SNDFILE *reader = sf_open(QFile::encodeName(source).constData(), SFM_READ, &in);
    if (!reader)
        return false;
    std::vector<short> samples(size_t(in.frames));
    sf_readf_short(reader, samples.data(), in.frames);
    sf_close(reader);
    SF_INFO out = {};
    out.samplerate = in.samplerate;
    out.channels = 1;
    out.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE *writer = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &out);
    if (!writer)
        return false;
    const bool written = sf_write_short(writer, samples.data(), sf_count_t(samples.size())) ==
                         sf_count_t(samples.size());
    return sf_close(writer) == 0 && written;
}

double level(const std::vector<int16_t> &samples, bool rms)
{
    double sum = 0, most = 0;
    for (int16_t sample : samples) {
        sum += double(sample) * sample;
        most = std::max(most, std::abs(double(sample)));
    }
    return rms ? std::sqrt(sum / double(std::max<size_t>(1, samples.size()))) : most;
}

// A WAV file with a LIST chunk between its format and its data, as editors write them.
bool withListChunk(const QString &source, const QString &path)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = in.readAll();
    const qsizetype data = bytes.indexOf("data");
    if (data < 0)
        return false;
    QByteArray info = QByteArray("INFOISFT") + QByteArray("\x08\0\0\0", 4) + "Orvanta" + '\0';
    QByteArray list = QByteArray("LIST") + char(info.size()) + QByteArray(3, '\0') + info;
    bytes.insert(data, list);
    const quint32 riff = quint32(bytes.size() - 8);
    for (int i = 0; i < 4; ++i)
        bytes[4 + i] = char((riff >> (8 * i)) & 0xFF);
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

} // namespace

std::vector<SoundFormat> MakeSoundFormats(const QString &folder)
{
    const QDir dir(folder);
    const QString source = dir.filePath(QStringLiteral("source.wav"));
    const QString stereo = dir.filePath(QStringLiteral("stereo.wav"));
    const QString mixed = dir.filePath(QStringLiteral("stereo-mixed.wav"));
    if (!sox({"-n", "-r", "44100", "-c", "1", "-b", "16", source, "synth", "1", "sine", "440",
              "sine", "660", "remix", "1,2", "vol", "0.4"}) ||
        !sox({"-n", "-r", "44100", "-c", "2", "-b", "16", stereo, "synth", "1", "sine", "440",
              "sine", "660", "vol", "0.8"}) ||
        !sox({stereo, "-c", "1", mixed, "remix", "1v0.5,2v0.5"}) ||
        !withListChunk(source, dir.filePath(QStringLiteral("list.wav"))) ||
        !writeMp3(source, dir.filePath(QStringLiteral("mp3.mp3"))))
        return {};
    const struct
    {
        const char *name;
        QStringList arguments; // between the source and the output
    } made[] = {
        {"extensible.wav", {"-b", "24"}},
        {"pcm24.wav", {"-t", "wavpcm", "-b", "24"}},
        {"int32.wav", {"-b", "32"}},
        {"float.wav", {"-e", "floating-point", "-b", "32"}},
        {"ulaw.wav", {"-e", "u-law"}},
        {"alaw.wav", {"-e", "a-law"}},
        {"u8.wav", {"-b", "8", "-e", "unsigned"}},
        {"flac.flac", {}},
        {"ogg.ogg", {}},
    };
    std::vector<SoundFormat> formats{{"list.wav", dir.filePath("list.wav"), source, true},
                                     {"mp3.mp3", dir.filePath("mp3.mp3"), source, false},
                                     {"stereo.wav", stereo, mixed, false}};
    for (const auto &format : made) {
        const QString path = dir.filePath(QLatin1String(format.name));
        if (!sox(QStringList{source} + format.arguments + QStringList{path}))
            return {};
        formats.push_back({QLatin1String(format.name), path, source, false});
    }
    return formats;
}

double PeakDecibels(const std::vector<int16_t> &got, const std::vector<int16_t> &want)
{
    return 20 * std::log10(level(got, false) / level(want, false));
}

double RmsDecibels(const std::vector<int16_t> &got, const std::vector<int16_t> &want)
{
    return 20 * std::log10(level(got, true) / level(want, true));
}

} // namespace orvanta::test
