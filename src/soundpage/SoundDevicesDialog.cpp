#include "SoundDevicesDialog.h"

#include "ThemeIcon.h"
#include "dialogs/WidgetNames.h"
#include "voice/MessageTools.h"
#include "voice/WaveFile.h"

#include "voice/SoundServer.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta {

namespace {

// The default first, under its own name, then each device; a named device the server no longer
// offers stays on the list as missing, so that the choice is never changed silently.
template <class Device>
QComboBox *deviceList(const std::vector<Device> &devices, const QString &fallback,
                      const QString &current)
{
    auto *list = new QComboBox;
    QString fallbackShown = SoundDevicesDialog::tr("нет");
    for (const Device &device : devices)
        if (device.name == fallback)
            fallbackShown = device.description;
    list->addItem(SoundDevicesDialog::tr("По умолчанию (%1)").arg(fallbackShown), QString());
    for (const Device &device : devices)
        list->addItem(device.description, device.description);
    // A name may be a part of the description, as Config.ini allows.
    const Device *found = current.isEmpty() ? nullptr : FindSoundDevice(devices, current);
    const QString chosen = found ? found->description : current;
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
    const SoundServerState server = SoundServer::instance().state();
    m_output = named(deviceList(server.outputs, server.defaultOutput, output), "OutputCB");
    m_input = named(deviceList(server.inputs, server.defaultInput, input), "InputCB");
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
    auto wave = std::make_shared<TWaveFile>();
    wave->Samples = TestTone(int(wave->Format.SampleRate), ToneSeconds);
    wave->Loaded = true;
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
