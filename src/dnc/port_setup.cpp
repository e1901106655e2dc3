#include "dnc/port_setup.h"

#include "settings/machine_settings.h"

namespace vormak {

void ConfigurePort(SerialDevice& port, const MachineSettings& s) {
  port.SetDeviceName(CommDevicePath(s.comm_port, s.comm_device));
  switch (s.comm_baud_rate) {
    case 300:
    case 600:
    case 1200:
    case 2400:
    case 4800:
    case 9600:
    case 19200:
    case 38400:
    case 57600:
    case 115200:
      port.SetBaudRate(s.comm_baud_rate);
      break;
    default:
      break;
  }
  if (s.comm_data_bits == 7 || s.comm_data_bits == 8) port.SetDatabits(s.comm_data_bits);
  if (s.comm_parity == 'O') port.SetParity(Parity::kOdd);
  if (s.comm_parity == 'E') port.SetParity(Parity::kEven);
  if (s.comm_parity == 'N') port.SetParity(Parity::kNone);
  if (s.comm_stop_bits == 1) port.SetStopbits(StopBits::kOne);
  if (s.comm_stop_bits == 2) port.SetStopbits(StopBits::kTwo);
}

HandshakeBoxes ApplyHandshake(SerialDevice& port, int handshake) {
  HandshakeBoxes boxes;
  if (handshake == 2) {
    port.SetFlowControl(FlowControl::kXonXoff);
    port.SetXonXoff(true);
    port.SetRTS(false);
    port.SetDTR(false);
    boxes.xon = true;
    return boxes;
  }
  // With the hardware handshake the CTS line holds the transmitter; it is not also held in
  // the XOFF state, which nothing on this line would ever release.
  port.SetFlowControl(handshake == 1 ? FlowControl::kRtsCts : FlowControl::kNone);
  port.SetXonXoff(true);
  port.SetRTS(true);
  port.SetDTR(true);
  boxes.rts = true;
  boxes.dtr = true;
  boxes.xon = handshake != 1;
  return boxes;
}

std::string PortStatusLine(const SerialDevice& port, TapeCode code) {
  const char* stop = port.Stopbits() == StopBits::kTwo          ? "2"
                     : port.Stopbits() == StopBits::kOneAndHalf ? "1.5"
                                                                : "1";
  return std::to_string(port.BaudRate()) + " Baud, " + std::to_string(port.Databits()) +
         " Data Bits, " + stop + " Stop Bits, " + TapeCodeName(code) + " Format, " +
         port.DeviceName();
}

CommEventHandlers LoggingHandlers(SerialDevice& port, TransferObserver& observer,
                                  std::function<void(int waiting)> on_rx) {
  CommEventHandlers h;
  SerialDevice* p = &port;
  TransferObserver* log = &observer;
  h.on_break = [log] { log->Log(kBreakDetected); };
  h.on_tx_empty = [log] { log->Log(kTxEmptyDetected); };
  h.on_cts = [p, log] { log->Log(ModemLineText("CTS: ", p->ModemLine(ModemSignal::kCts))); };
  h.on_dsr = [p, log] { log->Log(ModemLineText("DSR: ", p->ModemLine(ModemSignal::kDsr))); };
  h.on_ring = [p, log] { log->Log(ModemLineText("RING: ", p->ModemLine(ModemSignal::kRing))); };
  h.on_rlsd = [p, log] { log->Log(ModemLineText("RLSD: ", p->ModemLine(ModemSignal::kRlsd))); };
  h.on_error = [log](unsigned errors) {
    for (const std::string& text : LineErrorTexts(errors)) log->Log(text);
  };
  h.on_rx_char = std::move(on_rx);
  return h;
}

}  // namespace vormak
