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
    // Writes the samples to the wave file and opens it on the device again.
    void ApplyEdit();
    // "Ошибка воспроизведения!", while errors are shown.
    void ReportPlaybackError();

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

    WaveEnvelope m_envelope;
    bool m_envelopeStale = true;
    QTimer m_follow;
    int m_shownCursor = -1;
};

} // namespace orvanta
