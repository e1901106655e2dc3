#pragma once
// What every vormak-batch subcommand that rewrites an NC program shares:
//
//   SUBCOMMAND [options] FILE [--machine M] [--lines A-B] [-o OUT]
//
// The machine M is a machine file, or a machine number 1 to 10 of vormak.ini; without one the
// built-in defaults apply. The program goes into pane 1 of a workbench; the lines A to B
// (the whole program without --lines) are what the command works on; the result goes to OUT,
// or to standard output. The file is read and written as bytes, and each line keeps the line
// break it had, so a line the command did not change comes out exactly as it went in.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/batch_commands.h"
#include "app/batch_host.h"
#include "nctext/edit_control.h"
#include "nctext/pane_services.h"
#include "workbench/workbench.h"

namespace vormak::batch {

// The subcommand's own options: those followed by a value, and plain switches.
struct NcOptionNames {
  std::vector<std::string> with_value;
  std::vector<std::string> switches;
};

struct NcFileOptions {
  std::string file;
  std::string machine;
  std::optional<LineRange> lines;
  std::string output;
  // The subcommand's own options in the order given; a repeated option keeps every value.
  std::map<std::string, std::vector<std::string>> values;
  std::vector<std::string> switches;

  bool Has(const std::string& name) const;
  // The last value given for `name`, or `fallback`.
  std::string Value(const std::string& name, const std::string& fallback = {}) const;
};

// Parses the arguments after the subcommand's name; on a mistake prints it and the usage
// line to stderr and answers nothing (the subcommand then exits 2).
std::optional<NcFileOptions> ParseNcFileOptions(const Args& args, const NcOptionNames& names,
                                                const char* usage);

// The workbench with the machine and the program loaded.
class NcFileSession {
 public:
  NcFileSession();
  // Loads the machine and the file; false, with the message on stderr, when either fails.
  bool Open(const NcFileOptions& options);
  Workbench& bench() { return bench_; }
  ConsoleHost& host() { return host_; }
  // The lines to work on, within the program.
  LineRange Range() const { return range_; }
  // Writes pane 1 to the output; false, with the message on stderr, when that fails.
  bool Write(const NcFileOptions& options);

 private:
  // The break after each line of the result.
  std::vector<std::string> BreaksAfter(const EditControl& pane) const;

  ConsoleHost host_;
  Workbench bench_;
  LineRange range_;
  std::vector<std::string> breaks_;      // the break after each line as read
  std::vector<std::string> read_lines_;  // the lines as read, when their breaks differ
  std::string break_style_ = "\r\n";
};

// Loads the machine given with --machine: a machine file, or a machine number 1 to 10 of
// vormak.ini; nothing given keeps the built-in defaults. False when it could not be loaded.
bool LoadMachineOption(Workbench& bench, const std::string& machine);

// A machine file, the name of a shipped one ("mill", "lathe", "edm", "twin_lathe"), or a
// machine number of vormak.ini; nothing given keeps the built-in defaults.
bool LoadNamedMachine(Workbench& bench, const std::string& machine);

// Prints the usage line to stderr; answers 2.
int UsageError(const char* usage);

// Prints "bad WHAT 'TEXT'" to stderr; answers false (a bad option value).
bool BadValue(const std::string& what, const std::string& text);

// Parses, opens, runs `body` on the session and writes the result. `body` answers false for
// bad option values (exit 2).
template <typename Body>
int RunOnFile(const Args& args, const NcOptionNames& names, const char* usage, Body body) {
  const auto options = ParseNcFileOptions(args, names, usage);
  if (!options) return 2;
  NcFileSession session;
  if (!session.Open(*options)) return 1;
  session.bench().stop_requested = false;
  if (!body(*options, session)) return UsageError(usage);
  return session.Write(*options) ? 0 : 1;
}

}  // namespace vormak::batch
