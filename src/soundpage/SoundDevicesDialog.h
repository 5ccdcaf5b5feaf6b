#pragma once

#include "voice/WaveDevice.h"

#include <QDialog>

class QComboBox;
class QLabel;

namespace orvanta {

// "Устройства звука": the sound output and input chosen from those the sound server offers, by
// the names the desktop shows, and a check tone on the chosen output at the level the messages
// are evened to, so that the panel's input level can be set before an upload.
class SoundDevicesDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr double ToneSeconds = 3;

    // output, input: the devices in use by description; empty for the system's default.
    SoundDevicesDialog(const QString &output, const QString &input, QWidget *parent = nullptr);

    // The chosen devices by description; empty for the system's default.
    QString output() const;
    QString input() const;
    // "Проверочный тон": plays the tone on the chosen output, or stops it when it plays.
    void playTone();
    WaveDevice &toneDevice() { return m_tone; }

private:
    void done(int result) override;

    QComboBox *m_output = nullptr;
    QComboBox *m_input = nullptr;
    QLabel *m_toneNote = nullptr;
    WaveDevice m_tone;
};

} // namespace orvanta
