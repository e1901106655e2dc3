// vormak-batch check: the syntax check over a program file. Each fault is one line
// "line N: MESSAGE" (the message's line break made a blank) on standard output or in OUT;
// warnings that are no fault when answered OK go to standard error. Exit 1 when faults
// were found.
#include <cstdio>
#include <string>

#include "app/batch_commands.h"
#include "app/batch_nc_file.h"
#include "interp/syntax_check.h"
#include "nctext/edit_control.h"
#include "nctext/text_file_io.h"

namespace vormak::batch {

namespace {

constexpr const char* kCheckUsage = "check FILE [--machine M] [--lines A-B] [-o OUT]";

std::string OneLine(const std::string& message) {
  std::string text = message;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 1)) {
    text.replace(at, 2, " ");
  }
  return text;
}

bool WriteReport(const std::string& report, const std::string& output) {
  if (output.empty() || output == "-") {
    return std::fwrite(report.data(), 1, report.size(), stdout) == report.size() &&
           std::fflush(stdout) == 0;
  }
  try {
    ReplacingFileWriter out(output);
    out.Write(report);
    out.Commit();
  } catch (const EditError&) {
    return false;
  }
  return true;
}

}  // namespace

int RunCheck(const Args& args) {
  const auto options = ParseNcFileOptions(args, {}, kCheckUsage);
  if (!options) return 2;
  NcFileSession session;
  if (!session.Open(*options)) return 1;
  std::string report;
  const bool found = CheckSyntax(
      session.bench(), 1, session.Range(),
      [&report](int line, const std::string& message, bool warning_only) {
        const std::string text = "line " + std::to_string(line) + ": " + OneLine(message);
        if (warning_only) {
          std::fprintf(stderr, "%s\n", text.c_str());
        } else {
          report += text + "\n";
        }
        return Answer::kOk;
      });
  if (!WriteReport(report, options->output)) {
    std::fprintf(stderr, "vormak-batch: cannot write %s\n", options->output.c_str());
    return 1;
  }
  return found ? 1 : 0;
}

}  // namespace vormak::batch
