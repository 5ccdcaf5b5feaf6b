#pragma once

#include "XComDrv.h"

namespace orvanta {

// Gives a serial component the line settings the panel's port is built with: 19200 bit/s, 8N1,
// 250-byte queues, DTR held on, parity-error bytes replaced and received NUL bytes discarded.
void ApplyPanelPortDefaults(TXComm &comm);

} // namespace orvanta
