#include "script/script_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "interp/motion_hooks.h"
#include "nctext/edit_control.h"
#include "nctext/pane_services.h"
#include "nctext/status_services.h"
#include "script/script_interpreter.h"
#include "workbench/workbench.h"

namespace vormak {

namespace fs = std::filesystem;

namespace {

constexpr const char* kMessageCaption = "Vormak";

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

bool IsFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

// The path as it is on disk: each folder and the file name taken in the letter case found
// there when the exact spelling is missing. Unmatched parts stay as written.
std::string ExistingSpelling(const fs::path& path) {
  if (IsFile(path)) return path.string();
  fs::path found;
  bool matching = true;
  for (const fs::path& part : path) {
    std::error_code ec;
    if (!matching || part == "/" || fs::exists(found / part, ec)) {
      found /= part;
      continue;
    }
    const fs::path folder = found.empty() ? fs::path(".") : found;
    fs::path match;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      if (SameIgnoringCase(it->path().filename().string(), part.string())) {
        match = it->path().filename();
        break;
      }
    }
    matching = !match.empty();
    found /= matching ? match : part;
  }
  return found.string();
}

void Fail(Workbench& bench, const std::string& prompt) {
  bench.stop_requested = true;
  bench.script.fault = prompt;
  ShowPrompt(bench, prompt);
}

}  // namespace

std::string ScriptFilePath(const Workbench& bench, std::string_view name) {
  std::string n(name);
  while (!n.empty() && n.back() == ' ') n.pop_back();
  while (!n.empty() && n.front() == ' ') n.erase(0, 1);
  const size_t drive = n.find(":\\");
  if (drive != std::string::npos) n.erase(0, drive + 2);
  std::replace(n.begin(), n.end(), '\\', '/');
  if (n.find('.') == std::string::npos) n += ".scr";
  fs::path path(n);
  if (n.front() != '/' && !bench.settings.script_path.empty()) {
    std::string folder = bench.settings.script_path;
    std::replace(folder.begin(), folder.end(), '\\', '/');
    path = fs::path(folder) / n;
  }
  return ExistingSpelling(path);
}

bool LoadScriptFile(Workbench& bench, const std::string& path) {
  EditControl* pane = bench.Pane(kScriptPane);
  if (!pane) return false;
  ScriptState& s = bench.script;
  if (pane->IsModified() && s.close_query && !s.close_query()) return false;
  if (!IsFile(path)) {
    Fail(bench, kFileNotOpen);
    return false;
  }
  for (int attempt = 0; attempt < 2; ++attempt) {
    try {
      pane->LoadFile(path);
      break;
    } catch (const EditError&) {
    }
  }
  pane->ClearModified();
  GoToLine(bench, kScriptPane, 1);
  return true;
}

void ChainScript(Workbench& bench, std::string_view name) {
  ScriptState& s = bench.script;
  if (s.ended || bench.stop_requested) return;
  if (s.chain_level >= kMaxChainLevel) {
    bench.host().Information(kMaxChainLevels, kMessageCaption);
    Fail(bench, kMaxChainLevels);
    return;
  }
  s.chain_returns[static_cast<size_t>(s.chain_level)] = s.current_line;
  const std::string path = ScriptFilePath(bench, name);
  if (!IsFile(path)) {
    Fail(bench, kFileNotFound);
    return;
  }
  if (!LoadScriptFile(bench, path)) return;
  ++s.chain_level;
  s.chain_files[static_cast<size_t>(s.chain_level)] = path;
  s.current_line = 0;
  s.chained = true;
}

void ReturnFromChain(Workbench& bench) {
  ScriptState& s = bench.script;
  if (!s.ended || bench.stop_requested) return;
  s.chain_level = std::max(0, s.chain_level - 1);
  const auto level = static_cast<size_t>(s.chain_level);
  if (!LoadScriptFile(bench, s.chain_files[level])) return;
  s.current_line = s.chain_returns[level] + 1;
  GoToLine(bench, kScriptPane, s.current_line);
  s.ended = false;
}

bool PreProcessScriptActive(Workbench& bench) {
  return bench.script.preprocess_on && !bench.settings.custom_script.empty();
}

void LoadPreProcessScript(Workbench& bench) {
  ScriptState& s = bench.script;
  const std::string& custom = bench.settings.custom_script;
  if (custom.empty()) {
    s.preprocess_on = false;
    return;
  }
  const std::string path = ScriptFilePath(bench, custom);
  if (!IsFile(path)) {
    s.preprocess_on = false;
    return;
  }
  s.preprocess_on = true;
  if (s.chain_files[static_cast<size_t>(s.chain_level)] == path) return;
  s.chain_level = 0;
  if (!LoadScriptFile(bench, path)) {
    s.preprocess_on = false;
    return;
  }
  s.chain_files[0] = path;
  if (s.set_caption) s.set_caption("Script:" + path);
}

void RunPreProcessScript(Workbench& bench, std::string_view) {
  ScriptState& s = bench.script;
  // The caret stands on the line being run, so that the script's IFFIND, ITEM, SAVEVAR and
  // LINENO look at that line and not at wherever the run started.
  const int line = bench.interp.run.current_line;
  if (EditControl* pane = bench.Pane(1)) pane->SetSelection({{line, 0}, {line, 0}});
  s.running = true;
  RunScript(bench);
  s.running = false;
  if (!bench.stop_requested) ResetScript(bench);
}

}  // namespace vormak
