#include "app/batch_host.h"

#include <cstdio>
#include <ctime>

namespace vormak::batch {

namespace {

// Message texts use "\r\n" between the message and the offending block; one line on a console.
void PrintMessage(const std::string& text) {
  std::string line;
  for (char c : text) {
    if (c == '\r') continue;
    line += c == '\n' ? ' ' : c;
  }
  std::fprintf(stderr, "%s\n", line.c_str());
}

std::string LocalTime(const char* format) {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  char buffer[32];
  std::strftime(buffer, sizeof buffer, format, &parts);
  return buffer;
}

}  // namespace

Answer ConsoleHost::Warning(const std::string& text, const std::string&) {
  PrintMessage(text);
  return cancel_warnings_ ? Answer::kCancel : Answer::kOk;
}

void ConsoleHost::Information(const std::string& text, const std::string&) {
  PrintMessage(text);
}

Answer ConsoleHost::Question(const std::string& text, const std::string&, bool) {
  PrintMessage(text);
  return Answer::kNo;
}

std::string ConsoleHost::DateText() {
  return LocalTime("%m/%d/%y");
}
std::string ConsoleHost::TimeText() {
  return LocalTime("%H:%M:%S");
}

long long ConsoleHost::TickMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start_)
      .count();
}

}  // namespace vormak::batch
