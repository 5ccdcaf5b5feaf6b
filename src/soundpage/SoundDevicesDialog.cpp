#include "SoundDevicesDialog.h"

#include "MessageTools.h"
#include "ThemeIcon.h"
#include "WaveFile.h"
#include "WidgetNames.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMediaDevices>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta {

namespace {

// The default first, under its own name, then each device; a named device the server no longer
// offers stays on the list as missing, so that the choice is never changed silently.
QComboBox *deviceList(const QList<QAudioDevice> &devices, const QAudioDevice &fallback,
                      const QString &current)
{
    auto *list = new QComboBox;
    list->addItem(
        SoundDevicesDialog::tr("По умолчанию (%1)")
            .arg(fallback.isNull() ? SoundDevicesDialog::tr("нет") : fallback.description()),
        QString());
    for (const QAudioDevice &device : devices)
        list->addItem(device.description(), device.description());
    // A name may be a part of the description, as Config.ini allows.
    const std::optional<QAudioDevice> found =
        current.isEmpty() ? std::nullopt : FindSoundDevice(devices, current);
    const QString chosen = found ? found->description() : current;
    if (!chosen.isEmpty() && list->findData(chosen) < 0)
        list->addItem(SoundDevicesDialog::tr("%1 (нет на сервере звука)").arg(chosen), chosen);
    list->setCurrentIndex(std::max(list->findData(chosen), 0));
    return list;
}

} // namespace

SoundDevicesDialog::SoundDevicesDialog(const QString &output, const QString &input, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SoundDevicesDialog"));
    setWindowTitle(tr("Устройства звука"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_output = named(
        deviceList(QMediaDevices::audioOutputs(), QMediaDevices::defaultAudioOutput(), output),
        "OutputCB");
    m_input =
        named(deviceList(QMediaDevices::audioInputs(), QMediaDevices::defaultAudioInput(), input),
              "InputCB");
    form->addRow(tr("Вывод звука (к панели):"), m_output);
    form->addRow(tr("Запись звука (микрофон):"), m_input);
    layout->addLayout(form);

    auto *tone = named(
        new QPushButton(ThemeIcon(QStringLiteral("orvanta-test-tone")), tr("Проверочный тон")),
        "ToneB");
    tone->setToolTip(tr("Тон 1 кГц на выбранном выводе, с громкостью выровненных "
                        "сообщений: по нему настраивают уровень входа панели"));
    connect(tone, &QPushButton::clicked, this, [this] { playTone(); });
    m_toneNote = named(new QLabel, "ToneL");
    m_toneNote->setWordWrap(true);
    layout->addWidget(tone, 0, Qt::AlignLeft);
    layout->addWidget(m_toneNote);
    connect(&m_tone, &WaveDevice::playEnded, this,
            [this](const QString &error) { m_toneNote->setText(error); });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString SoundDevicesDialog::output() const
{
    return m_output->currentData().toString();
}

QString SoundDevicesDialog::input() const
{
    return m_input->currentData().toString();
}

void SoundDevicesDialog::playTone()
{
    if (m_tone.isPlaying()) {
        m_tone.stop();
        return;
    }
    TWaveFile wave;
    wave.Samples = TestTone(int(wave.Format.SampleRate), ToneSeconds);
    wave.Loaded = true;
    try {
        m_tone.setDeviceNames(output(), QString());
        m_tone.open(wave);
        m_tone.play();
        m_toneNote->setText(tr("Звучит тон 1 кГц на \"%1\"…").arg(m_output->currentText()));
    } catch (const EWaveDeviceError &error) {
        m_toneNote->setText(QString::fromStdString(error.what()));
    }
}

void SoundDevicesDialog::done(int result)
{
    m_tone.close(); // the tone ends with the dialog
    QDialog::done(result);
}

} // namespace orvanta
