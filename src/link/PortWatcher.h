#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

namespace orvanta {

// A serial adapter as the system knows it.
struct SerialAdapter
{
    QString path; // "/dev/ttyUSB0": what a port of that name opens
    QString
        stablePath; // "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K3ZQ1-if00-port0", or empty
    QString maker;  // "FTDI"
    QString model;  // "FT232R USB UART"
    QString serial; // "A10K3ZQ1"

    // "FT232R USB UART (A10K3ZQ1)": the model (else the maker) and the serial number; empty when
    // the system knows neither.
    QString name() const;
    // "FT232R USB UART (A10K3ZQ1) — /dev/ttyUSB0", or the path alone.
    QString label() const;
    bool operator==(const SerialAdapter &) const = default;
};

// The serial adapters present (USB serial and ACM devices), and each one that comes or goes,
// reported within a moment of it. It watches the system's device manager (udev) where it runs,
// else a device folder for tty nodes; nothing wakes while nothing changes.
class PortWatcher : public QObject
{
    Q_OBJECT
public:
    // deviceFolder empty: udev where it runs, else /dev. A folder: that folder alone, watched as
    // /dev would be, its nodes (or links to them) standing for adapters.
    explicit PortWatcher(const QString &deviceFolder = {}, QObject *parent = nullptr);
    ~PortWatcher() override;

    const std::vector<SerialAdapter> &adapters() const { return m_adapters; }
    // The adapter whose path or stable path that is, or nullptr.
    const SerialAdapter *find(const QString &path) const;
    // Where the adapters come from: "udev", or the folder watched.
    QString source() const;
    // Why /dev is watched where udev was wanted, in the interface's language; empty otherwise.
    QString sourceNote() const { return m_sourceNote; }

    class Source;

signals:
    void added(const orvanta::SerialAdapter &adapter);
    void removed(const orvanta::SerialAdapter &adapter);

private:
    void refresh();

    std::unique_ptr<Source> m_source;
    std::vector<SerialAdapter> m_adapters;
    QString m_sourceNote;
};

// The folder adapters are taken from: ORVANTA_DEVICE_FOLDER where it is set (the tests' own),
// else empty, for the system's.
QString DeviceFolderSetting();

} // namespace orvanta
