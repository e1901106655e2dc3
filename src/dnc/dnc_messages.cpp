#include "dnc/dnc_messages.h"

#include "dnc/serial_device.h"

namespace vormak {

std::vector<std::string> LineErrorTexts(unsigned line_errors) {
  struct Entry {
    unsigned flag;
    std::vector<const char*> lines;
  };
  static const Entry kEntries[] = {
      {kCeBreak, {"The hardware detected a break condition."}},
      {kCeFrame, {"The hardware detected a framing error."}},
      {kCeIoError, {"An I/O error occurred during communications with the device."}},
      {kCeMode,
       {"The requested mode is not supported, or the hFile parameter",
        "is invalid. If this value is specified, it is the only valid error."}},
      {kCeOverrun, {"A character-buffer overrun has occurred. The next character is lost."}},
      {kCeRxOver,
       {"An input buffer overflow has occurred. There is either no",
        "room in the input buffer, or a character was received after",
        "the end-of-file (EOF) character."}},
      {kCeRxParity, {"The hardware detected a parity error."}},
      {kCeTxFull,
       {"The application tried to transmit a character, but the output", "buffer was full."}},
      {kCeDns, {"Windows 95 only: A parallel device is not selected."}},
      {kCeOop, {"Windows 95 only: A parallel device signaled that it is out of paper."}},
      {kCePto, {"Windows 95 only: A time-out occurred on a parallel device."}},
  };
  std::vector<std::string> texts;
  for (const Entry& e : kEntries) {
    if (line_errors & e.flag) texts.insert(texts.end(), e.lines.begin(), e.lines.end());
  }
  return texts;
}

std::string ModemLineText(const char* name, bool on) {
  return std::string(name) + (on ? "On" : "Off");
}

}  // namespace vormak
