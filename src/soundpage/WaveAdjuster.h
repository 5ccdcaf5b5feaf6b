#pragma once

#include "MessageEdit.h"
#include "MessageRecorder.h"
#include "WaveDevice.h"
#include "WaveEnvelope.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

namespace orvanta {

// The waveform editor of the sound page: the message being edited drawn over a coloured grid, a
// play cursor that follows the sound device, a fragment selected with the left mouse button.
// Edits go to the message (MessageEdit), which writes its file at once; the device is opened on
// what the file holds, so what plays is what is shown. Recording goes through the recorder.
class TWaveAdjuster : public QWidget
{
    Q_OBJECT
public:
    explicit TWaveAdjuster(QWidget *parent = nullptr);
    ~TWaveAdjuster() override;

    // Shows the file's message and opens it on the device. A device that cannot play it leaves
    // the message shown and editable; PlaybackProblem() says why it cannot be played.
    void LoadSound(const QString &fileName);
    // Grid and waveform into Background, at the widget's size.
    void Redraw();
    // The edits of the selection and of the whole message; each is written or refused with a
    // reason (shown while errors are shown) and returned.
    QString CutSelection();
    QString SilenceSelection();
    QString Undo();
    QString TrimSilence();
    QString EvenLoudness();
    QString SpeakMessage(const QString &text, const QString &fileName,
                         const QString &voice = QStringLiteral("ru"));
    // "Ошибка воспроизведения!", while errors are shown.
    void ReportPlaybackError();

    // Starts recording into the file, for at most maxSeconds, and returns at once; the view
    // shows the recording until recordingFinished(). Empty, or why it did not start (said).
    QString RecordSound(const QString &fileName, int maxSeconds);
    // The whole sound, or the selection (from the clicked sample to the end), without waiting.
    void PlayFromStart();
    void PlaySelection();
    // Ends playing, or ends a recording and keeps it when it holds sound.
    void StopSound();
    // Stops the device and shows no sound.
    void CloseSound();

    MessageEdit &Message() { return m_message; }
    const TWaveFile *Wave() const { return m_message.wave(); }
    bool SoundLoaded() const { return m_message.loaded(); }
    qint64 SampleCount() const { return m_message.sampleCount(); }
    bool Recording() const { return Recorder.recording(); }
    bool CanUndo() const { return m_message.canUndo() && !Recording(); }
    bool CanPlay() const { return SampleCount() > 0 && Player.IsOpen() && !Recording(); }
    // Why the shown message cannot be played, or empty.
    const QString &PlaybackProblem() const { return m_playbackProblem; }

    WaveDevice Player;
    MessageRecorder Recorder{Player};
    QImage Background; // grid and waveform
    QImage Overlay;    // Background with the cursor and the selection, or a state's text
    qint64 SelStart = 0;
    qint64 SelEnd = 0;
    bool Selecting = false;
    bool ShowErrors = true;
    // Draws every sound segment by segment, the reference picture the envelope matches; slow
    // for long sounds, for comparisons only.
    bool PlotEverySegment = false;

signals:
    // What the editor can do changed: a sound was loaded or edited, playing or recording began
    // or ended.
    void stateChanged();
    // A message file was written: an edit, a recording or speech.
    void soundWritten();
    // A recording ended: error empty when the message holds the new take.
    void recordingFinished(const QString &error);

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
    // Opens the shown message on the device, or notes why it cannot be played.
    void openOnDevice();
    QString edited(const QString &error);
    void recordingEnded(const QString &fileName, const QString &error);
    void stopDevice();

    MessageEdit m_message;
    QString m_note; // a passing note over the view, such as "Озвучивание..."
    QString m_playbackProblem;
    WaveEnvelope m_envelope;
    bool m_envelopeStale = true;
    QTimer m_follow;
    int m_shownCursor = -1;
};

} // namespace orvanta
