#include "WaveAdjuster.h"

#include "dialogs/Dialogs.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
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

TWaveAdjuster::TWaveAdjuster(MessageSound &sound, QWidget *parent)
    : QWidget(parent)
    , m_sound(sound)
{
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    // A click gives the waveform the keys: play, stop, cut, undo, select, move the cursor.
    setFocusPolicy(Qt::StrongFocus);
    m_follow.setInterval(FollowMs);
    connect(&m_follow, &QTimer::timeout, this, [this] { followPlayer(); });
    connect(&m_sound, &MessageSound::stateChanged, this, [this] {
        if (!m_follow.isActive())
            m_follow.start();
        emit stateChanged();
    });
    connect(&m_sound, &MessageSound::samplesChanged, this, [this] { m_envelopeStale = true; });
    connect(&m_sound, &MessageSound::written, this, &TWaveAdjuster::soundWritten);
    connect(&m_sound, &MessageSound::recordingFinished, this, &TWaveAdjuster::recordingEnded);
    connect(&m_sound, &MessageSound::soundArrived, this, [this] {
        m_soundArrived = true;
        showOverlay();
    });
    Redraw();
}

// The message may be gone by now (a page's members go before its child widgets): it is not
// touched; its connections to this view end with the view.
TWaveAdjuster::~TWaveAdjuster()
{
    m_follow.stop();
}

// A new message is first seen whole, with nothing selected.
void TWaveAdjuster::shown(const SoundResult &result)
{
    SelStart = SelEnd = 0;
    m_zoom = 1;
    m_offset = 0;
    Redraw();
    if (!result.done() && ShowErrors)
        Dialogs::ShowMessage(result.error(), this);
}

void TWaveAdjuster::LoadSound(const QString &fileName)
{
    if (Recording())
        return;
    shown(m_sound.showFile(fileName));
}

// A row's message, as the list selects it: a file that is missing or unreadable, or that the
// device refuses, loads without a word, and the editor's errors then stay off until a row loads
// without one.
void TWaveAdjuster::showRow(int row)
{
    if (Recording())
        return;
    ShowErrors = false;
    const SoundResult result = m_sound.showRow(row);
    shown({});
    ShowErrors = result.done() && soundLoaded() && playbackProblem().isEmpty();
}

void TWaveAdjuster::Redraw()
{
    // Drawn in the screen's own pixels, so that a screen at twice the density shows it sharp.
    m_scale = devicePixelRatioF();
    // An edit or a resize may leave the view past the sound's end, or closer than it allows.
    m_zoom = std::min(m_zoom, mostZoom());
    scrollTo(m_offset);
    const int border = toView(1);
    Background = QImage(std::max(viewWidth() - 2 * border, 1),
                        std::max(viewHeight() - 2 * border, 1), QImage::Format_RGB32);
    Background.fill(Qt::black);
    drawGrid();
    if (soundLoaded()) {
        // Where a column holds a sample or two, the plot is drawn segment by segment; longer
        // sounds from their envelope, which looks the same at a fraction of the cost.
        if (sampleCount() <= 2 * qint64(virtualWidth()))
            plotSegments();
        else
            plotEnvelope();
        drawRuler();
    }
    showOverlay();
    emit selectionChanged();
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
        painter.drawLine(0, h / 2 + toView(20 * i), w, h / 2 + toView(20 * i));
        painter.drawLine(0, h / 2 - toView(20 * i), w, h / 2 - toView(20 * i));
    }
    for (int j = 1; j <= W / 20; ++j) {
        painter.setPen(gridColour(std::abs(W / 40.0 - j), W / 20.0));
        painter.drawLine(toView(20 * j), 0, toView(20 * j), h);
    }
}

// One segment per sample, from the previous point to point k, in the colour of the pair that
// starts at k; positive samples below the centre line.
void TWaveAdjuster::plotSegments()
{
    const std::vector<int16_t> &s = m_sound.wave()->Samples;
    const qint64 n = qint64(s.size());
    const int W = virtualWidth();
    const int H = viewHeight();
    QPainter painter(&Background);
    // Only the samples in view and their neighbours just outside it are drawn.
    const qint64 first = std::max<qint64>(sampleAt(0) - 1, 0);
    const qint64 end = std::min(sampleAt(Background.width()) + 2, n);
    QPoint previous(first == 0 ? -m_offset : xOf(first), H / 2);
    for (qint64 k = first; k + 1 < end; ++k) {
        painter.setPen(QColor(loudnessColour(PairLoudness(s[size_t(k)], s[size_t(k + 1)]))));
        const QPoint point(int(RoundedDivision(k * W, n)) - m_offset,
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
        m_envelope.setSamples(m_sound.wave()->Samples);
        m_envelopeStale = false;
    }
    const int W = virtualWidth();
    const int H = viewHeight();
    const auto y = [H](int16_t sample) {
        return rounded(sample / 32767.0 * H / 2 + H / 2.0);
    };
    // Only the columns in view are asked for; the first joins the column left of the view.
    const WaveEnvelope::Column left = m_envelope.column(m_offset - 1, W);
    int previous = m_offset > 0 && !left.empty ? y(left.last) : H / 2;
    for (int x = 0; x < Background.width(); ++x) {
        const WaveEnvelope::Column column = m_envelope.column(x + m_offset, W);
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
    if (sampleCount() == 0 || !player().isOpen() || player().isRecording())
        return -1;
    const qint64 length = player().length();
    if (length <= 0)
        return -1;
    const qint64 shownWidth = virtualWidth() - (viewWidth() - Background.width());
    const int x = int(RoundedDivision(shownWidth * player().position(), length)) - m_offset;
    return x >= 0 && x < Background.width() ? x : -1;
}

int TWaveAdjuster::virtualWidth() const
{
    return std::max({viewWidth(), int(std::lround(viewWidth() * m_zoom)), 1});
}

qint64 TWaveAdjuster::sampleAt(int x) const
{
    return RoundedDivision(sampleCount() * (qint64(x) + m_offset), virtualWidth());
}

int TWaveAdjuster::xOf(qint64 sample) const
{
    return int(RoundedDivision(sample * virtualWidth(), std::max<qint64>(sampleCount(), 1))) -
           m_offset;
}

qint64 TWaveAdjuster::firstShownSample() const
{
    return std::clamp<qint64>(sampleAt(0), 0, sampleCount());
}

qint64 TWaveAdjuster::shownSampleCount() const
{
    return std::clamp<qint64>(sampleAt(viewWidth()), 0, sampleCount()) - firstShownSample();
}

void TWaveAdjuster::scrollTo(int offset)
{
    m_offset = std::clamp(offset, 0, virtualWidth() - viewWidth());
}

double TWaveAdjuster::mostZoom() const
{
    // At most a few pixels a sample: closer shows nothing more.
    return std::max(1.0, 8.0 * double(sampleCount()) / std::max(viewWidth(), 1));
}

void TWaveAdjuster::setZoom(double zoom, int anchorX)
{
    // At most a few pixels a sample: closer shows nothing more.
    const double most = mostZoom();
    const int anchorPixel = toView(anchorX);
    const double anchor = double(anchorPixel + m_offset) / virtualWidth();
    m_zoom = std::clamp(zoom, 1.0, most);
    scrollTo(int(std::lround(anchor * virtualWidth())) - anchorPixel);
    Redraw();
}

double TWaveAdjuster::selectionStartSeconds() const
{
    const TWaveFile *wave = Wave();
    return wave && wave->Format.SampleRate ? double(SelStart) / wave->Format.SampleRate : 0;
}

double TWaveAdjuster::selectionSeconds() const
{
    const TWaveFile *wave = Wave();
    // Its edges included, as a cut takes them.
    return wave && wave->Format.SampleRate && sampleCount() > 0
               ? double(SelEnd - SelStart + 1) / wave->Format.SampleRate
               : 0;
}

void TWaveAdjuster::select(qint64 first, qint64 last)
{
    const qint64 n = sampleCount();
    if (n == 0 || Recording())
        return;
    SelStart = std::clamp<qint64>(std::min(first, last), 0, n - 1);
    SelEnd = std::clamp<qint64>(std::max(first, last), 0, n - 1);
    if (player().isOpen() && !player().isPlaying())
        player().seek(RoundedDivision(SelStart * player().length(), n));
    // The cursor stays in view: the view moves to it when it is outside.
    const int x = xOf(SelStart);
    if (x < 0 || x >= viewWidth()) {
        scrollTo(x + m_offset - viewWidth() / 2);
        Redraw();
        return;
    }
    showOverlay();
    emit selectionChanged();
}

// Seconds along the lower edge, a mark every step that leaves room for its figure.
int TWaveAdjuster::toView(qreal logical) const
{
    return int(std::lround(logical * m_scale));
}

void TWaveAdjuster::scaleFont(QPainter &painter) const
{
    if (m_scale == 1)
        return;
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * m_scale);
    painter.setFont(font);
}

QFont TWaveAdjuster::rulerFont() const
{
    QFont font; // what a painter on the picture starts with
    font.setPixelSize(toView(9));
    return font;
}

std::vector<TWaveAdjuster::RulerMark> TWaveAdjuster::rulerMarks() const
{
    std::vector<RulerMark> marks;
    const TWaveFile *wave = Wave();
    const qint64 n = sampleCount();
    if (!wave || n == 0 || wave->Format.SampleRate == 0)
        return marks;
    const double rate = wave->Format.SampleRate;
    const double pixelsPerSecond = virtualWidth() * rate / double(n);
    double step = 0.01;
    for (const double candidate : {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1.0, 2.0, 5.0, 10.0, 30.0}) {
        step = candidate;
        if (candidate * pixelsPerSecond >= 48 * m_scale)
            break;
    }
    const int decimals = step >= 1 ? 0 : step >= 0.1 ? 1 : 2;
    const QFontMetrics metrics(rulerFont());
    const int bottom = Background.height() - 1;
    const double firstSecond = std::ceil(double(firstShownSample()) / rate / step) * step;
    for (double second = firstSecond;; second += step) {
        const int x = xOf(qint64(std::llround(second * rate)));
        if (x >= Background.width() || second * rate > double(n))
            break;
        RulerMark mark{x,
                       QLocale().toString(second, 'f', decimals) +
                           (x < toView(30) ? tr(" с") : QString()),
                       {}};
        const int baseline = bottom - toView(1);
        mark.labelBox = QRect(x + toView(2), baseline - metrics.ascent(),
                              metrics.horizontalAdvance(mark.label), metrics.height());
        // A figure cut by the right edge would read as another number.
        if (mark.labelBox.right() >= Background.width()) {
            mark.label.clear();
            mark.labelBox = {};
        }
        marks.push_back(mark);
    }
    return marks;
}

void TWaveAdjuster::drawRuler()
{
    QPainter painter(&Background);
    painter.setPen(QColor(170, 170, 170));
    painter.setFont(rulerFont());
    const int bottom = Background.height() - 1;
    for (const RulerMark &mark : rulerMarks()) {
        painter.drawLine(mark.x, bottom, mark.x, bottom - toView(4));
        if (!mark.label.isEmpty())
            painter.drawText(mark.labelBox.left(), bottom - toView(1), mark.label);
    }
}

void TWaveAdjuster::showOverlay()
{
    Overlay = Background.copy();
    m_shownCursor = -1;
    QPainter painter(&Overlay);
    painter.setPen(Qt::white);
    scaleFont(painter);
    const auto text = [&](int y, const QString &line) {
        painter.drawText(QRect(1, y, Overlay.width(), Overlay.height()),
                         Qt::AlignLeft | Qt::AlignTop, line);
    };
    if (!m_note.isEmpty()) {
        Overlay.fill(Qt::black);
        text(toView(1), m_note);
    } else if (Recording()) {
        drawRecordingState(painter);
    } else if (sampleCount() > 0 && player().isOpen() && !player().isRecording()) {
        if (const int cursor = cursorX(); cursor >= 0) {
            m_shownCursor = cursor;
            painter.drawLine(cursor, 0, cursor, Overlay.height() - 1);
        }
        // Every pixel of the selection in view, its edges included, takes its inverse colour;
        // a drag to the left has its end before its start.
        const int first = std::max(std::min(xOf(SelStart), xOf(SelEnd)), 0);
        const int last = std::min(std::max(xOf(SelStart), xOf(SelEnd)), Overlay.width() - 1);
        for (int row = 0; row < Overlay.height(); ++row) {
            auto *pixels = reinterpret_cast<QRgb *>(Overlay.scanLine(row));
            for (int x = first; x <= last; ++x)
                pixels[x] = pixels[x] ^ 0x00FFFFFF;
        }
    }
    update();
}

// The user is asked to speak only once the input delivers sound, so that the first syllable is
// not lost; then the time recorded and the limit count up in view.
void TWaveAdjuster::drawRecordingState(QPainter &painter)
{
    Overlay.fill(Qt::black);
    const auto line = [&](int y, const QString &text) {
        const QRect box(1, y, Overlay.width(), Overlay.height());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
        return painter.fontMetrics().horizontalAdvance(text);
    };
    if (!m_soundArrived) {
        line(toView(1), tr("Подготовка записи..."));
        return;
    }
    const auto clock = [](qint64 ms) {
        const qint64 seconds = ms / 1000;
        return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    };
    const qint64 recorded = player().isRecording() ? player().position() : 0;
    m_shownSecond = recorded / 1000;
    line(toView(1),
         tr("Идет запись...   %1 из %2").arg(clock(recorded), clock(m_recordingLimitMs)));
    const int width = line(toView(20), tr("Произнесите фразу и нажмите кнопку \"Стоп\"."));
    const int size = painter.fontMetrics().height();
    if (!StopIcon.isNull()) {
        // On a light tile, as on the button: a dark icon would vanish on the black view.
        const QRect tile(width + toView(6), toView(19), size + 2, size + 2);
        painter.setBrush(QColor(230, 230, 230));
        painter.drawRoundedRect(tile, 3, 3);
        painter.drawPixmap(tile.topLeft() + QPoint(1, 1), StopIcon.pixmap(size, size));
    }
}

void TWaveAdjuster::followPlayer()
{
    const bool busy = player().isPlaying() || player().isRecording();
    if (!busy)
        m_follow.stop(); // the last look shows where the sound stopped
    const bool newSecond = Recording() && player().isRecording() && m_soundArrived &&
                           player().position() / 1000 != m_shownSecond;
    // A zoomed view turns the page when the playing sound runs past its right edge.
    if (player().isPlaying() && m_zoom > 1 && player().length() > 0) {
        const qint64 shownWidth = virtualWidth() - (viewWidth() - Background.width());
        const int x = int(RoundedDivision(shownWidth * player().position(), player().length()));
        const int offset = m_offset;
        if (x - m_offset >= Background.width() || x < m_offset)
            scrollTo(x);
        if (m_offset != offset) {
            Redraw();
            return;
        }
    }
    if (!busy || newSecond || cursorX() != m_shownCursor)
        showOverlay();
}

void TWaveAdjuster::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    // The view's pixels are the screen's: one to one, whatever its density.
    painter.drawImage(QRectF(1, 1, Overlay.width() / m_scale, Overlay.height() / m_scale), Overlay);
}

void TWaveAdjuster::resizeEvent(QResizeEvent *)
{
    Redraw();
}

// The ruler's unit is drawn into the picture: a new language draws it again.
void TWaveAdjuster::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        Redraw();
    QWidget::changeEvent(event);
}

bool TWaveAdjuster::mouseTakesPart(const QMouseEvent *event, bool anyButton) const
{
    // During a recording the view shows no sound: a click must not reach the device.
    return sampleCount() > 0 && !Recording() && (anyButton || event->button() == Qt::LeftButton);
}

void TWaveAdjuster::mousePressEvent(QMouseEvent *event)
{
    if (!mouseTakesPart(event, false))
        return;
    const qint64 n = sampleCount();
    Selecting = true;
    SelStart = sampleAt(toView(event->position().x()));
    if (player().isOpen())
        player().seek(RoundedDivision(SelStart * player().length(), n));
    SelStart = std::clamp<qint64>(SelStart, 0, n - 1);
    SelEnd = SelStart;
    showOverlay();
    emit selectionChanged();
}

void TWaveAdjuster::mouseMoveEvent(QMouseEvent *event)
{
    if (!mouseTakesPart(event, true))
        return;
    if (Selecting) {
        const qint64 n = sampleCount();
        const int x = toView(event->position().x());
        SelEnd = sampleAt(x);
        if (x < 0 && m_offset == 0)
            SelEnd = 0;
        if (x > viewWidth() && m_offset + viewWidth() >= virtualWidth())
            SelEnd = n - 1;
        SelEnd = std::clamp<qint64>(SelEnd, 0, n - 1);
    }
    showOverlay();
    emit selectionChanged();
}

void TWaveAdjuster::mouseReleaseEvent(QMouseEvent *event)
{
    if (!mouseTakesPart(event, false))
        return;
    Selecting = false;
    if (SelEnd < SelStart)
        std::swap(SelStart, SelEnd);
    showOverlay();
    emit selectionChanged();
}

void TWaveAdjuster::keyPressEvent(QKeyEvent *event)
{
    const QKeyCombination key = event->keyCombination();
    const qint64 n = sampleCount();
    const bool running = player().isPlaying() || Recording();
    if (key == QKeyCombination(Qt::Key_Space))
        emit(running ? stopRequested() : playRequested());
    else if (key == QKeyCombination(Qt::Key_Escape))
        emit stopRequested();
    else if (key == QKeyCombination(Qt::Key_Delete) ||
             key == QKeyCombination(Qt::ControlModifier, Qt::Key_X))
        emit cutRequested();
    else if (key == QKeyCombination(Qt::ControlModifier, Qt::Key_Z))
        emit undoRequested();
    else if (key == QKeyCombination(Qt::ControlModifier, Qt::Key_A))
        select(0, n - 1);
    else if (key == QKeyCombination(Qt::Key_Home))
        select(0, 0);
    else if (key == QKeyCombination(Qt::Key_End))
        select(n - 1, n - 1);
    else if (key == QKeyCombination(Qt::ControlModifier, Qt::Key_0))
        fitWhole();
    else
        return QWidget::keyPressEvent(event);
    event->accept();
}

// Ctrl and the wheel zoom around the mouse; the wheel alone moves a zoomed view along.
void TWaveAdjuster::wheelEvent(QWheelEvent *event)
{
    // A touchpad sends small steps: they add up to a notch.
    m_wheel += event->angleDelta().y();
    const int steps = m_wheel / 120;
    m_wheel -= steps * 120;
    if (steps == 0 || sampleCount() == 0 || Recording())
        return QWidget::wheelEvent(event);
    if (event->modifiers() & Qt::ControlModifier) {
        setZoom(m_zoom * std::pow(1.5, steps), int(event->position().x()));
    } else if (m_zoom > 1) {
        scrollTo(m_offset - steps * viewWidth() / 8);
        Redraw();
    } else {
        return QWidget::wheelEvent(event);
    }
    event->accept();
}

// The picture follows the message after an edit, and after a refused one too: the file may
// have been loaded again because it changed on disk.
QString TWaveAdjuster::edited(const SoundResult &result)
{
    SelStart = std::min(SelStart, std::max<qint64>(sampleCount() - 1, 0));
    SelEnd = std::min(SelEnd, std::max<qint64>(sampleCount() - 1, 0));
    Redraw();
    if (!result.done() && ShowErrors)
        Dialogs::ShowMessage(result.error(), this);
    return result.error();
}

QString TWaveAdjuster::SilenceSelection()
{
    return edited(m_sound.silence(SelStart, SelEnd));
}

QString TWaveAdjuster::CutSelection()
{
    const SoundResult result = m_sound.cut(SelStart, SelEnd);
    if (result.done())
        SelStart = SelEnd = 0;
    return edited(result);
}

QString TWaveAdjuster::Undo()
{
    return edited(m_sound.undo());
}

QString TWaveAdjuster::trimSilence()
{
    const SoundResult result = m_sound.trim();
    if (result.done())
        SelStart = SelEnd = 0;
    return edited(result);
}

QString TWaveAdjuster::evenLoudness()
{
    return edited(m_sound.evenLoudness());
}

QString TWaveAdjuster::speakMessage(const QString &text, const QString &voice)
{
    m_note = tr("Озвучивание...");
    showOverlay();
    repaint();
    const SoundResult result = m_sound.speak(text, voice);
    m_note.clear();
    if (result.done())
        SelStart = SelEnd = 0;
    return edited(result);
}

void TWaveAdjuster::ReportPlaybackError()
{
    if (ShowErrors)
        Dialogs::ShowMessage(tr("Ошибка воспроизведения!"), this);
}

QString TWaveAdjuster::RecordSound(int maxSeconds)
{
    m_soundArrived = false;
    m_shownSecond = -1;
    m_recordingLimitMs = maxSeconds * 1000;
    const SoundResult result = m_sound.record(maxSeconds);
    if (!result.done()) {
        // The device's own words are in the status; the box keeps the short form.
        if (result.failure->kind == Failure::Kind::SoundDevice)
            ReportPlaybackError();
        else if (ShowErrors)
            Dialogs::ShowMessage(result.error(), this);
        showOverlay();
        return result.error();
    }
    m_follow.start();
    showOverlay();
    emit stateChanged();
    return {};
}

// The new take, or the message as it was, is shown.
void TWaveAdjuster::recordingEnded(const QString &error)
{
    if (!error.isEmpty() && ShowErrors)
        Dialogs::ShowMessage(error, this);
    SelStart = SelEnd = 0;
    m_zoom = 1;
    m_offset = 0;
    Redraw();
    emit recordingFinished(error);
}

void TWaveAdjuster::PlayFromStart()
{
    if (!m_sound.play(0).done())
        ReportPlaybackError();
}

void TWaveAdjuster::PlaySelection()
{
    // The cursor alone plays from there to the end.
    if (!m_sound.play(SelStart, SelEnd == SelStart ? sampleCount() - 1 : SelEnd).done())
        ReportPlaybackError();
}

void TWaveAdjuster::StopSound()
{
    m_sound.stop();
}

void TWaveAdjuster::CloseSound()
{
    m_sound.close();
}

} // namespace orvanta
