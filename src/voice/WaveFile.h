#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class QFile;

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

// One voice message: a wave file held as one channel of signed 16-bit samples. The first 44 bytes
// of a file are taken as the header, whatever they say; multi-channel files keep their last
// channel, 8-bit files their unsigned values 0 to 255.
class TWaveFile
{
public:
    static constexpr int HeaderSize = 44;

    // Shows the user why a file could not be opened, loaded or created; the caller decides how
    // (the pages show a plain message box).
    using MessageHandler = std::function<void(const QString &message)>;

    // Loads the file; never fails as a whole: Loaded tells whether a sound came in. With a
    // message handler (ShowMessages) the user is told why a file could not be opened or loaded.
    explicit TWaveFile(const QString &fileName, MessageHandler showMessage = {});
    // No sound yet, with the header of the tool's recordings (PCM mono 44.1 kHz 16-bit).
    TWaveFile() = default;

    // Writes the header and the samples through a temporary file that replaces the target only
    // once complete. A target that cannot be created is reported (with ShowMessages) and left
    // alone; a failed write throws EInOutError and leaves the target and FileName as they were.
    // Returns whether the file was written.
    bool SaveToFile(const QString &fileName);
    bool Save() { return SaveToFile(FileName); }
    void Unload() { Loaded = false; }

    RiffBlock Riff;
    FormatBlock Format;
    DataHeader Data;
    QString FileName;
    bool Loaded = false;
    std::vector<int16_t> Samples;
    bool ShowMessages = false;
    // Bits per sample as the file had them before loading: 8-bit samples are held as their
    // unsigned values 0 to 255, which must be centred on 0 to be heard as sound.
    uint16_t SourceBitsPerSample = 16;

private:
    bool load(QFile &file);
    void report(const char *what, const QString &fileName) const;

    MessageHandler m_showMessage;
};

} // namespace orvanta
