#include "LevelMeter.h"

#include "dialogs/LiveText.h"

#include "voice/WaveDevice.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

double toDecibels(double share)
{
    return share > 0 ? std::max(20 * std::log10(share), LevelMeter::FloorDecibels)
                     : LevelMeter::FloorDecibels;
}

} // namespace

LevelMeter::LevelMeter(QWidget *parent)
    : QWidget(parent)
{
    setFixedWidth(LevelMeter::sizeHint().width()); // this class's own: no subclass exists yet
    KeepTranslated(this, [this] {
        setToolTip(tr("Уровень звука: пики, самый громкий пик и метка перегрузки"));
    });
    m_look.setInterval(LookMs);
    connect(&m_look, &QTimer::timeout, this, [this] { look(); });
}

void LevelMeter::watch(WaveDevice &device)
{
    m_devices.append(&device);
    connect(&device, &WaveDevice::stateChanged, this, [this] { devicesChanged(); });
}

void LevelMeter::devicesChanged()
{
    const bool running = std::any_of(m_devices.begin(), m_devices.end(), [](const auto &device) {
        return device && (device->isPlaying() || device->isRecording());
    });
    if (running == m_running)
        return;
    m_running = running;
    if (running) {
        // A new stream starts a new reading: no hold or overload from the one before.
        m_peak = m_hold = m_highest = FloorDecibels;
        m_clipped = false;
        m_look.start();
    } else {
        look(); // what the stream played or recorded last
        m_look.stop();
        m_peak = FloorDecibels;
    }
    update();
}

void LevelMeter::look()
{
    double share = 0;
    for (const QPointer<WaveDevice> &device : std::as_const(m_devices))
        if (device)
            share = std::max(share, device->takePeak());
    m_peak = toDecibels(share);
    m_highest = std::max(m_highest, m_peak);
    m_clipped = m_clipped || share >= 32767 / 32768.0;
    if (m_peak >= m_hold || m_sinceHold.hasExpired(HoldMs)) {
        m_hold = m_peak;
        m_sinceHold.start();
    }
    update();
}

int LevelMeter::levelY(double decibels) const
{
    const int top = 4; // below the overload mark
    const double share = (decibels - FloorDecibels) / -FloorDecibels;
    return height() - 1 - int(std::lround(share * (height() - 1 - top)));
}

void LevelMeter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    // Green up to -12 dBFS, yellow to -3, red above: where a message should peak is plain.
    const int bottom = height() - 1;
    const int peakY = levelY(m_peak);
    const struct
    {
        double from;
        QColor colour;
    } zones[] = {{FloorDecibels, QColor(0, 190, 0)}, {-12, QColor(230, 200, 0)}, {-3, Qt::red}};
    for (size_t i = 0; i < std::size(zones); ++i) {
        const int low = levelY(zones[i].from);
        const int high = i + 1 < std::size(zones) ? levelY(zones[i + 1].from) : levelY(0);
        const int top = std::max(high, peakY);
        if (m_peak > FloorDecibels && top < low)
            painter.fillRect(QRect(2, top, width() - 4, low - top), zones[i].colour);
    }
    if (m_hold > FloorDecibels) {
        painter.setPen(Qt::white);
        painter.drawLine(2, levelY(m_hold), width() - 3, levelY(m_hold));
    }
    painter.fillRect(QRect(2, 0, width() - 4, 3), m_clipped ? Qt::red : QColor(60, 0, 0));
    painter.setPen(QColor(90, 90, 90));
    painter.drawLine(0, bottom, width(), bottom);
}

} // namespace orvanta
