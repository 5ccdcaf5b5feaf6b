#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace orvanta {

// The three header blocks of a wave file, as they lie in its first 44 bytes.
struct RiffBlock
{
    char RiffId[4] = {'R', 'I', 'F', 'F'};
    uint32_t RiffSize = 36;
    char WaveId[4] = {'W', 'A', 'V', 'E'};
};

struct FormatBlock
{
    char FmtId[4] = {'f', 'm', 't', ' '};
    uint32_t FmtSize = 16;
    uint16_t FormatTag = 1; // PCM
    uint16_t Channels = 1;
    uint32_t SampleRate = 44100;
    uint32_t ByteRate = 88200;
    uint16_t BlockAlign = 2;
    uint16_t BitsPerSample = 16;
};

struct DataHeader
{
    char DataId[4] = {'d', 'a', 't', 'a'};
    uint32_t DataSize = 0;
};

// The header blocks from a file's first 44 bytes, as they stand.
void ParseWaveHeader(const uchar *bytes, RiffBlock &riff, FormatBlock &format, DataHeader &data);

// One voice message, held as one channel of signed 16-bit samples at the file's rate. Any sound
// file libsndfile reads comes in: WAV with any chunks or sample format, FLAC, Ogg, MP3 and more;
// several channels are mixed down, other sample widths converted with rounding and clipping.
// It is saved as PCM WAV with a 44-byte header.
class TWaveFile
{
public:
    static constexpr int HeaderSize = 44;

    // Loads the file; never fails as a whole: Loaded tells whether a sound came in, Failure why
    // not.
    explicit TWaveFile(const QString &fileName);
    // No sound yet, with the header of the tool's recordings (PCM mono 44.1 kHz 16-bit).
    TWaveFile() = default;

    // Writes the header and the samples through a temporary file that replaces the target only
    // once complete. A target that cannot be created is left alone and said in Failure; a failed
    // write throws EInOutError and leaves the target and FileName as they were. Returns whether
    // the file was written.
    bool SaveToFile(const QString &fileName);
    bool Save() { return SaveToFile(FileName); }
    void Unload() { Loaded = false; }

    RiffBlock Riff;
    FormatBlock Format;
    DataHeader Data;
    QString FileName;
    bool Loaded = false;
    std::vector<int16_t> Samples;
    // Whether the file as it lies is what Save writes, 16-bit mono PCM WAV, so that saving over it
    // loses nothing of its sound.
    bool PlainPcm = false;
    // Why the file could not be opened or loaded, in the reader's words.
    QString LoadError;
    // What the user is told of the last file that could not be opened, loaded or created
    // ("Не удалось открыть файл …!"), or empty.
    QString Failure;
    // The file is a sound file that holds no sound yet (a header alone); Format is its format.
    bool NoSoundYet = false;

private:
    // Reads the sound from the open file.
    bool load(int fd);

    void fail(const char *what, const QString &fileName);
};

} // namespace orvanta
