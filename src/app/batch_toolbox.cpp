// vormak-batch toolbox and motion-code: the toolbox's NC-word and literal buttons and the
// Ctrl+0..3 motion codes applied to one line of a program.
//
//   toolbox FILE --line N --command TEXT [--machine M] [-o OUT]
//   motion-code FILE --line N --g 0..3 [--machine M] [-o OUT]
#include <cstdio>
#include <string>

#include "app/batch_commands.h"
#include "app/batch_nc_file.h"
#include "ncfiles/toolbox_words.h"
#include "nctext/edit_control.h"
#include "settings/number_text.h"

namespace vormak::batch {

namespace {

// The --line value within the program; nothing (said on stderr) otherwise.
std::optional<int> LineOption(const NcFileOptions& options, NcFileSession& session) {
  const auto n = ReadWholeNumber(options.Value("--line"));
  const int count = session.bench().Pane(1)->LineCount();
  if (!n || *n < 1 || *n > count) {
    BadValue("line", options.Value("--line"));
    return std::nullopt;
  }
  return static_cast<int>(*n);
}

}  // namespace

int RunToolbox(const Args& args) {
  static const char* const kUsage = "toolbox FILE --line N --command TEXT [--machine M] [-o OUT]";
  return RunOnFile(args, {{"--line", "--command"}, {}}, kUsage,
                   [](const NcFileOptions& options, NcFileSession& session) {
                     const auto n = LineOption(options, session);
                     if (!n || !options.Has("--command")) return false;
                     const std::string command = options.Value("--command");
                     const ToolboxKind kind = ToolboxKindOf(command);
                     if (kind != ToolboxKind::kWord && kind != ToolboxKind::kLiteral &&
                         kind != ToolboxKind::kNone) {
                       std::fprintf(stderr,
                                    "vormak-batch: only NC-word and literal commands apply "
                                    "without the window\n");
                       return false;
                     }
                     ApplyToolboxText(session.bench(), 1, *n, command);
                     return true;
                   });
}

int RunMotionCode(const Args& args) {
  static const char* const kUsage = "motion-code FILE --line N --g 0..3 [--machine M] [-o OUT]";
  return RunOnFile(args, {{"--line", "--g"}, {}}, kUsage,
                   [](const NcFileOptions& options, NcFileSession& session) {
                     const auto n = LineOption(options, session);
                     const auto g = ReadWholeNumber(options.Value("--g"));
                     if (!n) return false;
                     if (!g || *g < 0 || *g > 3)
                       return BadValue("motion code", options.Value("--g"));
                     Workbench& bench = session.bench();
                     bench.active_pane = 1;
                     bench.Pane(1)->SetSelection({{*n, 0}, {*n, 0}});
                     SetMotionCode(bench, static_cast<int>(*g));
                     return true;
                   });
}

}  // namespace vormak::batch
