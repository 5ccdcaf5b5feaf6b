#include "PanelPort.h"

namespace orvanta {

void ApplyPanelPortDefaults(TXComm &comm)
{
    comm.SetBaudRate(br19200);
    comm.DataControl().SetDataBits(db8);
    comm.DataControl().SetParity(paNone);
    comm.DataControl().SetStopBits(sb1);
    comm.Buffers().SetInputSize(250);
    comm.Buffers().SetOutputSize(250);
    comm.Buffers().SetOutputTimeout(500);
    comm.SetDeviceName("COM1");
    comm.SetFlowControl(fcNone);
    comm.SetOptions(
        {coDiscardNull, coErrorChar, coParityCheck, coTXContinueOnXOff, coLeaveDTROpen});
}

} // namespace orvanta
