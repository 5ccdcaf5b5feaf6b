#include "XComDrv.h"

#include "CommEventThread.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <thread>

namespace orvanta {

std::string DefaultDevicePath(const std::string &deviceName)
{
    if (deviceName.find('/') != std::string::npos)
        return deviceName;
    const auto isDigit = [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    };
    if (deviceName.size() > 3 && std::all_of(deviceName.begin() + 3, deviceName.end(), isDigit) &&
        std::equal(deviceName.begin(), deviceName.begin() + 3, "COM", [](char a, char b) {
            return std::toupper(static_cast<unsigned char>(a)) == b;
        })) {
        // A number too large for the counter names no port of this machine: it is opened as
        // given and fails there, like any other missing device.
        unsigned long number = 0;
        const char *digits = deviceName.c_str() + 3;
        const auto [end, error] =
            std::from_chars(digits, deviceName.c_str() + deviceName.size(), number);
        if (error == std::errc() && number >= 1)
            return "/dev/ttyS" + std::to_string(number - 1);
    }
    return "/dev/" + deviceName;
}

namespace {

// Restores a flag on every way out of a scope, a callback's exception included.
class FlagScope
{
public:
    explicit FlagScope(bool &flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope &) = delete;
    FlagScope &operator=(const FlagScope &) = delete;

private:
    bool &m_flag;
};

uint16_t ClampQueueSize(uint16_t value)
{
    return std::clamp(value, MinQueueSize, MaxQueueSize);
}

// Milliseconds left until more than timeout have passed since start; 0 once that time is over,
// however far the clock has gone past it.
int RemainingWait(uint32_t start, uint32_t timeout)
{
    const int64_t elapsed = TCustomComm::GetTicks() - start;
    const int64_t left = int64_t(timeout) + 1 - elapsed;
    return int(std::clamp<int64_t>(left, 0, 60'000));
}

TCustomComm::TickClock tickClock = nullptr;

} // namespace

// --- Settings groups -------------------------------------------------------------------------

TDataBits TCommDataControl::DataBits() const
{
    DCB dcb;
    return m_comm.LiveDCB(dcb) ? TDataBits(dcb.ByteSize - 4) : m_dataBits;
}

void TCommDataControl::SetDataBits(TDataBits value)
{
    m_comm.ChangeSetting(m_dataBits, value, &TCustomComm::UpdateDCB);
}

TParity TCommDataControl::Parity() const
{
    DCB dcb;
    return m_comm.LiveDCB(dcb) ? TParity(dcb.Parity) : m_parity;
}

void TCommDataControl::SetParity(TParity value)
{
    m_comm.ChangeSetting(m_parity, value, &TCustomComm::UpdateDCB);
}

TStopBits TCommDataControl::StopBits() const
{
    DCB dcb;
    return m_comm.LiveDCB(dcb) ? TStopBits(dcb.StopBits) : m_stopBits;
}

void TCommDataControl::SetStopBits(TStopBits value)
{
    m_comm.ChangeSetting(m_stopBits, value, &TCustomComm::UpdateDCB);
}

uint16_t TCommBuffers::InputSize() const
{
    uint32_t input = 0, output = 0;
    if (m_comm.IsOpened())
        m_comm.m_port.queueSizes(input, output);
    return input != 0 ? uint16_t(input) : m_inputSize;
}

void TCommBuffers::SetInputSize(uint16_t value)
{
    m_comm.ChangeSetting(m_inputSize, ClampQueueSize(value), &TCustomComm::UpdateBuffers);
}

uint16_t TCommBuffers::OutputSize() const
{
    uint32_t input = 0, output = 0;
    if (m_comm.IsOpened())
        m_comm.m_port.queueSizes(input, output);
    return output != 0 ? uint16_t(output) : m_outputSize;
}

void TCommBuffers::SetOutputSize(uint16_t value)
{
    m_comm.ChangeSetting(m_outputSize, ClampQueueSize(value), &TCustomComm::UpdateBuffers);
}

uint8_t TCommEventChars::live(uint8_t DCB::*field, uint8_t stored) const
{
    DCB dcb;
    return m_comm.LiveDCB(dcb) ? dcb.*field : stored;
}

void TCommEventChars::set(uint8_t &field, uint8_t value)
{
    m_comm.ChangeSetting(field, value, &TCustomComm::UpdateDCB);
}

uint8_t TCommEventChars::XonChar() const
{
    return live(&DCB::XonChar, m_xonChar);
}
void TCommEventChars::SetXonChar(uint8_t value)
{
    set(m_xonChar, value);
}
uint8_t TCommEventChars::XoffChar() const
{
    return live(&DCB::XoffChar, m_xoffChar);
}
void TCommEventChars::SetXoffChar(uint8_t value)
{
    set(m_xoffChar, value);
}
uint8_t TCommEventChars::EofChar() const
{
    return live(&DCB::EofChar, m_eofChar);
}
void TCommEventChars::SetEofChar(uint8_t value)
{
    set(m_eofChar, value);
}
uint8_t TCommEventChars::ErrorChar() const
{
    return live(&DCB::ErrorChar, m_errorChar);
}
void TCommEventChars::SetErrorChar(uint8_t value)
{
    set(m_errorChar, value);
}
uint8_t TCommEventChars::EventChar() const
{
    return live(&DCB::EvtChar, m_eventChar);
}
void TCommEventChars::SetEventChar(uint8_t value)
{
    set(m_eventChar, value);
}

uint32_t TCommTimeoutsEx::live(uint32_t CommTimeouts::*field, uint32_t stored) const
{
    CommTimeouts current;
    return m_comm.IsOpened() && m_comm.m_port.getTimeouts(current) ? current.*field : stored;
}

void TCommTimeoutsEx::set(uint32_t &field, uint32_t value)
{
    m_comm.ChangeSetting(field, value, &TCustomComm::UpdateTimeouts);
}

uint32_t TCommTimeoutsEx::ReadInterval() const
{
    return live(&CommTimeouts::ReadIntervalTimeout, m_values.ReadIntervalTimeout);
}
void TCommTimeoutsEx::SetReadInterval(uint32_t value)
{
    set(m_values.ReadIntervalTimeout, value);
}
uint32_t TCommTimeoutsEx::ReadMultiplier() const
{
    return live(&CommTimeouts::ReadTotalTimeoutMultiplier, m_values.ReadTotalTimeoutMultiplier);
}
void TCommTimeoutsEx::SetReadMultiplier(uint32_t value)
{
    set(m_values.ReadTotalTimeoutMultiplier, value);
}
uint32_t TCommTimeoutsEx::ReadConstant() const
{
    return live(&CommTimeouts::ReadTotalTimeoutConstant, m_values.ReadTotalTimeoutConstant);
}
void TCommTimeoutsEx::SetReadConstant(uint32_t value)
{
    set(m_values.ReadTotalTimeoutConstant, value);
}
uint32_t TCommTimeoutsEx::WriteMultiplier() const
{
    return live(&CommTimeouts::WriteTotalTimeoutMultiplier, m_values.WriteTotalTimeoutMultiplier);
}
void TCommTimeoutsEx::SetWriteMultiplier(uint32_t value)
{
    set(m_values.WriteTotalTimeoutMultiplier, value);
}
uint32_t TCommTimeoutsEx::WriteConstant() const
{
    return live(&CommTimeouts::WriteTotalTimeoutConstant, m_values.WriteTotalTimeoutConstant);
}
void TCommTimeoutsEx::SetWriteConstant(uint32_t value)
{
    set(m_values.WriteTotalTimeoutConstant, value);
}

// --- Component -------------------------------------------------------------------------------

TCustomComm::TCustomComm(std::string name)
    : m_name(std::move(name))
    , m_resolver(DefaultDevicePath)
{}

TCustomComm::~TCustomComm()
{
    m_destroying = true;
    if (IsOpened()) {
        // A derived component is gone by now: its override cannot run, this one does.
        TCustomComm::StopEventThread();
        m_port.close();
        m_lockCount = 0;
    }
}

void TCustomComm::SetDeviceResolver(std::function<std::string(const std::string &)> resolver)
{
    m_resolver = resolver ? std::move(resolver) : DefaultDevicePath;
}

TLockState TCustomComm::GetLockState() const
{
    if (!IsOpened())
        return {ldSend, ldRead};
    return TLockState{}.with(ldSend, m_sendBusy).with(ldRead, m_readBusy);
}

bool TCustomComm::OpenDevice()
{
    if (IsOpened())
        RaiseDeviceError(DeviceErrorText::AlreadyOpened, DeviceErrorCode::AlreadyOpened);
    m_sendBusy = false;
    m_readBusy = false;
    m_lockCount = 0;
    if (!m_port.open(m_resolver(m_deviceName))) {
        char message[512];
        std::snprintf(message, sizeof message,
                      errno == ENOTTY ? DeviceErrorText::NotATerminal : DeviceErrorText::CannotOpen,
                      m_deviceName.c_str());
        RaiseDeviceError(message, DeviceErrorCode::CannotOpen);
    }
    StartEventThread();
    UpdateDCB();
    UpdateBuffers();
    UpdateTimeouts();
    return true;
}

void TCustomComm::CloseDevice()
{
    RequireOpen();
    StopEventThread();
    m_port.close();
    m_lockCount = 0;
}

bool TCustomComm::LockDevice(bool lock)
{
    if (IsOpened()) {
        if (lock)
            ++m_lockCount;
        else if (m_lockCount > 0)
            --m_lockCount;
    }
    return IsOpened();
}

uint32_t TCustomComm::GetQueueCount(int which) const
{
    RequireOpen();
    uint32_t input = 0, output = 0;
    // A failed query counts as empty queues; a device that went away shows up in the transfer.
    m_port.queueCounts(input, output);
    switch (which) {
    case 0:
        return input;
    case 1:
        return output;
    default:
        return 0;
    }
}

void TCustomComm::RequireOpen() const
{
    if (!IsOpened())
        RaiseDeviceError(DeviceErrorText::NotOpened, DeviceErrorCode::NotOpened);
}

uint32_t TCustomComm::WritePort(const uint8_t *buffer, uint32_t count)
{
    const ssize_t written = m_port.writeSome(buffer, count);
    if (written < 0)
        RaiseSystemDeviceError(DeviceErrorText::WriteFailed, DeviceErrorCode::WriteFailed, errno);
    return uint32_t(written);
}

uint32_t TCustomComm::ReadPort(uint8_t *buffer, uint32_t count)
{
    const ssize_t got = m_port.readSome(buffer, count);
    if (got < 0)
        RaiseSystemDeviceError(DeviceErrorText::ReadFailed, DeviceErrorCode::ReadFailed, errno);
    return uint32_t(got);
}

uint32_t TCustomComm::WriteData(const void *buffer, uint32_t count, uint32_t timeout)
{
    RequireOpen();
    ServeDeliveries();
    if (GetLockState().has(ldSend))
        RaiseDeviceError(DeviceErrorText::SendLocked, DeviceErrorCode::SendLocked);
    if (count == 0)
        return 0;
    const auto *data = static_cast<const uint8_t *>(buffer);
    const uint32_t start = GetTicks();
    uint32_t result = 0;
    while (result < count) {
        // An output queue longer than OutputSize wraps around to ample room.
        const uint32_t room = uint32_t(m_buffers.m_outputSize) - GetQueueCount(1);
        uint32_t written = 0;
        if (room != 0) {
            written = WritePort(data + result, std::min(room, count - result));
            dispatchOneAtATime({deOutEmpty});
            if (written > 0) {
                result += written;
                FlagScope busy(m_sendBusy);
                if (OnSend)
                    OnSend(*this);
                continue;
            }
        }
        if (GetTicks() - start > timeout)
            break;
        // The driver takes no more now: sleep until it does, or until time is up.
        if (room == 0)
            napMilliseconds(std::min(RemainingWait(start, timeout), 2));
        else
            m_port.waitWritable(RemainingWait(start, timeout));
    }
    return result;
}

uint32_t TCustomComm::WriteBuffer(const void *buffer, uint32_t count)
{
    return WriteData(buffer, count, m_buffers.m_outputTimeout);
}

bool TCustomComm::WriteString(const std::string &text)
{
    return WriteBuffer(text.data(), uint32_t(text.size())) == text.size();
}

uint32_t TCustomComm::ReadData(void *buffer, uint32_t count, uint32_t timeout)
{
    RequireOpen();
    ServeDeliveries();
    if (GetLockState().has(ldRead))
        RaiseDeviceError(DeviceErrorText::ReadLocked, DeviceErrorCode::ReadLocked);
    if (count == 0)
        return 0;
    auto *data = static_cast<uint8_t *>(buffer);
    const uint32_t start = GetTicks();
    uint32_t result = 0;
    while (result < count) {
        const uint32_t waiting = GetQueueCount(0);
        if (waiting != 0) {
            const uint32_t got = ReadPort(data + result, std::min(waiting, count - result));
            if (got > 0) {
                result += got;
                FlagScope busy(m_readBusy);
                if (OnRead)
                    OnRead(*this);
                continue;
            }
        }
        if (GetTicks() - start > timeout)
            break;
        // A hung-up line never becomes readable: a read now reports it instead of waiting.
        const int wait = OnWait ? std::min(RemainingWait(start, timeout), WaitSlice)
                                : RemainingWait(start, timeout);
        if (m_port.waitReadable(wait) == PosixSerialPort::Wait::HungUp)
            result += ReadPort(data + result, count - result);
        if (OnWait)
            OnWait();
    }
    return result;
}

void TCustomComm::SetTickClock(TickClock clock)
{
    tickClock = clock;
}

uint32_t TCustomComm::GetTicks()
{
    if (tickClock)
        return tickClock();
    using namespace std::chrono;
    const auto micro = duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
    return uint32_t(uint64_t((micro + 500) / 1000));
}

// --- Settings of the component ---------------------------------------------------------------

bool TCustomComm::LiveDCB(DCB &dcb) const
{
    return IsOpened() && m_port.getState(dcb);
}

TBaudRate TCustomComm::BaudRate() const
{
    DCB dcb;
    if (m_baudRate == brCustom || !LiveDCB(dcb))
        return m_baudRate;
    const auto *entry = std::find(std::begin(BaudTable), std::end(BaudTable), dcb.BaudRate);
    return entry == std::end(BaudTable) ? brCustom : TBaudRate(entry - std::begin(BaudTable));
}

void TCustomComm::SetBaudRate(TBaudRate value)
{
    if (value == m_baudRate)
        return;
    m_baudRate = value;
    if (value != brCustom)
        m_baudValue = BaudTable[value];
    if (IsOpened())
        UpdateDCB();
}

uint32_t TCustomComm::BaudValue() const
{
    DCB dcb;
    if (LiveDCB(dcb))
        m_baudValue = dcb.BaudRate;
    return m_baudValue;
}

void TCustomComm::SetBaudValue(uint32_t value)
{
    if (m_baudRate != brCustom)
        return;
    ChangeSetting(m_baudValue, value, &TCustomComm::UpdateDCB);
}

void TCustomComm::SetDeviceName(const std::string &value)
{
    if (!IsOpened())
        m_deviceName = value;
}

void TCustomComm::SetFlowControl(TFlowControl value)
{
    if (value == m_flowControl)
        return;
    m_flowControl = value;
    if (value != fcCustom)
        UpdateLineSettings(0);
    if (IsOpened())
        UpdateDCB();
}

TRTSSettings TCustomComm::RTSSettings() const
{
    RefreshLineSettings();
    return m_rtsSettings;
}

void TCustomComm::SetRTSSettings(TRTSSettings value)
{
    if (m_flowControl == fcCustom)
        ChangeSetting(m_rtsSettings, value, &TCustomComm::UpdateDCB);
}

TDTRSettings TCustomComm::DTRSettings() const
{
    RefreshLineSettings();
    return m_dtrSettings;
}

void TCustomComm::SetDTRSettings(TDTRSettings value)
{
    if (m_flowControl != fcCustom)
        return;
    if (m_options.has(coLeaveDTROpen))
        value.exclude(fsDTRHandshake).include(fsDTREnabled);
    // Asked for both modes: the one not held yet is the one the caller wants.
    if (value.has(fsDTREnabled) && value.has(fsDTRHandshake))
        value.exclude(m_dtrSettings.has(fsDTREnabled) ? fsDTREnabled : fsDTRHandshake);
    ChangeSetting(m_dtrSettings, value, &TCustomComm::UpdateDCB);
}

TXOnXOffSettings TCustomComm::XOnXOffSettings() const
{
    RefreshLineSettings();
    return m_xonXoffSettings;
}

void TCustomComm::SetXOnXOffSettings(TXOnXOffSettings value)
{
    if (m_flowControl == fcCustom)
        ChangeSetting(m_xonXoffSettings, value, &TCustomComm::UpdateDCB);
}

TCommOptions TCustomComm::Options() const
{
    RefreshLineSettings();
    return m_options;
}

void TCustomComm::SetOptions(TCommOptions value)
{
    // The DTR line must not change under an open device.
    if (IsOpened())
        value = value.with(coLeaveDTROpen, m_options.has(coLeaveDTROpen));
    if (value == m_options)
        return;
    m_options = value;
    if (IsOpened())
        UpdateDCB();
    else
        UpdateLineSettings(0);
}

void TCustomComm::DeriveLinePresets()
{
    m_rtsSettings = {};
    m_dtrSettings = {};
    m_xonXoffSettings = {};
    switch (m_flowControl) {
    case fcNone:
        break;
    case fcRtsCts:
        m_rtsSettings = {fsCTSOut, fsRTSHandshake};
        m_dtrSettings = {fsDTREnabled};
        break;
    case fcDtrDsr:
        m_rtsSettings = {fsRTSEnabled};
        m_dtrSettings = {fsDSROut, fsDTREnabled};
        break;
    case fcSoftware:
        m_dtrSettings = {fsDTREnabled};
        m_xonXoffSettings = {fsInX, fsOutX};
        break;
    case fcCustom:
        m_dtrSettings = {fsDTREnabled};
        break;
    }
    if (m_options.has(coLeaveDTROpen))
        m_dtrSettings.include(fsDTREnabled).exclude(fsDTRHandshake);
}

bool TCustomComm::RefreshLineSettings() const
{
    DCB dcb;
    if (!LiveDCB(dcb))
        return false;
    DecodeLineSettings(dcb.Flags);
    return true;
}

void TCustomComm::DecodeLineSettings(uint32_t flags) const
{
    using namespace DCBFlag;
    m_dtrSettings = TDTRSettings{}
                        .with(fsDTRHandshake, dtrControl(flags) & ControlHandshake)
                        .with(fsDTREnabled, dtrControl(flags) & ControlEnable)
                        .with(fsDSROut, flags & fOutxDsrFlow);
    m_rtsSettings = TRTSSettings{}
                        .with(fsRTSHandshake, rtsControl(flags) & ControlHandshake)
                        .with(fsRTSEnabled, rtsControl(flags) & ControlEnable)
                        .with(fsCTSOut, flags & fOutxCtsFlow);
    m_xonXoffSettings = TXOnXOffSettings{}.with(fsOutX, flags & fOutX).with(fsInX, flags & fInX);
    m_options = TCommOptions{}
                    .with(coLeaveDTROpen, m_options.has(coLeaveDTROpen))
                    .with(coParityCheck, flags & fParity)
                    .with(coDSRSensitivity, flags & fDsrSensitivity)
                    .with(coErrorChar, flags & fErrorChar)
                    .with(coDiscardNull, flags & fNull)
                    .with(coAbortOnError, flags & fAbortOnError)
                    .with(coTXContinueOnXOff, flags & fTXContinueOnXoff);
}

void TCustomComm::UpdateLineSettings(uint32_t flags)
{
    if (flags == 0 || (!IsOpened() && m_flowControl != fcCustom))
        DeriveLinePresets();
    else if (IsOpened())
        DecodeLineSettings(flags);
}

DCB TCustomComm::BuildDCB() const
{
    using namespace DCBFlag;
    DCB dcb;
    dcb.BaudRate = m_baudValue;
    uint32_t flags = fBinary;
    const auto flag = [&flags](bool on, uint32_t bit) {
        if (on)
            flags |= bit;
    };
    flag(m_options.has(coParityCheck), fParity);
    flag(m_rtsSettings.has(fsCTSOut), fOutxCtsFlow);
    flag(m_dtrSettings.has(fsDSROut), fOutxDsrFlow);
    uint32_t dtr = 0;
    if (m_dtrSettings.has(fsDTREnabled) || m_options.has(coLeaveDTROpen))
        dtr |= ControlEnable;
    if (m_dtrSettings.has(fsDTRHandshake))
        dtr |= ControlHandshake;
    flags |= dtr << fDtrControlShift;
    flag(m_options.has(coDSRSensitivity), fDsrSensitivity);
    flag(m_options.has(coTXContinueOnXOff), fTXContinueOnXoff);
    flag(m_xonXoffSettings.has(fsOutX), fOutX);
    flag(m_xonXoffSettings.has(fsInX), fInX);
    flag(m_options.has(coErrorChar), fErrorChar);
    flag(m_options.has(coDiscardNull), fNull);
    uint32_t rts = 0;
    if (m_rtsSettings.has(fsRTSEnabled))
        rts |= ControlEnable;
    if (m_rtsSettings.has(fsRTSHandshake))
        rts |= ControlHandshake;
    flags |= rts << fRtsControlShift;
    flag(m_options.has(coAbortOnError), fAbortOnError);
    dcb.Flags = flags;
    dcb.XonLim = dcb.XoffLim = uint16_t(m_buffers.m_inputSize / 4);
    dcb.ByteSize = uint8_t(m_dataControl.m_dataBits + 4);
    dcb.Parity = uint8_t(m_dataControl.m_parity);
    dcb.StopBits = uint8_t(m_dataControl.m_stopBits);
    dcb.XonChar = m_eventChars.m_xonChar;
    dcb.XoffChar = m_eventChars.m_xoffChar;
    dcb.ErrorChar = m_eventChars.m_errorChar;
    dcb.EofChar = m_eventChars.m_eofChar;
    dcb.EvtChar = m_eventChars.m_eventChar;
    return dcb;
}

void TCustomComm::UpdateDCB()
{
    if (!m_port.setState(BuildDCB()))
        RaiseDeviceError(DeviceErrorText::UpdateDCB, DeviceErrorCode::UpdateDCB);
}

void TCustomComm::UpdateBuffers()
{
    m_port.purge();
    if (!m_port.setQueueSizes(m_buffers.m_inputSize, m_buffers.m_outputSize))
        RaiseDeviceError(DeviceErrorText::UpdateBuffers, DeviceErrorCode::UpdateBuffers);
}

void TCustomComm::UpdateTimeouts()
{
    if (!m_port.setTimeouts(m_timeouts.m_values))
        RaiseDeviceError(DeviceErrorText::UpdateTimeouts, DeviceErrorCode::UpdateTimeouts);
}

// The event thread and its dispatch come with line-event monitoring; until then the device is
// used without it.
void TCustomComm::DispatchEvents(TDeviceEvents events)
{
    if (!IsOpened() || m_destroying)
        return;
    DoCommEvent(events);
}

void TCustomComm::DoCommEvent(TDeviceEvents events)
{
    if (events.has(deChar) || events.has(deFlag))
        DoData(GetQueueCount(0)); // taken also while the lock count silences the callbacks
    const TDeviceEvents shared = events & m_monitorEvents;
    if (m_lockCount == 0 && OnCommEvent && !shared.empty())
        OnCommEvent(*this, shared);
}

void TCustomComm::DoData(uint32_t received)
{
    if (m_lockCount == 0 && OnData)
        OnData(*this, received);
}

void TCustomComm::SetOwnerThreadRunner(OwnerThreadRunner runner)
{
    std::lock_guard lock(m_deliveryMutex);
    m_ownerThreadRunner = std::move(runner);
}

void TCustomComm::dispatchOneAtATime(TDeviceEvents events)
{
    const std::lock_guard lock(m_callbackMutex);
    DispatchEvents(events);
}

bool TCustomComm::deliverEvents(TDeviceEvents events)
{
    if (!m_synchronize) {
        try {
            dispatchOneAtATime(events);
            return true;
        } catch (...) {
            return false;
        }
    }
    const auto batch = std::make_shared<PendingBatch>(PendingBatch{events});
    std::unique_lock lock(m_deliveryMutex);
    m_pendingBatches.push_back(batch);
    if (m_ownerThreadRunner)
        m_ownerThreadRunner([this] { ServeDeliveries(); });
    m_deliveryChanged.notify_all(); // a closing owner serves it too
    m_deliveryChanged.wait(lock, [&] { return batch->served; });
    return !batch->failed;
}

void TCustomComm::ServeDeliveries()
{
    for (;;) {
        std::shared_ptr<PendingBatch> batch;
        {
            const std::lock_guard lock(m_deliveryMutex);
            if (m_pendingBatches.empty())
                return;
            batch = m_pendingBatches.front();
            m_pendingBatches.pop_front();
        }
        bool failed = false;
        try {
            dispatchOneAtATime(batch->events);
        } catch (...) {
            failed = true;
        }
        {
            const std::lock_guard lock(m_deliveryMutex);
            batch->served = true;
            batch->failed = failed;
        }
        m_deliveryChanged.notify_all();
    }
}

void TCustomComm::StartEventThread()
{
    m_eventThread = std::make_unique<CommEventThread>(
        m_port.descriptor(), [this](TDeviceEvents events) { return deliverEvents(events); },
        [this] {
            const std::lock_guard lock(m_deliveryMutex);
            m_deliveryChanged.notify_all();
        });
}

void TCustomComm::StopEventThread()
{
    if (!m_eventThread)
        return;
    m_eventThread->requestStop();
    // Until both watches have ended: the batches they still hand over are served here (a watch
    // waiting for its batch would otherwise never end), and a watch in the middle of a callback
    // is waited for without spinning. The modem-line wait ends only by a signal, sent until it
    // has left it.
    std::unique_lock lock(m_deliveryMutex);
    while (!m_eventThread->finished()) {
        if (!m_pendingBatches.empty()) {
            lock.unlock();
            ServeDeliveries();
            lock.lock();
            continue;
        }
        const auto ready = [this] {
            return !m_pendingBatches.empty() || m_eventThread->finished();
        };
        if (m_eventThread->modemWaiting()) {
            m_eventThread->wakeModemWatch();
            m_deliveryChanged.wait_for(lock, std::chrono::milliseconds(1), ready);
        } else {
            m_deliveryChanged.wait(lock, ready);
        }
    }
    lock.unlock();
    m_eventThread->join();
    m_eventThread.reset();
    ServeDeliveries(); // what was handed over last, before the watches ended
}

} // namespace orvanta
