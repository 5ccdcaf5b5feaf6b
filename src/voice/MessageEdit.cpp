#include "MessageEdit.h"

#include "MessageTools.h"
#include "Speech.h"
#include "core/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace orvanta {

bool ReadOnlyMessage(const QString &fileName)
{
    const QFileInfo file(fileName);
    return file.exists() && (!file.isWritable() || !(file.permissions() & QFile::WriteOwner));
}

MessageEdit::MessageEdit(QObject *parent)
    : QObject(parent)
{}

QString MessageEdit::reloadIfChanged()
{
    if (m_stamp.stillHolds(m_fileName))
        return {};
    load(m_fileName);
    return FileStamp::changedText(m_fileName);
}

bool MessageEdit::load(const QString &fileName)
{
    m_fileName = fileName;
    m_stamp = FileStamp::of(fileName);
    m_wave = std::make_shared<TWaveFile>(fileName);
    m_undoSamples.clear();
    m_undoRate = 0;
    emit samplesChanged();
    return m_wave->Loaded;
}

void MessageEdit::unload()
{
    if (m_wave)
        m_wave->Unload();
    m_undoSamples.clear();
    emit samplesChanged();
}

SoundResult MessageEdit::replace(std::vector<int16_t> samples, uint32_t rate, bool keepUndo)
{
    if (!loaded())
        return tr("Нет звука для изменения");
    // Nothing is written from samples the file no longer holds.
    if (const QString changed = reloadIfChanged(); !changed.isEmpty())
        return changed;
    const QString name = m_wave->FileName; // the wave is replaced below
    // A file the user has made read-only is not ours to change.
    if (ReadOnlyMessage(name))
        return tr("Файл \"%1\" только для чтения: изменение не сохранено").arg(name);
    // A file in another format (several channels, other sample widths, compressed) would be
    // written back as 16-bit mono PCM: it is left as it is.
    if (!m_wave->PlainPcm)
        return tr("Файл \"%1\" не в формате сообщений (WAV PCM, 16 бит, моно): "
                  "изменение не сохранено, файл оставлен как есть")
            .arg(name);
    TWaveFile edited = *m_wave;
    edited.Samples = std::move(samples);
    edited.Format.SampleRate = rate;
    edited.Format.ByteRate = rate * 2;
    try {
        if (!edited.SaveToFile(name))
            return tr("Не удалось создать файл \"%1\"!").arg(name);
    } catch (const std::exception &error) {
        return ErrorText(error);
    }
    if (keepUndo) {
        m_undoSamples = m_wave->Samples; // the old wave may still be playing
        m_undoRate = m_wave->Format.SampleRate;
    }
    m_wave = std::make_shared<TWaveFile>(std::move(edited));
    m_stamp = FileStamp::of(name);
    emit samplesChanged();
    emit written();
    return {};
}

SoundResult MessageEdit::change(const std::function<bool(std::vector<int16_t> &)> &edit)
{
    if (!loaded())
        return tr("Нет звука для изменения");
    std::vector<int16_t> samples = m_wave->Samples;
    if (!edit(samples))
        return {};
    return replace(std::move(samples), m_wave->Format.SampleRate);
}

SoundResult MessageEdit::cut(qint64 first, qint64 last)
{
    return change([first, last](std::vector<int16_t> &samples) {
        const qint64 end = std::min(last + 1, qint64(samples.size()));
        if (first < end)
            samples.erase(samples.begin() + first, samples.begin() + end);
        return true;
    });
}

SoundResult MessageEdit::silence(qint64 first, qint64 last)
{
    return change([first, last](std::vector<int16_t> &samples) {
        const qint64 end = std::min(last + 1, qint64(samples.size()));
        if (first < end)
            std::fill(samples.begin() + first, samples.begin() + end, 0);
        return true;
    });
}

SoundResult MessageEdit::trim()
{
    const int rate = loaded() ? int(m_wave->Format.SampleRate) : 0;
    return change([rate](std::vector<int16_t> &samples) { return TrimSilence(samples, rate); });
}

SoundResult MessageEdit::evenLoudness()
{
    return change([](std::vector<int16_t> &samples) { return EvenLoudness(samples); });
}

SoundResult MessageEdit::speak(const QString &text, const QString &fileName, const QString &voice)
{
    std::vector<int16_t> samples;
    try {
        samples = SpeakText(text, voice);
    } catch (const ESpeechError &error) {
        return ErrorText(error);
    }
    if (loaded() && m_fileName == fileName)
        return replace(std::move(samples), MessageRate);
    if (ReadOnlyMessage(fileName))
        return tr("Файл \"%1\" только для чтения: изменение не сохранено").arg(fileName);
    TWaveFile spoken;
    spoken.Samples = std::move(samples);
    try {
        if (!spoken.SaveToFile(fileName))
            return tr("Не удалось создать файл \"%1\"!").arg(fileName);
    } catch (const std::exception &error) {
        return ErrorText(error);
    }
    load(fileName);
    emit written();
    return {};
}

SoundResult MessageEdit::undo()
{
    if (!canUndo())
        return {};
    return replace(m_undoSamples, m_undoRate != 0 ? m_undoRate : m_wave->Format.SampleRate, false);
}

} // namespace orvanta
