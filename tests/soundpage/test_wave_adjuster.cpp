// The waveform editor as a real widget on the offscreen platform, on wave files in a temporary
// folder, with the device on the private sound server.
#include "DialogRecorder.h"
#include "LoneEditor.h"
#include "TestFiles.h"
#include "soundpage/WaveAdjuster.h"
#include "voice/MessageTools.h"
#include "voice/Speech.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <random>
#include <unistd.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

struct EditorFixture : LoneEditor
{
    DialogRecorder dialogs;

    using LoneEditor::LoneEditor;
    // Writes the samples as a wave file and shows it in the editor as row 1's message.
    QString load(const std::vector<int16_t> &samples, const char *name = "message.wav")
    {
        TWaveFile wave;
        wave.Samples = samples;
        wave.SaveToFile(path(name));
        showInRow(path(name));
        return path(name);
    }
    std::vector<int16_t> onDisk(const char *name = "message.wav") const
    {
        return TWaveFile(path(name)).Samples;
    }
    // An edit of the selection, as the page's buttons make it.
    QString edit(qint64 from, qint64 to, QString (TWaveAdjuster::*action)())
    {
        editor.SelStart = from;
        editor.SelEnd = to;
        return (editor.*action)();
    }
    // The widget's pixel over a point of Background: the view is drawn one pixel in.
    QRgb shown(int x, int y) { return editor.grab().toImage().pixel(x + 1, y + 1); }
};

std::vector<int16_t> ramp(int count)
{
    std::vector<int16_t> samples(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        samples[size_t(i)] = int16_t(i);
    return samples;
}

} // namespace

TEST(WaveAdjuster, GridLinesInTheirColoursAtTheirPlaces)
{
    for (int width : {690, 400}) {
        SCOPED_TRACE(width);
        EditorFixture f(width);
        const QImage &grid = f.editor.Background;
        ASSERT_EQ(grid.size(), QSize(width - 2, 103));
        EXPECT_EQ(grid.pixel(5, 51), qRgb(0, 0, 255)); // the centre line
        // H = 105: two pairs, |105/80 - i - 0.5| * 255 / (105/40).
        for (int y : {71, 31})
            EXPECT_EQ(grid.pixel(5, y), qRgb(18, 18, 237)) << y;
        for (int y : {91, 11})
            EXPECT_EQ(grid.pixel(5, y), qRgb(115, 115, 140)) << y;
        EXPECT_EQ(grid.pixel(5, 50), qRgb(0, 0, 0));
        // W div 20 lines at x = 20 j: |W/40 - j| * 255 / (W/20).
        for (int j = 1; j <= width / 20; ++j) {
            const int c = int(std::nearbyint(std::abs(width / 40.0 - j) * 255 / (width / 20.0)));
            if (20 * j < grid.width()) {
                EXPECT_EQ(grid.pixel(20 * j, 5), qRgb(c, c, 255 - c)) << j;
            }
        }
        EXPECT_EQ(f.shown(20, 5), grid.pixel(20, 5));
    }
}

TEST(WaveAdjuster, LoudRedQuietGreenCursorWhiteSelectionInverted)
{
    EditorFixture f;
    std::vector<int16_t> samples(20000);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] =
            int16_t((i % 2 ? 1 : -1) * (i < 10000 ? 30000 : 300) + (i < 10000 ? 2000 : 10));
    f.load(samples);
    const QImage &plot = f.editor.Background;
    // The mean of neighbours: (2000) loud left, (10) quiet right; a column from top to bottom.
    EXPECT_EQ(plot.pixel(110, 60), qRgb(16, 239, 0));
    EXPECT_EQ(plot.pixel(510, 52), qRgb(0, 255, 0));
    const auto red = [&](int x) {
        for (int y = 0; y < plot.height(); ++y)
            if (qRed(plot.pixel(x, y)) > 0 && qGreen(plot.pixel(x, y)) < 255 &&
                qBlue(plot.pixel(x, y)) == 0)
                return true;
        return false;
    };
    EXPECT_TRUE(red(110));

    // A click moves the cursor there; a drag selects, every pixel inside inverted.
    QTest::mouseClick(&f.editor, Qt::LeftButton, {}, QPoint(300, 50));
    QTest::mousePress(&f.editor, Qt::LeftButton, {}, QPoint(400, 50));
    QTest::mouseMove(&f.editor, QPoint(450, 50));
    QTest::mouseRelease(&f.editor, Qt::LeftButton, {}, QPoint(450, 50));
    const int cursor = int(std::nearbyint(688.0 * double(f.sound.player().position()) /
                                          double(f.sound.player().length())));
    EXPECT_NEAR(cursor, 400 * 688 / 690, 2);
    const QImage &view = f.editor.Overlay;
    for (int y : {0, 30, 51, 102}) {
        EXPECT_EQ(view.pixel(200, y), plot.pixel(200, y)) << y;
        EXPECT_EQ(view.pixel(420, y), plot.pixel(420, y) ^ 0x00FFFFFF) << y;
        EXPECT_EQ(view.pixel(400, y), plot.pixel(400, y) ^ 0x00FFFFFF) << y;
        EXPECT_EQ(view.pixel(450, y), plot.pixel(450, y) ^ 0x00FFFFFF) << y;
    }
    EXPECT_EQ(f.shown(420, 30), view.pixel(420, 30));
    // The cursor alone, outside the selection: move it back with a click.
    QTest::mouseClick(&f.editor, Qt::LeftButton, {}, QPoint(200, 50));
    const int moved = int(std::nearbyint(688.0 * double(f.sound.player().position()) /
                                         double(f.sound.player().length())));
    ASSERT_NE(moved, 200); // the one-sample selection sits at 200, the cursor just before it
    for (int y : {0, 51, 102})
        EXPECT_EQ(f.editor.Overlay.pixel(moved, y), qRgb(255, 255, 255)) << y;
}

TEST(WaveAdjuster, MouseSelectionIsClampedAndOrdered)
{
    EditorFixture f;
    f.load(ramp(6900)); // ten samples a pixel
    auto drag = [&](int from, int to) {
        QTest::mousePress(&f.editor, Qt::LeftButton, {}, QPoint(from, 50));
        QTest::mouseMove(&f.editor, QPoint(to, 50));
        QTest::mouseRelease(&f.editor, Qt::LeftButton, {}, QPoint(to, 50));
        return std::pair(f.editor.SelStart, f.editor.SelEnd);
    };
    using Selection = std::pair<qint64, qint64>;
    EXPECT_EQ(drag(100, 800), Selection(1000, 6899)); // past the right edge
    EXPECT_EQ(drag(100, -30), Selection(0, 1000));    // past the left edge
    EXPECT_EQ(drag(300, 200), drag(200, 300));        // either direction
    EXPECT_EQ(drag(345, 345), Selection(3450, 3450)); // a click: one sample
    // Other buttons select nothing.
    QTest::mouseClick(&f.editor, Qt::RightButton, {}, QPoint(10, 50));
    EXPECT_EQ(f.editor.SelStart, 3450);
}

TEST(WaveAdjuster, CutSilenceAndUndoReachTheFile)
{
    EditorFixture f;
    f.load(ramp(1000));
    f.edit(100, 199, &TWaveAdjuster::CutSelection);
    std::vector<int16_t> disk = f.onDisk();
    ASSERT_EQ(disk.size(), 900u);
    EXPECT_EQ(disk[100], 200); // the sample after the cut moved to SelStart
    EXPECT_EQ(f.editor.SelStart, 0);
    f.editor.Undo();
    EXPECT_EQ(f.onDisk(), ramp(1000));
    f.editor.Undo(); // a second undo gives the same
    EXPECT_EQ(f.editor.Wave()->Samples, ramp(1000));

    f.edit(10, 19, &TWaveAdjuster::SilenceSelection);
    disk = f.onDisk();
    EXPECT_EQ(disk[9], 9);
    EXPECT_EQ(disk[10], 0);
    EXPECT_EQ(disk[19], 0);
    EXPECT_EQ(disk[20], 20);
    EXPECT_EQ(f.editor.SelEnd, 19); // the selection stays
    f.editor.Undo();
    EXPECT_EQ(f.onDisk(), ramp(1000));

    // A load empties the undo; the next edit takes its own copy.
    f.edit(0, 9, &TWaveAdjuster::CutSelection);
    f.editor.LoadSound(f.path("message.wav"));
    EXPECT_FALSE(f.editor.canUndo());
    f.editor.Undo();
    EXPECT_EQ(f.onDisk().size(), 990u);
}

TEST(WaveAdjuster, CuttingEverythingLeavesAnEmptySoundThatUndoBringsBack)
{
    EditorFixture f;
    f.load(ramp(500));
    f.edit(0, 499, &TWaveAdjuster::CutSelection);
    EXPECT_EQ(f.editor.sampleCount(), 0);
    EXPECT_TRUE(f.sound.player().isOpen());
    EXPECT_EQ(ReadFile(f.path("message.wav")).size(), 44); // a valid file, no data
    QTest::mouseClick(&f.editor, Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_EQ(f.editor.SelStart, 0); // the mouse does nothing
    f.editor.Undo();
    EXPECT_EQ(f.onDisk(), ramp(500));
}

TEST(WaveAdjuster, FileThatCannotBeReplacedRefusesTheEditAndChangesNothing)
{
    EditorFixture f;
    const QString file = f.load(ramp(300));
    const QByteArray before = ReadFile(file);
    // The folder refuses new files, so the file cannot be replaced (root too: immutable).
    QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool immutable = ::geteuid() == 0 && QProcess::execute(QStringLiteral("chattr"),
                                                                 {"+i", f.folder.path()}) == 0;
    if (::geteuid() == 0 && !immutable)
        GTEST_SKIP() << "no way to make a folder read-only here";
    const QString refused = f.edit(0, 99, &TWaveAdjuster::CutSelection);
    if (immutable)
        QProcess::execute(QStringLiteral("chattr"), {"-i", f.folder.path()});
    QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(f.editor.sampleCount(), 300); // what is shown is what the file holds
    EXPECT_EQ(ReadFile(file), before);
    EXPECT_FALSE(f.editor.canUndo());
    EXPECT_EQ(refused, QStringLiteral("Не удалось создать файл \"%1\"!").arg(file));
    ASSERT_FALSE(f.dialogs.boxes.empty());
    EXPECT_EQ(f.dialogs.boxes.back().second, refused);

    // A message the user made read-only is refused the same way, with its reason.
    QFile::setPermissions(file, QFile::ReadOwner);
    EXPECT_TRUE(f.edit(0, 99, &TWaveAdjuster::SilenceSelection)
                    .contains(QStringLiteral("только для чтения")));
    EXPECT_EQ(ReadFile(file), before);

    // A file in another format would be written back as 16-bit mono: it is left as it is.
    QProcess::execute(QStringLiteral("sox"), {file, "-c", "2", "-b", "24", f.path("stereo.wav")});
    const QByteArray stereo = ReadFile(f.path("stereo.wav"));
    f.editor.LoadSound(f.path("stereo.wav"));
    EXPECT_EQ(f.editor.sampleCount(), 300);
    EXPECT_TRUE(f.edit(0, 99, &TWaveAdjuster::CutSelection)
                    .contains(QStringLiteral("не в формате сообщений")));
    EXPECT_EQ(ReadFile(f.path("stereo.wav")), stereo);
}

TEST(WaveAdjuster, NoSoundShowsTheGridAndIgnoresEverything)
{
    EditorFixture f;
    f.editor.LoadSound(f.path("missing.wav"));
    EXPECT_FALSE(f.editor.soundLoaded());
    EXPECT_EQ(f.dialogs.boxes.size(), 1u); // errors are shown: "Не удалось открыть файл"
    WriteFile(f.path("notes.wav"), "a user's notes, not sound");
    f.editor.LoadSound(f.path("notes.wav")); // the reader's reason stays in view
    EXPECT_TRUE(f.editor.playbackProblem().startsWith(
        QStringLiteral("Не удалось загрузить файл \"%1\": ").arg(f.path("notes.wav"))));
    EXPECT_EQ(f.dialogs.boxes.size(), 2u);
    const QImage grid = f.editor.Background;
    QTest::mouseClick(&f.editor, Qt::LeftButton, {}, QPoint(100, 50));
    f.editor.CutSelection();
    f.editor.SilenceSelection();
    f.editor.Undo();
    EXPECT_EQ(f.editor.Background, grid);
    EXPECT_EQ(f.editor.Overlay, grid);
}

TEST(WaveEnvelope, NoColumnMissesItsExtremes)
{
    // Alternating full scale, a single spike in a million, and noise checked sample by sample.
    std::vector<int16_t> alternating(1'000'000);
    for (size_t i = 0; i < alternating.size(); ++i)
        alternating[i] = i % 2 ? 32767 : -32767;
    std::vector<int16_t> spike(1'000'000, 0);
    spike[654'321] = 30000;
    std::vector<int16_t> noise(100'003);
    std::mt19937 random(7);
    for (int16_t &sample : noise)
        sample = int16_t(std::uniform_int_distribution<int>(-32768, 32767)(random));

    for (const std::vector<int16_t> *samples : {&alternating, &spike, &noise}) {
        WaveEnvelope envelope;
        envelope.setSamples(*samples);
        const int width = 690;
        std::vector<WaveEnvelope::Column> expected(width + 1);
        for (qint64 k = 0; k < envelope.points(); ++k) {
            WaveEnvelope::Column &column = expected[size_t(envelope.pointX(k, width))];
            const int16_t sample = (*samples)[size_t(k)];
            column.low = column.empty ? sample : std::min(column.low, sample);
            column.high = column.empty ? sample : std::max(column.high, sample);
            column.loudness =
                std::max(column.loudness, PairLoudness(sample, (*samples)[size_t(k + 1)]));
            column.empty = false;
        }
        for (int x = 0; x <= width; ++x) {
            const WaveEnvelope::Column column = envelope.column(x, width);
            ASSERT_EQ(column.empty, expected[size_t(x)].empty) << x;
            ASSERT_EQ(column.low, expected[size_t(x)].low) << x;
            ASSERT_EQ(column.high, expected[size_t(x)].high) << x;
            ASSERT_EQ(column.loudness, expected[size_t(x)].loudness) << x;
        }
    }
    EXPECT_EQ(RoundedDivision(5, 2), 2); // halves to even
    EXPECT_EQ(RoundedDivision(7, 2), 4);
    EXPECT_EQ(RoundedDivision(-5, 2), -2);
    EXPECT_EQ(PairLoudness(-32768, -32768), 32768);
}

TEST(WaveAdjuster, SpikeInAMillionSamplesIsDrawn)
{
    EditorFixture f;
    std::vector<int16_t> spike(1'000'000, 0);
    spike[654'321] = 30000;
    f.load(spike);
    const int x = int(std::nearbyint(654'321.0 * 690 / 1'000'000));
    const int y = int(std::nearbyint(30000 / 32767.0 * 105 / 2 + 105 / 2.0));
    EXPECT_EQ(qGreen(f.editor.Background.pixel(x, y)) < 255, true); // a loud colour, far below
    EXPECT_NE(f.editor.Background.pixel(x, y), qRgb(0, 0, 0));
}

TEST(WaveAdjuster, TrimAndEvenLoudnessAreUndoableEdits)
{
    EditorFixture f;
    std::vector<int16_t> samples(44100, 0);
    for (int i = 11025; i < 22050; ++i)
        samples[size_t(i)] = int16_t(i % 2 ? 900 : -900);
    f.load(samples);
    f.edit(0, 0, &TWaveAdjuster::trimSilence);
    EXPECT_EQ(f.onDisk().size(), size_t(11025 + 2 * 2205));
    f.editor.Undo();
    EXPECT_EQ(f.onDisk(), samples);
    f.edit(0, 0, &TWaveAdjuster::evenLoudness);
    EXPECT_EQ(f.onDisk()[11025], LoudnessPeak); // 900 scaled to the peak
    f.editor.Undo();
    EXPECT_EQ(f.onDisk(), samples);
}

TEST(WaveAdjuster, SpeechIsAnUndoableEditAndAFailureKeepsTheOldMessage)
{
    EditorFixture f;
    const QString file = f.load(ramp(8000));
    const QByteArray old = ReadFile(file);
    EXPECT_FALSE(
        f.editor.speakMessage(QStringLiteral("Тревога"), QStringLiteral("xx-no-such-voice"))
            .isEmpty());
    EXPECT_EQ(ReadFile(file), old);
    EXPECT_EQ(f.editor.speakMessage(QStringLiteral("Тревога, шлейф три")), QString());
    const TWaveFile spoken(file);
    EXPECT_EQ(spoken.Format.SampleRate, 44100u);
    EXPECT_GT(spoken.Samples.size(), size_t(44100 / 2));
    f.editor.Undo();
    EXPECT_EQ(f.onDisk(), ramp(8000));
}

// Ctrl and the wheel zoom around the mouse, the wheel alone moves along, a click selects where
// it is in the zoomed view, and fitting shows the whole message again; the ruler marks seconds.
TEST(WaveAdjuster, ZoomKeepsThePointUnderTheMouseAndFitShowsTheWhole)
{
    EditorFixture f;
    f.load(ramp(69000)); // a hundred samples a pixel
    const auto clickAt = [&](int x) {
        QTest::mouseClick(&f.editor, Qt::LeftButton, {}, QPoint(x, 50));
        return f.editor.SelStart;
    };
    const auto wheel = [&](int x, int steps, Qt::KeyboardModifiers keys) {
        QWheelEvent event(QPointF(x, 50), f.editor.mapToGlobal(QPointF(x, 50)), {},
                          QPoint(0, 120 * steps), Qt::NoButton, keys, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&f.editor, &event);
    };
    const qint64 before = clickAt(300);
    wheel(300, 2, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(f.editor.zoom(), 2.25);
    EXPECT_NEAR(double(f.editor.shownSampleCount()), 69000 / 2.25, 100);
    EXPECT_NEAR(double(clickAt(300)), double(before), 50);   // the point under the mouse stayed
    EXPECT_NEAR(double(clickAt(301) - clickAt(300)), 44, 2); // a pixel is fewer samples now
    const qint64 first = f.editor.firstShownSample();
    wheel(300, -1, {});
    EXPECT_GT(f.editor.firstShownSample(), first); // the wheel alone moves the view along
    // A selection left of the view is not drawn, and nothing is drawn outside the picture.
    f.editor.select(0, 10);
    wheel(300, -20, {});
    ASSERT_GT(f.editor.firstShownSample(), 10);
    EXPECT_EQ(f.editor.Overlay.pixel(0, 50), f.editor.Background.pixel(0, 50));
    f.editor.fitWhole();
    EXPECT_EQ(f.editor.firstShownSample(), 0);
    EXPECT_EQ(f.editor.shownSampleCount(), 69000);
    // A mark every 0.2 s of the 1.56 s message, grey, on the lower edge.
    const QImage &plot = f.editor.Background;
    const int bottom = plot.height() - 1;
    for (const double second : {0.4, 1.0, 1.4}) {
        const int x = int(std::lround(second * 44100 * 690 / 69000));
        EXPECT_EQ(plot.pixel(x, bottom - 2), qRgb(170, 170, 170)) << second;
    }
    // At any zoom, wherever the view stands, a figure is drawn whole or not at all: a cut "2,35"
    // at the right edge would read as "2".
    int dropped = 0;
    for (const double zoom : {7.0, 1e9}) {
        f.editor.setZoom(zoom, 0);
        for (int step = 0; step < 40; ++step) {
            for (const TWaveAdjuster::RulerMark &mark : f.editor.rulerMarks()) {
                EXPECT_TRUE(mark.label.isEmpty() || plot.rect().contains(mark.labelBox))
                    << mark.label.toStdString();
                dropped += mark.label.isEmpty();
            }
            wheel(300, -1, {});
        }
    }
    EXPECT_GT(dropped, 0);
}

// On a screen of twice the density the view is drawn in the screen's pixels, one to one, and the
// mouse still selects where it points. Run with QT_SCALE_FACTOR=2; skipped on a plain screen.
TEST(WaveAdjuster, DenseScreenDrawsInItsOwnPixels)
{
    EditorFixture f;
    if (f.editor.devicePixelRatioF() < 2)
        GTEST_SKIP() << "a screen of the plain density";
    f.load(ramp(6900));
    EXPECT_EQ(f.editor.Background.size(), QSize(2 * (690 - 2), 2 * (105 - 2)));
    QTest::mouseClick(&f.editor, Qt::LeftButton, {}, QPoint(345, 50));
    EXPECT_NEAR(double(f.editor.SelStart), 3450, 10);
    // The centre line and a grid line lie where the plain view has them, at twice the pixels.
    EXPECT_EQ(f.editor.Background.pixel(10, 103), qRgb(0, 0, 255));
    EXPECT_EQ(f.editor.grab().toImage().size(), QSize(2 * 690, 2 * 105));
}
