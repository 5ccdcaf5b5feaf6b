#include "WaveAdjuster.h"

#include "Dialogs.h"
#include "MessageTools.h"
#include "Speech.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orvanta {

namespace {

// How often the cursor is looked at while the sound plays: smooth to the eye, and nothing at
// all while nothing plays.
constexpr int FollowMs = 15;
// How often a recording looks whether it must end.
constexpr int RecordCheckMs = 50;

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
    Redraw();
}

TWaveAdjuster::~TWaveAdjuster()
{
    // The device ends its sound while this editor is still whole.
    disconnect(&Player, nullptr, this, nullptr);
    m_follow.stop();
    Player.Close();
}

void TWaveAdjuster::LoadSound(const QString &fileName)
{
    if (Painting)
        return;
    takeDevice();
    if (Wave) {
        if (Wave->Loaded) {
            try {
                Player.Stop();
                Player.Close();
            } catch (const std::exception &) {
            }
        }
        Wave.reset();
    }
    Loading = true;
    showOverlay();
    QCoreApplication::processEvents();

    TWaveFile::MessageHandler show;
    if (ShowErrors)
        show = [this](const QString &message) {
            Dialogs::ShowMessage(message, this);
        };
    Wave = std::make_unique<TWaveFile>(fileName, show);
    samplesChanged();
    if (Wave->Loaded) {
        Player.Open(*Wave); // the file just read, not read once more
        Player.SetTimeFormat(WaveDevice::TimeFormat::Samples);
    }
    Loading = false;
    SelStart = SelEnd = 0;
    UndoSamples.clear();
    Redraw();
}

void TWaveAdjuster::Redraw()
{
    Painting = true;
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
    Painting = false;
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
    const std::vector<int16_t> &s = Wave->Samples;
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
        m_envelope.setSamples(Wave->Samples);
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
    if (!SoundLoaded() || !Player.IsOpen() || SampleCount() == 0)
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
    } else if (Loading) {
        Overlay.fill(Qt::black);
        text(1, QStringLiteral("Загрузка..."));
    } else if (Recording) {
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
    const bool busy = Player.IsPlaying() || Player.IsRecording() || Loading || Recording;
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
    return SoundLoaded() && SampleCount() > 0 && !Loading &&
           (anyButton || event->button() == Qt::LeftButton);
}

void TWaveAdjuster::mousePressEvent(QMouseEvent *event)
{
    if (!mouseTakesPart(event, false))
        return;
    const qint64 n = SampleCount();
    Selecting = true;
    SelStart = RoundedDivision(n * event->position().toPoint().x(), width());
    try {
        Player.Seek(RoundedDivision(SelStart * Player.Length(), n));
    } catch (const std::exception &) {
        // The cursor stays; the selection is still made.
    }
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

void TWaveAdjuster::SaveUndo()
{
    if (SoundLoaded()) {
        UndoSamples = Wave->Samples;
        m_undoRate = Wave->Format.SampleRate;
    }
    emit stateChanged();
}

void TWaveAdjuster::SilenceSelection()
{
    if (!SoundLoaded())
        return;
    const qint64 end = std::min(SelEnd + 1, SampleCount());
    if (SelStart < end)
        std::fill(Wave->Samples.begin() + SelStart, Wave->Samples.begin() + end, 0);
    samplesChanged();
    ApplyEdit();
    Redraw();
}

void TWaveAdjuster::CutSelection()
{
    if (!SoundLoaded())
        return;
    const qint64 end = std::min(SelEnd + 1, SampleCount());
    if (SelStart < end)
        Wave->Samples.erase(Wave->Samples.begin() + SelStart, Wave->Samples.begin() + end);
    samplesChanged();
    ApplyEdit();
    SelStart = SelEnd = 0;
    Redraw();
}

void TWaveAdjuster::Undo()
{
    if (!SoundLoaded() || UndoSamples.empty())
        return;
    Wave->Samples = UndoSamples;
    if (m_undoRate != 0) { // speech may have changed the rate
        Wave->Format.SampleRate = m_undoRate;
        Wave->Format.ByteRate = m_undoRate * 2;
    }
    samplesChanged();
    ApplyEdit();
    Redraw();
}

void TWaveAdjuster::TrimSilence()
{
    if (!SoundLoaded() || !orvanta::TrimSilence(Wave->Samples, int(Wave->Format.SampleRate)))
        return;
    samplesChanged();
    ApplyEdit();
    SelStart = SelEnd = 0;
    Redraw();
}

void TWaveAdjuster::EvenLoudness()
{
    if (!SoundLoaded() || !orvanta::EvenLoudness(Wave->Samples))
        return;
    samplesChanged();
    ApplyEdit();
    Redraw();
}

void TWaveAdjuster::SpeakMessage(const QString &text, const QString &fileName, const QString &voice)
{
    takeDevice();
    m_note = QStringLiteral("Озвучивание...");
    showOverlay();
    repaint();
    std::vector<int16_t> samples;
    try {
        samples = SpeakText(text, voice);
    } catch (...) {
        m_note.clear();
        showOverlay();
        throw;
    }
    m_note.clear();
    if (SoundLoaded() && Wave->FileName == fileName) {
        Wave->Samples = std::move(samples);
        Wave->Format.SampleRate = MessageRate;
        Wave->Format.ByteRate = MessageRate * 2;
        samplesChanged();
        ApplyEdit();
        SelStart = SelEnd = 0;
        Redraw();
        return;
    }
    TWaveFile spoken;
    spoken.Samples = std::move(samples);
    if (!spoken.SaveToFile(fileName))
        throw ESpeechError(QStringLiteral("Не удалось создать файл \"%1\"").arg(fileName));
    emit soundWritten();
    LoadSound(fileName);
}

void TWaveAdjuster::ApplyEdit()
{
    takeDevice();
    if (!SoundLoaded())
        return;
    try {
        Player.Stop();
        Player.Close();
    } catch (const std::exception &) {
        ReportPlaybackError();
    }
    // A file that cannot be replaced is reported by the wave file (while errors are shown) and
    // the device goes on with the file as it was.
    Wave->Save();
    emit soundWritten();
    Player.FileName = Wave->FileName;
    Player.Open();
    Player.SetTimeFormat(WaveDevice::TimeFormat::Samples);
}

void TWaveAdjuster::ReportPlaybackError()
{
    if (ShowErrors)
        Dialogs::ShowMessage(QStringLiteral("Ошибка воспроизведения!"), this);
}

// Every operation that takes the device first ends a running recording loop and lets pending
// events run.
void TWaveAdjuster::takeDevice()
{
    StopRequested = true;
    QCoreApplication::processEvents();
}

void TWaveAdjuster::setRecording(bool recording)
{
    Recording = recording;
    showOverlay();
    if (recording)
        m_follow.start();
    emit stateChanged();
}

void TWaveAdjuster::RecordSound(const QString &fileName, int maxSeconds)
{
    if (fileName.isEmpty())
        return;
    takeDevice();
    setRecording(true);
    const bool hadSound = SoundLoaded();
    if (hadSound) {
        try {
            Player.Stop();
            Player.Close();
        } catch (const std::exception &) {
            ReportPlaybackError();
        }
    }
    // The recording goes into a file beside the message, which it replaces only once saved.
    const QString recordingFile = fileName + QStringLiteral(".recording");
    const auto endWithOldSound = [&] {
        QFile::remove(recordingFile);
        setRecording(false);
        if (hadSound) {
            try {
                LoadSound(fileName);
            } catch (const std::exception &) {
            }
        }
    };
    if (QFileInfo(fileName).isDir() || !TWaveFile().SaveToFile(recordingFile)) {
        endWithOldSound(); // no file to record into: ends without a word
        return;
    }
    try {
        Player.FileName = recordingFile;
        Player.Open();
        Player.SetTimeFormat(WaveDevice::TimeFormat::Milliseconds);
        Player.Rewind();
        StopRequested = false;
        Player.Record();
        waitForRecordingEnd(maxSeconds);
        Player.Stop();
        setRecording(false);
        Player.Save();
        Player.Close();
        if (std::rename(QFile::encodeName(recordingFile).constData(),
                        QFile::encodeName(fileName).constData()) != 0)
            throw EWaveDeviceError(QStringLiteral("Не удалось заменить файл \"%1\"").arg(fileName));
    } catch (const std::exception &) {
        try {
            Player.Close();
        } catch (const std::exception &) {
        }
        endWithOldSound();
        ReportPlaybackError();
        return;
    }
    emit soundWritten();
    LoadSound(fileName);
}

void TWaveAdjuster::waitForRecordingEnd(int maxSeconds)
{
    QEventLoop loop;
    QTimer check;
    QElapsedTimer clock;
    clock.start();
    const qint64 maxMs = qint64(maxSeconds) * 1000;
    // Device time counts; the clock bounds it where captured sound arrives late.
    connect(&check, &QTimer::timeout, &loop, [&] {
        if (StopRequested || Player.Position() >= maxMs || clock.elapsed() >= maxMs + 1000)
            loop.quit();
    });
    check.start(RecordCheckMs);
    loop.exec();
}

void TWaveAdjuster::PlayFromStart()
{
    takeDevice();
    if (!SoundLoaded())
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
    takeDevice();
    const qint64 n = SampleCount();
    if (n == 0)
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
    StopRequested = true;
    try {
        Player.Stop();
    } catch (const std::exception &) {
    }
}

void TWaveAdjuster::CloseSound()
{
    takeDevice();
    if (SoundLoaded()) {
        try {
            Player.Stop();
        } catch (const std::exception &) {
            return; // a device that does not stop is not closed
        }
        try {
            Player.Close();
        } catch (const std::exception &) {
        }
        Wave->Unload();
    }
    Redraw();
}

} // namespace orvanta
