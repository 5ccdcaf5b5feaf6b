#include "WaveAdjuster.h"

#include "Dialogs.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

// How often the cursor is looked at while the sound plays: smooth to the eye, and nothing at
// all while nothing plays.
constexpr int FollowMs = 15;

int rounded(double value)
{
    return int(std::nearbyint(value)); // to nearest, halves to even
}

int channel(double value)
{
    return std::clamp(rounded(value), 0, 255);
}

// Quiet parts green, loud parts red.
QRgb loudnessColour(uint16_t loudness)
{
    const double red = loudness * 255.0 / 32767;
    return qRgb(channel(red), channel(255 - red), 0);
}

// Grid lines are bluest near the centre and greyer towards the edges.
QColor gridColour(double distance, double range)
{
    const int c = channel(distance * 255 / range);
    return QColor(c, c, 255 - c);
}

} // namespace

TWaveAdjuster::TWaveAdjuster(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    m_follow.setInterval(FollowMs);
    connect(&m_follow, &QTimer::timeout, this, [this] { followPlayer(); });
    connect(&Player, &WaveDevice::stateChanged, this, [this] {
        if (!m_follow.isActive())
            m_follow.start();
        emit stateChanged();
    });
    connect(&m_message, &MessageEdit::samplesChanged, this, [this] { m_envelopeStale = true; });
    connect(&m_message, &MessageEdit::written, this, &TWaveAdjuster::soundWritten);
    connect(&Recorder, &MessageRecorder::finished, this, &TWaveAdjuster::recordingEnded);
    Redraw();
}

TWaveAdjuster::~TWaveAdjuster()
{
    // The device ends its sound while this editor is still whole.
    disconnect(&Player, nullptr, this, nullptr);
    disconnect(&Recorder, nullptr, this, nullptr);
    m_follow.stop();
    Player.Close();
}

void TWaveAdjuster::stopDevice()
{
    if (Player.IsOpen() && !Player.IsRecording())
        Player.Stop();
}

void TWaveAdjuster::LoadSound(const QString &fileName)
{
    if (Recording())
        return;
    TWaveFile::MessageHandler show;
    if (ShowErrors)
        show = [this](const QString &message) {
            Dialogs::ShowMessage(message, this);
        };
    m_message.load(fileName, show);
    SelStart = SelEnd = 0;
    openOnDevice();
    Redraw();
}

void TWaveAdjuster::openOnDevice()
{
    m_playbackProblem.clear();
    Player.Close();
    if (!SoundLoaded()) {
        // A file that is there but holds no sound the reader takes: the reason stays in view.
        const TWaveFile *wave = m_message.wave();
        if (wave && !wave->LoadError.isEmpty())
            m_playbackProblem = QStringLiteral("Не удалось загрузить файл \"%1\": %2")
                                    .arg(m_message.fileName(), wave->LoadError);
        return;
    }
    try {
        Player.Open(*m_message.wave()); // the file just read, not read once more
        Player.SetTimeFormat(WaveDevice::TimeFormat::Samples);
    } catch (const std::exception &error) {
        m_playbackProblem = QString::fromStdString(error.what());
    }
    emit stateChanged();
}

void TWaveAdjuster::Redraw()
{
    Background = QImage(std::max(width() - 2, 1), std::max(height() - 2, 1), QImage::Format_RGB32);
    Background.fill(Qt::black);
    drawGrid();
    if (SoundLoaded()) {
        // Where a column holds a sample or two, the plot is drawn segment by segment; longer
        // sounds from their envelope, which looks the same at a fraction of the cost.
        if (PlotEverySegment || SampleCount() <= 2 * qint64(width()))
            plotSegments();
        else
            plotEnvelope();
    }
    showOverlay();
    emit stateChanged();
}

void TWaveAdjuster::drawGrid()
{
    const int W = width();
    const int H = height();
    const int w = Background.width();
    const int h = Background.height();
    QPainter painter(&Background);
    painter.setPen(QColor(0, 0, 255));
    painter.drawLine(0, h / 2, w, h / 2);
    for (int i = 1; i <= H / 40; ++i) {
        painter.setPen(gridColour(std::abs(H / 80.0 - i - 0.5), H / 40.0));
        painter.drawLine(0, h / 2 + 20 * i, w, h / 2 + 20 * i);
        painter.drawLine(0, h / 2 - 20 * i, w, h / 2 - 20 * i);
    }
    for (int j = 1; j <= W / 20; ++j) {
        painter.setPen(gridColour(std::abs(W / 40.0 - j), W / 20.0));
        painter.drawLine(20 * j, 0, 20 * j, h);
    }
}

// One segment per sample, from the previous point to point k, in the colour of the pair that
// starts at k; positive samples below the centre line.
void TWaveAdjuster::plotSegments()
{
    const std::vector<int16_t> &s = m_message.wave()->Samples;
    const qint64 n = qint64(s.size());
    const int W = width();
    const int H = height();
    QPainter painter(&Background);
    QPoint previous(0, H / 2);
    for (qint64 k = 0; k + 1 < n; ++k) {
        painter.setPen(QColor(loudnessColour(PairLoudness(s[size_t(k)], s[size_t(k + 1)]))));
        const QPoint point(int(RoundedDivision(k * W, n)),
                           rounded(s[size_t(k)] / 32767.0 * H / 2 + H / 2.0));
        painter.drawLine(previous, point);
        previous = point;
    }
}

// Each column as one vertical span from its lowest to its highest point, joined to where the
// previous column ended, in the colour of its loudest pair.
void TWaveAdjuster::plotEnvelope()
{
    if (m_envelopeStale) {
        m_envelope.setSamples(m_message.wave()->Samples);
        m_envelopeStale = false;
    }
    const int W = width();
    const int H = height();
    const auto y = [H](int16_t sample) {
        return rounded(sample / 32767.0 * H / 2 + H / 2.0);
    };
    int previous = H / 2;
    for (int x = 0; x < Background.width(); ++x) {
        const WaveEnvelope::Column column = m_envelope.column(x, W);
        if (column.empty)
            continue;
        const int top = std::max(std::min(y(column.low), previous), 0);
        const int bottom = std::min(std::max(y(column.high), previous), Background.height() - 1);
        const QRgb colour = loudnessColour(column.loudness);
        for (int row = top; row <= bottom; ++row)
            reinterpret_cast<QRgb *>(Background.scanLine(row))[x] = colour;
        previous = y(column.last);
    }
}

int TWaveAdjuster::cursorX() const
{
    if (SampleCount() == 0 || !Player.IsOpen() || Player.IsRecording())
        return -1;
    const qint64 length = Player.Length();
    if (length <= 0)
        return -1;
    return int(RoundedDivision(qint64(Background.width()) * Player.Position(), length));
}

void TWaveAdjuster::showOverlay()
{
    Overlay = Background.copy();
    m_shownCursor = -1;
    QPainter painter(&Overlay);
    painter.setPen(Qt::white);
    const auto text = [&](int y, const QString &line) {
        painter.drawText(QRect(1, y, Overlay.width(), Overlay.height()),
                         Qt::AlignLeft | Qt::AlignTop, line);
    };
    if (!m_note.isEmpty()) {
        Overlay.fill(Qt::black);
        text(1, m_note);
    } else if (Recording()) {
        Overlay.fill(Qt::black);
        text(1, QStringLiteral("Идет запись..."));
        text(20, QStringLiteral("Произнесите фразу и нажмите кнопку \"Стоп\"."));
    } else if (const int cursor = cursorX(); cursor >= 0) {
        m_shownCursor = cursor;
        painter.drawLine(cursor, 0, cursor, Overlay.height() - 1);
        // Every pixel of the selection, its edges included, takes its inverse colour.
        const qint64 n = SampleCount();
        const int first = int(RoundedDivision(SelStart * width(), n));
        const int last = std::min(int(RoundedDivision(SelEnd * width(), n)), Overlay.width() - 1);
        for (int row = 0; row < Overlay.height(); ++row) {
            auto *pixels = reinterpret_cast<QRgb *>(Overlay.scanLine(row));
            for (int x = std::max(std::min(first, last), 0); x <= std::max(first, last); ++x)
                pixels[x] = pixels[x] ^ 0x00FFFFFF;
        }
    }
    update();
}

void TWaveAdjuster::followPlayer()
{
    const bool busy = Player.IsPlaying() || Player.IsRecording();
    if (!busy)
        m_follow.stop(); // the last look shows where the sound stopped
    if (!busy || cursorX() != m_shownCursor)
        showOverlay();
}

void TWaveAdjuster::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(1, 1, Overlay);
}

void TWaveAdjuster::resizeEvent(QResizeEvent *)
{
    Redraw();
}

bool TWaveAdjuster::mouseTakesPart(const QMouseEvent *event, bool anyButton) const
{
    // During a recording the view shows no sound: a click must not reach the device.
    return SampleCount() > 0 && !Recording() && (anyButton || event->button() == Qt::LeftButton);
}

void TWaveAdjuster::mousePressEvent(QMouseEvent *event)
{
    if (!mouseTakesPart(event, false))
        return;
    const qint64 n = SampleCount();
    Selecting = true;
    SelStart = RoundedDivision(n * event->position().toPoint().x(), width());
    if (Player.IsOpen())
        Player.Seek(RoundedDivision(SelStart * Player.Length(), n));
    SelStart = std::clamp<qint64>(SelStart, 0, n - 1);
    SelEnd = SelStart;
    showOverlay();
}

void TWaveAdjuster::mouseMoveEvent(QMouseEvent *event)
{
    if (!mouseTakesPart(event, true))
        return;
    if (Selecting) {
        const qint64 n = SampleCount();
        const int x = event->position().toPoint().x();
        SelEnd = RoundedDivision(n * x, width());
        if (x < 0)
            SelEnd = 0;
        if (x > width())
            SelEnd = n - 1;
        SelEnd = std::clamp<qint64>(SelEnd, 0, n - 1);
    }
    showOverlay();
}

void TWaveAdjuster::mouseReleaseEvent(QMouseEvent *event)
{
    if (!mouseTakesPart(event, false))
        return;
    Selecting = false;
    if (SelEnd < SelStart)
        std::swap(SelStart, SelEnd);
    showOverlay();
}

QString TWaveAdjuster::edited(const QString &error)
{
    if (!error.isEmpty()) {
        if (ShowErrors)
            Dialogs::ShowMessage(error, this);
        return error;
    }
    openOnDevice();
    SelStart = std::min(SelStart, std::max<qint64>(SampleCount() - 1, 0));
    SelEnd = std::min(SelEnd, std::max<qint64>(SampleCount() - 1, 0));
    Redraw();
    return {};
}

QString TWaveAdjuster::SilenceSelection()
{
    if (!SoundLoaded())
        return {};
    stopDevice();
    return edited(m_message.silence(SelStart, SelEnd));
}

QString TWaveAdjuster::CutSelection()
{
    if (!SoundLoaded())
        return {};
    stopDevice();
    const QString error = m_message.cut(SelStart, SelEnd);
    if (error.isEmpty())
        SelStart = SelEnd = 0;
    return edited(error);
}

QString TWaveAdjuster::Undo()
{
    if (!m_message.canUndo())
        return {};
    stopDevice();
    return edited(m_message.undo());
}

QString TWaveAdjuster::TrimSilence()
{
    if (!SoundLoaded())
        return {};
    stopDevice();
    const QString error = m_message.trim();
    if (error.isEmpty())
        SelStart = SelEnd = 0;
    return edited(error);
}

QString TWaveAdjuster::EvenLoudness()
{
    if (!SoundLoaded())
        return {};
    stopDevice();
    return edited(m_message.evenLoudness());
}

QString TWaveAdjuster::SpeakMessage(const QString &text, const QString &fileName,
                                    const QString &voice)
{
    stopDevice();
    m_note = QStringLiteral("Озвучивание...");
    showOverlay();
    repaint();
    const QString error = m_message.speak(text, fileName, voice);
    m_note.clear();
    if (error.isEmpty())
        SelStart = SelEnd = 0;
    return edited(error);
}

void TWaveAdjuster::ReportPlaybackError()
{
    if (ShowErrors)
        Dialogs::ShowMessage(QStringLiteral("Ошибка воспроизведения!"), this);
}

QString TWaveAdjuster::RecordSound(const QString &fileName, int maxSeconds)
{
    stopDevice();
    const MessageRecorder::Start start = Recorder.start(fileName, maxSeconds);
    if (!start.error.isEmpty()) {
        // The device's own words are in the status; the box keeps the short form.
        if (start.device)
            ReportPlaybackError();
        else if (ShowErrors)
            Dialogs::ShowMessage(start.error, this);
        openOnDevice();
        showOverlay();
        return start.error;
    }
    m_follow.start();
    showOverlay();
    emit stateChanged();
    return {};
}

void TWaveAdjuster::recordingEnded(const QString &fileName, const QString &error)
{
    if (!error.isEmpty() && ShowErrors)
        Dialogs::ShowMessage(error, this);
    if (error.isEmpty())
        emit soundWritten();
    // The new take, or the message as it was.
    const bool shown = ShowErrors;
    ShowErrors = false;
    LoadSound(fileName);
    ShowErrors = shown;
    emit recordingFinished(error);
}

void TWaveAdjuster::PlayFromStart()
{
    if (!CanPlay())
        return;
    try {
        Player.Stop();
        Player.Rewind();
        Player.Play();
    } catch (const std::exception &) {
        ReportPlaybackError();
    }
}

void TWaveAdjuster::PlaySelection()
{
    const qint64 n = SampleCount();
    if (!CanPlay())
        return;
    try {
        const qint64 length = Player.Length();
        Player.From = RoundedDivision(SelStart * length, n);
        Player.To = SelEnd == SelStart ? length - 1 : RoundedDivision(SelEnd * length, n);
        Player.Play();
    } catch (const std::exception &) {
        ReportPlaybackError();
    }
}

void TWaveAdjuster::StopSound()
{
    if (Recording()) {
        Recorder.stop();
        return;
    }
    stopDevice();
}

void TWaveAdjuster::CloseSound()
{
    if (Recording())
        Recorder.stop();
    Player.Close();
    m_message.unload();
    m_playbackProblem.clear();
    Redraw();
}

} // namespace orvanta
