#pragma once

#include "DeviceControlBlock.h"
#include "EnumSet.h"
#include "PosixSerialPort.h"
#include "XComErr.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace orvanta {

enum TBaudRate : uint32_t {
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000,
    brCustom
};
enum TDataBits : uint32_t { db4, db5, db6, db7, db8 };
enum TParity : uint32_t { paNone, paOdd, paEven, paMark, paSpace };
enum TStopBits : uint32_t { sb1, sb1p5, sb2 };
enum TFlowControl : uint32_t { fcNone, fcRtsCts, fcDtrDsr, fcSoftware, fcCustom };

enum TCommOption {
    coAbortOnError,
    coDiscardNull,
    coDSRSensitivity,
    coErrorChar,
    coParityCheck,
    coTXContinueOnXOff,
    coLeaveDTROpen
};
using TCommOptions = EnumSet<TCommOption, uint8_t>;

enum TRTSSetting { fsCTSOut, fsRTSEnabled, fsRTSHandshake };
using TRTSSettings = EnumSet<TRTSSetting, uint8_t>;
enum TDTRSetting { fsDSROut, fsDTREnabled, fsDTRHandshake };
using TDTRSettings = EnumSet<TDTRSetting, uint8_t>;
enum TXOnXOffSetting { fsInX, fsOutX };
using TXOnXOffSettings = EnumSet<TXOnXOffSetting, uint8_t>;

// Line events; bit n of the driver's event mask is the event of ordinal n.
enum TDeviceEvent {
    deChar,
    deFlag,
    deOutEmpty,
    deCTS,
    deDSR,
    deRLSD,
    deBreak,
    deError,
    deRing,
    dePrintError,
    deIn80Full,
    deProv1,
    deProv2
};
using TDeviceEvents = EnumSet<TDeviceEvent, uint16_t>;

// Directions the component refuses at the moment (see GetLockState).
enum TLockDirection { ldSend, ldRead };
using TLockState = EnumSet<TLockDirection, uint8_t>;

// The bit rates of the baud table, by TBaudRate ordinal (brCustom has none).
constexpr uint32_t BaudTable[] = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                                  19200, 38400, 56000, 57600, 115200, 128000, 256000};

// Largest driver queue the component asks for.
constexpr uint16_t MaxQueueSize = 4096;
constexpr uint16_t MinQueueSize = 128;

// "COMn" is /dev/ttyS(n-1); a name with a "/" is a path; any other name is looked up in /dev.
std::string DefaultDevicePath(const std::string &deviceName);

class TCustomComm;

class TCommDataControl
{
public:
    explicit TCommDataControl(TCustomComm &comm)
        : m_comm(comm)
    {}
    TDataBits DataBits() const;
    void SetDataBits(TDataBits value);
    TParity Parity() const;
    void SetParity(TParity value);
    TStopBits StopBits() const;
    void SetStopBits(TStopBits value);

private:
    friend class TCustomComm;
    TCustomComm &m_comm;
    TDataBits m_dataBits = db8;
    TParity m_parity = paNone;
    TStopBits m_stopBits = sb1;
};

class TCommBuffers
{
public:
    explicit TCommBuffers(TCustomComm &comm)
        : m_comm(comm)
    {}
    uint16_t InputSize() const;
    void SetInputSize(uint16_t value);
    uint16_t OutputSize() const;
    void SetOutputSize(uint16_t value);
    uint16_t OutputTimeout() const { return m_outputTimeout; }
    void SetOutputTimeout(uint16_t value) { m_outputTimeout = value; }

private:
    friend class TCustomComm;
    TCustomComm &m_comm;
    uint16_t m_inputSize = 2048;
    uint16_t m_outputSize = 2048;
    uint16_t m_outputTimeout = 500;
};

class TCommEventChars
{
public:
    explicit TCommEventChars(TCustomComm &comm)
        : m_comm(comm)
    {}
    uint8_t XonChar() const;
    void SetXonChar(uint8_t value);
    uint8_t XoffChar() const;
    void SetXoffChar(uint8_t value);
    uint8_t EofChar() const;
    void SetEofChar(uint8_t value);
    uint8_t ErrorChar() const;
    void SetErrorChar(uint8_t value);
    uint8_t EventChar() const;
    void SetEventChar(uint8_t value);

private:
    friend class TCustomComm;
    uint8_t live(uint8_t DCB::*field, uint8_t stored) const;
    void set(uint8_t &field, uint8_t value);
    TCustomComm &m_comm;
    uint8_t m_xonChar = 0x11;
    uint8_t m_xoffChar = 0x13;
    uint8_t m_eofChar = 0x00;
    uint8_t m_errorChar = 0x00;
    uint8_t m_eventChar = 0x0A;
};

class TCommTimeoutsEx
{
public:
    explicit TCommTimeoutsEx(TCustomComm &comm)
        : m_comm(comm)
    {}
    uint32_t ReadInterval() const;
    void SetReadInterval(uint32_t value);
    uint32_t ReadMultiplier() const;
    void SetReadMultiplier(uint32_t value);
    uint32_t ReadConstant() const;
    void SetReadConstant(uint32_t value);
    uint32_t WriteMultiplier() const;
    void SetWriteMultiplier(uint32_t value);
    uint32_t WriteConstant() const;
    void SetWriteConstant(uint32_t value);

private:
    friend class TCustomComm;
    uint32_t live(uint32_t CommTimeouts::*field, uint32_t stored) const;
    void set(uint32_t &field, uint32_t value);
    TCustomComm &m_comm;
    CommTimeouts m_values{1, 0, 1, 0, 1};
};

// One serial device: its line settings, open and close, and timed writes and reads. Every
// failure is an EDeviceError. Settings written while the device is open reach the driver at once.
class TCustomComm
{
public:
    explicit TCustomComm(std::string name = {});
    virtual ~TCustomComm();
    TCustomComm(const TCustomComm &) = delete;
    TCustomComm &operator=(const TCustomComm &) = delete;

    const std::string &Name() const { return m_name; }

    virtual TLockState GetLockState() const;
    virtual bool OpenDevice();
    virtual void CloseDevice();

    bool IsOpened() const { return m_port.isOpen(); }
    bool LockDevice(bool lock);
    int32_t LockCount() const { return m_lockCount; }
    uint32_t GetQueueCount(int which) const;

    uint32_t WriteData(const void *buffer, uint32_t count, uint32_t timeout);
    uint32_t WriteBuffer(const void *buffer, uint32_t count);
    bool WriteString(const std::string &text);
    uint32_t ReadData(void *buffer, uint32_t count, uint32_t timeout);

    // Milliseconds of a monotonic clock, cut to 32 bits; differences are taken modulo 2^32.
    static uint32_t GetTicks();
    // Replaces the clock GetTicks reads (nullptr: the monotonic clock again), so that a test can
    // move time at a chosen moment.
    using TickClock = uint32_t (*)();
    static void SetTickClock(TickClock clock);

    // The block the current settings give, as the device receives it.
    DCB BuildDCB() const;

    // Turns a device name into the path opened; the application may install its own mapping.
    void SetDeviceResolver(std::function<std::string(const std::string &)> resolver);

    // Called while a read waits for the line, at least every WaitSlice milliseconds, so that
    // the program can keep its screen alive during a long wait. It must not use the component.
    static constexpr int WaitSlice = 25;
    std::function<void()> OnWait;
    std::function<void(TCustomComm &)> OnRead;
    std::function<void(TCustomComm &)> OnSend;
    std::function<void(TCustomComm &, TDeviceEvents)> OnCommEvent;
    std::function<void(TCustomComm &, uint32_t)> OnData;

    // How the program runs a function on the thread that owns the component (the window's
    // thread): with Synchronize, each batch of line events is handed over this way and the event
    // thread waits until it has run. Without a runner, batches wait for the owner's next read,
    // write or close, or for ServeDeliveries.
    using OwnerThreadRunner = std::function<void(std::function<void()>)>;
    void SetOwnerThreadRunner(OwnerThreadRunner runner);
    // On the owner thread: delivers the batches that wait for it, in the order they came.
    void ServeDeliveries();

protected:
    // Settings; a derived component decides which of them it makes public.
    TBaudRate BaudRate() const;
    void SetBaudRate(TBaudRate value);
    uint32_t BaudValue() const;
    void SetBaudValue(uint32_t value);
    const std::string &DeviceName() const { return m_deviceName; }
    void SetDeviceName(const std::string &value);
    TFlowControl FlowControl() const { return m_flowControl; }
    void SetFlowControl(TFlowControl value);
    TRTSSettings RTSSettings() const;
    void SetRTSSettings(TRTSSettings value);
    TDTRSettings DTRSettings() const;
    void SetDTRSettings(TDTRSettings value);
    TXOnXOffSettings XOnXOffSettings() const;
    void SetXOnXOffSettings(TXOnXOffSettings value);
    TCommOptions Options() const;
    void SetOptions(TCommOptions value);
    TDeviceEvents MonitorEvents() const { return m_monitorEvents; }
    void SetMonitorEvents(TDeviceEvents value) { m_monitorEvents = value; }
    bool Synchronize() const { return m_synchronize; }
    void SetSynchronize(bool value) { m_synchronize = value; }
    TCommDataControl &DataControl() { return m_dataControl; }
    TCommBuffers &Buffers() { return m_buffers; }
    TCommEventChars &EventChars() { return m_eventChars; }
    TCommTimeoutsEx &Timeouts() { return m_timeouts; }

    // Line events of the open device; the event thread and WriteData deliver them here.
    virtual void DispatchEvents(TDeviceEvents events);
    // With deChar or deFlag, the input queue's count goes to DoData; the events MonitorEvents
    // holds go to OnCommEvent. The lock count silences both callbacks.
    virtual void DoCommEvent(TDeviceEvents events);
    virtual void DoData(uint32_t received);
    virtual void StartEventThread();
    // Ends the event threads; every batch they still hand over is served first, so none is lost.
    virtual void StopEventThread();
    // An event thread's batch: delivered on this thread without Synchronize, else handed to the
    // owner thread and waited for. False ends the thread (a callback threw).
    bool deliverEvents(TDeviceEvents events);

    void UpdateDCB();
    void UpdateBuffers();
    void UpdateTimeouts();
    // With 0 (or a closed device without custom flow control) derives the flow-control presets;
    // otherwise decodes the flag word of an open device.
    void UpdateLineSettings(uint32_t flags);

private:
    friend class TCommDataControl;
    friend class TCommBuffers;
    friend class TCommEventChars;
    friend class TCommTimeoutsEx;

    // Stores a changed value and hands it to the driver through apply when the device is open.
    template <typename T> void ChangeSetting(T &field, T value, void (TCustomComm::*apply)())
    {
        if (field == value)
            return;
        field = value;
        if (IsOpened())
            (this->*apply)();
    }
    // The block as the driver holds it, for reading settings of an open device.
    bool LiveDCB(DCB &dcb) const;
    // The line settings as the open device has them; false when the driver could not tell.
    bool RefreshLineSettings() const;
    // The line settings a device control block's flag word stands for.
    void DecodeLineSettings(uint32_t flags) const;
    void DeriveLinePresets();
    void RequireOpen() const;
    uint32_t WritePort(const uint8_t *buffer, uint32_t count);
    uint32_t ReadPort(uint8_t *buffer, uint32_t count);

    std::string m_name;
    bool m_destroying = false;
    PosixSerialPort m_port;
    std::function<std::string(const std::string &)> m_resolver;

    TBaudRate m_baudRate = br9600;
    mutable uint32_t m_baudValue = 9600;
    std::string m_deviceName = "COM2";
    TFlowControl m_flowControl = fcNone;
    mutable TRTSSettings m_rtsSettings;
    mutable TDTRSettings m_dtrSettings;
    mutable TXOnXOffSettings m_xonXoffSettings;
    mutable TCommOptions m_options;
    TDeviceEvents m_monitorEvents{deChar, deFlag, deOutEmpty};
    bool m_synchronize = true;

    TCommDataControl m_dataControl{*this};
    TCommBuffers m_buffers{*this};
    TCommEventChars m_eventChars{*this};
    TCommTimeoutsEx m_timeouts{*this};

    // Read by the event thread when it delivers without Synchronize.
    std::atomic<int32_t> m_lockCount{0};

    // Delivers a batch to the owner's callbacks, one delivery at a time whichever thread it
    // comes from (the two watches, a writing thread).
    void dispatchOneAtATime(TDeviceEvents events);
    std::recursive_mutex m_callbackMutex; // a callback that writes delivers deOutEmpty within

    // The event threads, and the batches they hand to the owner thread, each waiting for its
    // own to be served.
    struct PendingBatch
    {
        TDeviceEvents events;
        bool served = false;
        bool failed = false;
    };
    std::unique_ptr<class CommEventThread> m_eventThread;
    OwnerThreadRunner m_ownerThreadRunner;
    std::mutex m_deliveryMutex;
    std::condition_variable m_deliveryChanged; // a batch waits, was served, or a watch ended
    std::deque<std::shared_ptr<PendingBatch>> m_pendingBatches;
    bool m_sendBusy = false;
    bool m_readBusy = false;
};

// The component with its settings public.
class TXComm : public TCustomComm
{
public:
    using TCustomComm::TCustomComm;

    using TCustomComm::BaudRate;
    using TCustomComm::BaudValue;
    using TCustomComm::Buffers;
    using TCustomComm::DataControl;
    using TCustomComm::DeviceName;
    using TCustomComm::DTRSettings;
    using TCustomComm::EventChars;
    using TCustomComm::FlowControl;
    using TCustomComm::MonitorEvents;
    using TCustomComm::Options;
    using TCustomComm::RTSSettings;
    using TCustomComm::SetBaudRate;
    using TCustomComm::SetBaudValue;
    using TCustomComm::SetDeviceName;
    using TCustomComm::SetDTRSettings;
    using TCustomComm::SetFlowControl;
    using TCustomComm::SetMonitorEvents;
    using TCustomComm::SetOptions;
    using TCustomComm::SetRTSSettings;
    using TCustomComm::SetSynchronize;
    using TCustomComm::SetXOnXOffSettings;
    using TCustomComm::Synchronize;
    using TCustomComm::Timeouts;
    using TCustomComm::XOnXOffSettings;
};

} // namespace orvanta
