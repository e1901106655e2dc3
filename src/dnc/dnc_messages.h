#pragma once
// What punch and read tell the user: the texts of the message list and where they go.

#include <string>
#include <vector>

namespace vormak {

inline constexpr const char* kPunchCaption = "Punch - Reader";
inline constexpr const char* kDeviceReady = "Device ready: ";
inline constexpr const char* kReadingFromComm = "Reading from Comm ";
inline constexpr const char* kErrorWritingTo = "Error writing to: ";
inline constexpr const char* kErrorReading = "Error reading incoming data...";
inline constexpr const char* kBreakDetected = "Break signal detected...";
inline constexpr const char* kTxEmptyDetected = "TxEmpty signal detected...";
inline constexpr const char* kAsyncError = "Async32 error: ";

// The message list, the progress and the byte-control notices of one transfer.
class TransferObserver {
 public:
  virtual ~TransferObserver() = default;
  virtual void Log(const std::string& text) = 0;
  // Line n of count (count 0 while reading: the end is not known).
  virtual void Progress(int line, int count) = 0;
};

// The logged lines of a set of line-error flags, in the order of the flags.
std::vector<std::string> LineErrorTexts(unsigned line_errors);

// "CTS: On", "RLSD: Off" ...
std::string ModemLineText(const char* name, bool on);

}  // namespace vormak
