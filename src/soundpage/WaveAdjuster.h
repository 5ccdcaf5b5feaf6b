#pragma once

#include "voice/MessageSound.h"
#include "voice/WaveEnvelope.h"

#include <QIcon>
#include <QImage>
#include <QTimer>
#include <QWidget>

class QPainter;

namespace orvanta {

// The waveform editor of the sound page: the message shown (MessageSound) drawn over a coloured
// grid, a play cursor that follows its device, a fragment selected with the left mouse button.
// It paints, selects and forwards: edits, plays and recordings go to the message, which writes
// its file at once and opens the device on what the file holds, so what plays is what is shown.
class TWaveAdjuster : public QWidget
{
    Q_OBJECT
public:
    explicit TWaveAdjuster(MessageSound &sound, QWidget *parent = nullptr);
    ~TWaveAdjuster() override;

    // Shows the file's message (a file of no row of the list), its load failure in a box while
    // errors are shown. A device that cannot play it leaves the message shown and editable;
    // playbackProblem() says why it cannot be played.
    void LoadSound(const QString &fileName);
    // Shows the row's message as the list selects it: silently, and with errors off until a row
    // loads without one.
    void showRow(int row);
    // Grid and waveform into Background, at the widget's size.
    void Redraw();
    // The edits of the selection and of the whole message; each is written or refused with a
    // reason (shown while errors are shown) and returned.
    QString CutSelection();
    QString SilenceSelection();
    QString Undo();
    QString trimSilence();
    QString evenLoudness();
    // The text spoken into the shown row's message.
    QString speakMessage(const QString &text, const QString &voice = QStringLiteral("ru"));
    // "Ошибка воспроизведения!", while errors are shown.
    void ReportPlaybackError();

    // Starts recording into the shown row's message, for at most maxSeconds, and returns at once;
    // the view shows the recording until recordingFinished(). Empty, or why it did not start
    // (said).
    QString RecordSound(int maxSeconds);
    // The whole sound, or the selection (from the clicked sample to the end), without waiting.
    void PlayFromStart();
    void PlaySelection();
    // Ends playing, or ends a recording and keeps it when it holds sound.
    void StopSound();
    // Stops the device and shows no sound.
    void CloseSound();

    // The message shown, and the device that plays it.
    MessageSound &sound() { return m_sound; }
    const TWaveFile *Wave() const { return m_sound.wave(); }
    bool soundLoaded() const { return m_sound.loaded(); }
    qint64 sampleCount() const { return m_sound.sampleCount(); }
    bool Recording() const { return m_sound.recording(); }
    bool canUndo() const { return m_sound.canUndo(); }
    bool canPlay() const { return m_sound.canPlay(); }
    // Why the shown message cannot be played, or empty.
    const QString &playbackProblem() const { return m_sound.playbackProblem(); }

    QImage Background; // grid and waveform
    QImage Overlay;    // Background with the cursor and the selection, or a state's text
    qint64 SelStart = 0;
    qint64 SelEnd = 0;
    bool Selecting = false;
    bool ShowErrors = true;
    // Drawn beside the recording's prompt: the icon of the button that stops it.
    QIcon StopIcon;

    // The view: 1 shows the whole message; larger shows a part of it that much wider. The
    // shown part keeps the point at x (in the widget) where it is.
    double zoom() const { return m_zoom; }
    // A second's mark on the ruler: where its line stands, and its figure with the box it takes
    // (no figure where it would not fit whole).
    struct RulerMark
    {
        int x = 0;
        QString label;
        QRect labelBox;
    };
    std::vector<RulerMark> rulerMarks() const;
    void setZoom(double zoom, int anchorX);
    void fitWhole() { setZoom(1, 0); }
    // The first sample in view and the number of samples in view.
    qint64 firstShownSample() const;
    qint64 shownSampleCount() const;
    // Where the selection starts and how long it is, in seconds of the message.
    double selectionStartSeconds() const;
    double selectionSeconds() const;
    // Selects the samples from first to last (the cursor alone when equal), which stay in view.
    void select(qint64 first, qint64 last);

signals:
    // The keys of the waveform ask the page for what it runs as one of the tool's activities:
    // play (from the cursor or the selection), stop, cut, undo.
    void playRequested();
    void stopRequested();
    void cutRequested();
    void undoRequested();
    // The selection or the cursor moved.
    void selectionChanged();
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
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void drawGrid();
    void drawRuler();
    QFont rulerFont() const;
    // The whole message's width in pixels at the zoom, and the widget's x of a sample and back.
    int virtualWidth() const;
    double mostZoom() const;
    // The view in the screen's pixels: the widget's size times the screen's density.
    int viewWidth() const { return toView(width()); }
    int viewHeight() const { return toView(height()); }
    int toView(qreal logical) const;
    // Texts drawn into the view keep their size on a denser screen.
    void scaleFont(QPainter &painter) const;
    qint64 sampleAt(int x) const;
    int xOf(qint64 sample) const;
    void scrollTo(int offset);
    void plotSegments();
    void plotEnvelope();
    // Composes Overlay from Background and the current state, and schedules its painting.
    void showOverlay();
    void drawRecordingState(QPainter &painter);
    // Keeps the cursor following a playing sound; repaints only when its column moves.
    void followPlayer();
    int cursorX() const;
    bool mouseTakesPart(const QMouseEvent *event, bool anyButton) const;
    WaveDevice &player() { return m_sound.player(); }
    const WaveDevice &player() const { return m_sound.player(); }
    void shown(const SoundResult &result);
    QString edited(const SoundResult &result);
    void recordingEnded(const QString &error);

    MessageSound &m_sound;
    QString m_note; // a passing note over the view, such as "Озвучивание..."
    WaveEnvelope m_envelope;
    bool m_envelopeStale = true;
    QTimer m_follow;
    double m_zoom = 1;
    qreal m_scale = 1; // the screen's pixels a widget pixel
    int m_wheel = 0;   // wheel turns not yet a whole notch
    int m_offset = 0;  // the virtual x at the widget's left edge
    int m_recordingLimitMs = 0;
    bool m_soundArrived = false; // the input of the running recording delivers sound
    qint64 m_shownSecond = -1;   // of the recording's time in view
    int m_shownCursor = -1;
};

} // namespace orvanta
