#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace orvanta {

class WaveDevice;

// A peak meter for what the sound devices play and record: a bar from -60 to 0 dBFS, a line that
// holds the highest peak for a moment, and a red mark at the top once a sample reaches full
// scale. It looks at the devices at most 30 times a second, and only while one of them runs.
class LevelMeter : public QWidget
{
    Q_OBJECT
public:
    static constexpr double FloorDecibels = -60;
    static constexpr int LookMs = 34;
    static constexpr int HoldMs = 1500;

    explicit LevelMeter(QWidget *parent = nullptr);

    // A device whose streams the meter shows; it must outlive the meter or be deleted with it.
    void watch(WaveDevice &device);

    // The last peak shown and the highest since the stream began, in dBFS (FloorDecibels for
    // none); whether a sample reached full scale since the stream began.
    double peakDecibels() const { return m_peak; }
    double highestDecibels() const { return m_highest; }
    bool clipped() const { return m_clipped; }

    QSize sizeHint() const override { return {14, 100}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void devicesChanged();
    void look();
    int levelY(double decibels) const;

    QList<QPointer<WaveDevice>> m_devices;
    QTimer m_look;
    QElapsedTimer m_sinceHold;
    double m_peak = FloorDecibels;
    double m_hold = FloorDecibels;
    double m_highest = FloorDecibels;
    bool m_clipped = false;
    bool m_running = false;
};

} // namespace orvanta
