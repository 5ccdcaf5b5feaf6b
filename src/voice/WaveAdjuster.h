#pragma once

#include "WaveDevice.h"
#include "WaveEnvelope.h"
#include "WaveFile.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

namespace orvanta {

// The waveform editor of the sound page: one voice message drawn over a coloured grid, a play
// cursor that follows the sound device, a fragment selected with the left mouse button, cut,
// silence and one level of undo. Every edit is written to the wave file at once and the file is
// opened on the device again, so that what plays is what is shown.
class TWaveAdjuster : public QWidget
{
    Q_OBJECT
public:
    explicit TWaveAdjuster(QWidget *parent = nullptr);
    ~TWaveAdjuster() override;

    // Replaces the shown sound with the file, opened on the device in samples. A device that
    // refuses the file throws, and the view goes on showing "Загрузка...".
    void LoadSound(const QString &fileName);
    // Grid and waveform into Background, at the widget's size.
    void Redraw();
    void SaveUndo();
    void CutSelection();
    void SilenceSelection();
    void Undo();
    // The silence at both ends removed, and the peak brought to −1 dBFS: each one edit.
    void TrimSilence();
    void EvenLoudness();
    // The message spoken from text into the file: an edit of the shown sound when the file is
    // the one shown (Undo brings the old message back), else written and loaded. The old file
    // survives a failure. Throws ESpeechError.
    void SpeakMessage(const QString &text, const QString &fileName,
                      const QString &voice = QStringLiteral("ru"));
    // Writes the samples to the wave file and opens it on the device again.
    void ApplyEdit();
    // "Ошибка воспроизведения!", while errors are shown.
    void ReportPlaybackError();

    // Records the sound input into the file until StopSound or the maximum length, then shows
    // the recording. The old file is replaced only by a recording that was saved: a failure
    // leaves it as it was. Returns once the recording has ended.
    void RecordSound(const QString &fileName, int maxSeconds);
    // The whole sound, without waiting.
    void PlayFromStart();
    // The selection, or from the clicked sample to the end, without waiting.
    void PlaySelection();
    // Ends playing or recording.
    void StopSound();
    // Stops and closes the device; the sound is no longer loaded.
    void CloseSound();

    bool SoundLoaded() const { return Wave && Wave->Loaded; }
    qint64 SampleCount() const { return SoundLoaded() ? qint64(Wave->Samples.size()) : 0; }

    std::unique_ptr<TWaveFile> Wave;
    WaveDevice Player;
    QImage Background; // grid and waveform
    QImage Overlay;    // Background with the cursor and the selection, or a state's text
    qint64 SelStart = 0;
    qint64 SelEnd = 0;
    std::vector<int16_t> UndoSamples;
    bool Painting = false;
    bool Loading = false;
    bool Selecting = false;
    bool StopRequested = false;
    bool Recording = false;
    bool ShowErrors = true;
    // Draws every sound segment by segment, the reference picture the envelope matches; slow
    // for long sounds, for comparisons only.
    bool PlotEverySegment = false;

signals:
    // What the editor can do changed: a sound was loaded or edited, the undo copy was taken,
    // playing or recording began or ended.
    void stateChanged();
    // A message file was written: an edit, a recording or speech.
    void soundWritten();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void drawGrid();
    void plotSegments();
    void plotEnvelope();
    // Composes Overlay from Background and the current state, and schedules its painting.
    void showOverlay();
    // Keeps the cursor following a playing sound; repaints only when its column moves.
    void followPlayer();
    int cursorX() const;
    bool mouseTakesPart(const QMouseEvent *event, bool anyButton) const;
    void samplesChanged() { m_envelopeStale = true; }
    void takeDevice();
    void setRecording(bool recording);
    // The record loop: waits, without spinning, for a stop request or the maximum length.
    void waitForRecordingEnd(int maxSeconds);

    QString m_note;          // a passing note over the view, such as "Озвучивание..."
    uint32_t m_undoRate = 0; // the sample rate of the undo copy
    WaveEnvelope m_envelope;
    bool m_envelopeStale = true;
    QTimer m_follow;
    int m_shownCursor = -1;
};

} // namespace orvanta
