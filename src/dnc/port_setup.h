#pragma once
// Setting a port up from the machine's Punch page, and logging its line events: what the
// punch/read dialog and vormak-batch do alike before a transfer.

#include <functional>
#include <string>

#include "dnc/dnc_messages.h"
#include "dnc/serial_device.h"
#include "dnc/tape_code.h"

namespace vormak {

struct MachineSettings;

// The device, speed, data bits, parity and stop bits of the machine. A speed outside 300 ..
// 115200 (the Punch page's list), data bits other than 7 or 8 and so on leave the port's own value.
void ConfigurePort(SerialDevice& port, const MachineSettings& settings);

// The state of the RTS, DTR and XON boxes after a handshake is applied.
struct HandshakeBoxes {
  bool rts = false;
  bool dtr = false;
  bool xon = false;
};

// CommHandshake 0 none, 1 hardware (RTS/CTS), 2 XON/XOFF: flow control, transmitter state and
// modem lines of an open port.
HandshakeBoxes ApplyHandshake(SerialDevice& port, int handshake);

// "9600 Baud, 8 Data Bits, 1 Stop Bits, ISO Format, /dev/ttyS1"
std::string PortStatusLine(const SerialDevice& port, TapeCode code);

// Handlers that log break, transmit-empty, modem-line changes and line errors; received bytes
// go to on_rx (may be empty).
CommEventHandlers LoggingHandlers(SerialDevice& port, TransferObserver& observer,
                                  std::function<void(int waiting)> on_rx);

}  // namespace vormak
