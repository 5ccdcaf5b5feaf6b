#pragma once

#include "comm/XComDrv.h"

namespace orvanta {

// The line the panel speaks: 19200 bit/s, no parity, no flow control. Set again before every
// open, so that a port changed in between still meets the panel.
void ApplyPanelLineSettings(TXComm &comm);

// Gives a serial component the settings the panel's port is built with: the panel's line, 8N1,
// 250-byte queues, DTR held on, parity-error bytes replaced and received NUL bytes discarded.
void ApplyPanelPortDefaults(TXComm &comm);

} // namespace orvanta
