#pragma once

#include "FileStamp.h"
#include "SoundResult.h"
#include "WaveFile.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace orvanta {

// Whether the user made the message's file read-only: it may not be changed, even by a user
// (root) whom the system would let write it.
bool ReadOnlyMessage(const QString &fileName);

// The message being edited: its samples, kept in its wave file, and one level of undo. Every
// edit is one call that either writes the file and can be undone, or changes nothing and says
// why: what is shown and what plays is always what the file holds.
class MessageEdit : public QObject
{
    Q_OBJECT
public:
    explicit MessageEdit(QObject *parent = nullptr);

    // Replaces the message with the file's; false when it holds no sound (nothing is shown), and
    // the wave's Failure says why.
    bool load(const QString &fileName);
    // The message is no longer shown.
    void unload();

    bool loaded() const { return m_wave && m_wave->Loaded; }
    const TWaveFile *wave() const { return m_wave.get(); }
    // The same wave, for a player that plays it without a copy of its own: an edit makes a new
    // one, so that a shared wave never changes.
    std::shared_ptr<const TWaveFile> sharedWave() const { return m_wave; }
    // The file last loaded, whether or not it held sound.
    const QString &fileName() const { return m_fileName; }
    qint64 sampleCount() const { return loaded() ? qint64(m_wave->Samples.size()) : 0; }
    const std::vector<int16_t> &undoSamples() const { return m_undoSamples; }
    bool canUndo() const { return loaded() && !m_undoSamples.empty(); }

    // Each is done when the edit was written, else says why nothing changed. An edit that changes
    // no sample (a silent message trimmed) is no edit, and done.
    SoundResult cut(qint64 first, qint64 last);
    SoundResult silence(qint64 first, qint64 last);
    SoundResult trim();
    SoundResult evenLoudness();
    // The text spoken into the file, at the tool's recording rate: an edit of the message when
    // the file is the one loaded, else a new message in that file, then loaded.
    SoundResult speak(const QString &text, const QString &fileName,
                      const QString &voice = QStringLiteral("ru"));
    // Puts the undo copy back; the copy stays, so a second undo gives the same.
    SoundResult undo();

    // The file was changed on disk since it was loaded: it is loaded again, and the text says so
    // (empty when it was not).
    QString reloadIfChanged();

signals:
    // The samples changed: loaded, edited or gone.
    void samplesChanged();
    // The message's file was written.
    void written();

private:
    // Edits a copy of the samples at the message's rate; an edit that returns false changed
    // nothing.
    SoundResult change(const std::function<bool(std::vector<int16_t> &)> &edit);
    // Writes the new samples; on success the old ones become the undo copy.
    SoundResult replace(std::vector<int16_t> samples, uint32_t rate, bool keepUndo = true);

    std::shared_ptr<TWaveFile> m_wave;
    QString m_fileName;
    FileStamp m_stamp;
    std::vector<int16_t> m_undoSamples;
    uint32_t m_undoRate = 0;
};

} // namespace orvanta
