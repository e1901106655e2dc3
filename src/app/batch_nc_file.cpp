#include "app/batch_nc_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "nctext/edit_control.h"
#include "nctext/text_file_io.h"
#include "settings/number_text.h"
#include "settings/word_format.h"
#include "workbench/machine_file.h"

namespace vormak::batch {

namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// "A-B" or "A", lines from 1.
std::optional<LineRange> ParseLines(const std::string& text) {
  const size_t dash = text.find('-');
  const auto first = ReadWholeNumber(text.substr(0, dash));
  const auto last = dash == std::string::npos ? first : ReadWholeNumber(text.substr(dash + 1));
  if (!first || !last || *first < 1 || *last < *first || *last > 2'000'000'000) return std::nullopt;
  return LineRange{static_cast<int>(*first), static_cast<int>(*last)};
}

// The break after each line of `bytes`, split the way the panes split text.
std::vector<std::string> LineBreaksOf(const std::string& bytes) {
  std::vector<std::string> breaks;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') {
      const bool crlf = i + 1 < bytes.size() && bytes[i + 1] == '\n';
      breaks.push_back(crlf ? "\r\n" : "\r");
      if (crlf) ++i;
    } else if (bytes[i] == '\n') {
      breaks.push_back("\n");
    }
  }
  return breaks;
}

}  // namespace

bool LoadMachineOption(Workbench& bench, const std::string& machine) {
  if (!machine.empty()) {
    bench.locations = FindLocations("");
    const auto number = ReadWholeNumber(machine);
    if (number && !std::filesystem::exists(machine)) {
      LoadMachineList(bench);
      if (!LoadMachineSettings(bench, static_cast<int>(*number))) return false;
    } else {
      bench.machines.Slot(1).path = machine;
      if (!LoadMachineSettings(bench, 1)) return false;
    }
  }
  FillFormatSet1(bench.word_formats, bench.settings);
  return true;
}

namespace {

bool IsMachineNumber(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool LoadNamedMachine(Workbench& bench, const std::string& machine) {
  if (machine.empty()) return LoadMachineOption(bench, machine);
  bench.locations = FindLocations("");
  std::string path = machine;
  if (!std::filesystem::exists(path)) {
    path = bench.locations.install_dir + "/machines/" + machine + ".ini";
  }
  if (!std::filesystem::exists(path) && IsMachineNumber(machine)) {
    return LoadMachineOption(bench, machine);
  }
  if (!std::filesystem::exists(path)) {
    std::fprintf(stderr, "vormak-batch: no machine file '%s'\n", machine.c_str());
    return false;
  }
  bench.machines.Slot(1).path = path;
  if (!LoadMachineSettings(bench, 1)) return false;
  FillFormatSet1(bench.word_formats, bench.settings);
  return true;
}

bool NcFileOptions::Has(const std::string& name) const {
  return Contains(switches, name) || values.count(name) > 0;
}

std::string NcFileOptions::Value(const std::string& name, const std::string& fallback) const {
  const auto it = values.find(name);
  return it == values.end() || it->second.empty() ? fallback : it->second.back();
}

bool BadValue(const std::string& what, const std::string& text) {
  std::fprintf(stderr, "vormak-batch: bad %s '%s'\n", what.c_str(), text.c_str());
  return false;
}

int UsageError(const char* usage) {
  std::fprintf(stderr, "usage: vormak-batch %s\n", usage);
  return 2;
}

std::optional<NcFileOptions> ParseNcFileOptions(const Args& args, const NcOptionNames& names,
                                                const char* usage) {
  NcFileOptions options;
  auto fail = [usage](const std::string& what) -> std::optional<NcFileOptions> {
    std::fprintf(stderr, "vormak-batch: %s\n", what.c_str());
    UsageError(usage);
    return std::nullopt;
  };
  std::vector<std::string> operands;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "--machine" || arg == "--lines" || arg == "-o" || Contains(names.with_value, arg)) {
      if (!has_value) return fail("option '" + arg + "' needs a value");
      const std::string& value = args[++i];
      if (arg == "--machine") {
        options.machine = value;
      } else if (arg == "-o") {
        options.output = value;
      } else if (arg == "--lines") {
        options.lines = ParseLines(value);
        if (!options.lines) return fail("bad line range '" + value + "' (want A-B)");
      } else {
        options.values[arg].push_back(value);
      }
    } else if (Contains(names.switches, arg)) {
      options.switches.push_back(arg);
    } else if (arg.size() > 1 && arg[0] == '-') {
      return fail("unknown option '" + arg + "'");
    } else {
      operands.push_back(arg);
    }
  }
  if (operands.size() != 1) return fail(operands.empty() ? "no file given" : "more than one file");
  options.file = operands.front();
  return options;
}

NcFileSession::NcFileSession() : bench_(host_) {}

bool NcFileSession::Open(const NcFileOptions& options) {
  if (!LoadMachineOption(bench_, options.machine)) return false;
  std::string bytes;
  try {
    bytes = ReadFileBytes(options.file);
  } catch (const EditError&) {
    std::fprintf(stderr, "Cannot open %s\n", options.file.c_str());
    return false;
  }
  breaks_ = LineBreaksOf(bytes);
  if (!breaks_.empty()) {
    break_style_ = breaks_.front();
  } else {
    break_style_ = LineBreakText(bench_.Pane(1)->GetLineBreakStyle());
  }
  EditControl& pane = *bench_.Pane(1);
  pane.SetText(bytes);
  pane.EmptyUndoBuffer();
  pane.ClearModified();
  if (std::any_of(breaks_.begin(), breaks_.end(),
                  [this](const std::string& b) { return b != break_style_; })) {
    // Mixed breaks: the lines as read tell which break a line of the result takes.
    for (int n = 1; n <= pane.LineCount(); ++n) read_lines_.push_back(pane.GetLine(n));
  }
  bench_.active_pane = 1;
  bench_.nc_file_name = options.file;
  const int count = pane.LineCount();
  range_ = options.lines.value_or(LineRange{1, count});
  range_.last = std::min(range_.last, count);
  if (range_.first > count) {
    std::fprintf(stderr, "vormak-batch: the program has only %d lines\n", count);
    return false;
  }
  // The command works on the selected lines, as from the window.
  pane.SetSelection({{range_.first, 0}, {range_.last, pane.LineLength(range_.last)}});
  return true;
}

std::vector<std::string> NcFileSession::BreaksAfter(const EditControl& pane) const {
  const int count = pane.LineCount();
  // Each line keeps its own break while the lines are the same ones as read.
  if (static_cast<size_t>(count) == breaks_.size() + 1) return breaks_;
  std::vector<std::string> breaks(static_cast<size_t>(std::max(count - 1, 0)), break_style_);
  if (read_lines_.empty()) return breaks;
  // Lines added or taken away: a line kept takes its own break, a new line the break of the
  // line it stands in place of (the arc block broken into it, say).
  const auto read_break = [this](size_t i) {
    return i < breaks_.size() ? breaks_[i] : break_style_;
  };
  constexpr size_t kLookAhead = 64;
  size_t next = 0;
  for (int n = 1; n < count; ++n) {
    const std::string line = pane.GetLine(n);
    size_t found = read_lines_.size();
    for (size_t i = next; i < std::min(next + kLookAhead, read_lines_.size()); ++i) {
      if (read_lines_[i] == line) {
        found = i;
        break;
      }
    }
    if (found < read_lines_.size()) {
      breaks[static_cast<size_t>(n - 1)] = read_break(found);
      next = found + 1;
    } else {
      breaks[static_cast<size_t>(n - 1)] = read_break(next);
    }
  }
  return breaks;
}

bool NcFileSession::Write(const NcFileOptions& options) {
  const EditControl& pane = *bench_.Pane(1);
  const int count = pane.LineCount();
  const std::vector<std::string> breaks = BreaksAfter(pane);
  std::string text;
  for (int n = 1; n <= count; ++n) {
    if (n > 1) text += breaks[static_cast<size_t>(n - 2)];
    text += pane.GetLine(n);
  }
  if (options.output.empty() || options.output == "-") {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
      std::fprintf(stderr, "vormak-batch: cannot write the result\n");
      return false;
    }
    return true;
  }
  try {
    ReplacingFileWriter out(options.output);
    out.Write(text);
    out.Commit();
  } catch (const EditError&) {
    std::fprintf(stderr, "vormak-batch: cannot write %s\n", options.output.c_str());
    return false;
  }
  return true;
}

}  // namespace vormak::batch
