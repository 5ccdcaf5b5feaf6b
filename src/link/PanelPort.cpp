#include "PanelPort.h"

namespace orvanta {

void ApplyPanelLineSettings(TXComm &comm)
{
    comm.SetBaudRate(br19200);
    comm.DataControl().SetParity(paNone);
    comm.SetFlowControl(fcNone);
}

void ApplyPanelPortDefaults(TXComm &comm)
{
    ApplyPanelLineSettings(comm);
    comm.DataControl().SetDataBits(db8);
    comm.DataControl().SetStopBits(sb1);
    comm.Buffers().SetInputSize(250);
    comm.Buffers().SetOutputSize(250);
    comm.Buffers().SetOutputTimeout(500);
    comm.SetDeviceName("COM1");
    comm.SetOptions(
        {coDiscardNull, coErrorChar, coParityCheck, coTXContinueOnXOff, coLeaveDTROpen});
}

} // namespace orvanta
