#pragma once
// Line settings in the terminal's own terms.

#include <sys/ioctl.h>
#include <termios.h>

#include "dnc/serial_device.h"

namespace vormak {

inline constexpr speed_t kNoSpeed = static_cast<speed_t>(-1);
inline constexpr tcflag_t kNoDataBits = static_cast<tcflag_t>(-1);

// The terminal speed for a rate in baud; kNoSpeed for a rate the platform cannot set
// (14400, 56000, 128000 and 256000 have no terminal speed here).
speed_t SpeedConstant(int baud_rate);
tcflag_t DataBitsFlag(int data_bits);  // 5..8; kNoDataBits otherwise
tcflag_t ParityFlags(Parity parity);
int ModemBit(ModemSignal signal);

}  // namespace vormak
