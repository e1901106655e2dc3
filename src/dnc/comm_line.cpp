#include "dnc/comm_line.h"

namespace vormak {

speed_t SpeedConstant(int baud_rate) {
  struct Rate {
    int baud;
    speed_t speed;
  };
  static constexpr Rate kRates[] = {
      {50, B50},       {75, B75},         {110, B110},       {134, B134},       {150, B150},
      {200, B200},     {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
      {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
      {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
  };
  for (const Rate& r : kRates) {
    if (r.baud == baud_rate) return r.speed;
  }
  return kNoSpeed;
}

tcflag_t DataBitsFlag(int data_bits) {
  switch (data_bits) {
    case 5:
      return CS5;
    case 6:
      return CS6;
    case 7:
      return CS7;
    case 8:
      return CS8;
    default:
      return kNoDataBits;
  }
}

tcflag_t ParityFlags(Parity parity) {
  switch (parity) {
    case Parity::kNone:
      return 0;
    case Parity::kOdd:
      return PARENB | PARODD;
    case Parity::kEven:
      return PARENB;
    case Parity::kMark:
      return PARENB | PARODD | CMSPAR;
    case Parity::kSpace:
      return PARENB | CMSPAR;
  }
  return 0;
}

int ModemBit(ModemSignal signal) {
  switch (signal) {
    case ModemSignal::kCts:
      return TIOCM_CTS;
    case ModemSignal::kDsr:
      return TIOCM_DSR;
    case ModemSignal::kRing:
      return TIOCM_RI;
    case ModemSignal::kRlsd:
      return TIOCM_CD;
  }
  return 0;
}

}  // namespace vormak
