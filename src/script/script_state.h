#pragma once
// What the script interpreter keeps between lines and between runs: the place in the script,
// the GOSUB return stack, the markers, the chain of scripts and the pre-process switch. The
// script text itself is pane 3; the script variables live in the macro variable store.

#include <array>
#include <functional>
#include <string>

namespace vormak {

inline constexpr int kReturnStackSize = 10;
inline constexpr int kMarkerCount = 10;
inline constexpr int kMaxChainLevel = 5;

struct ScriptState {
  int current_line = 1;  // the script line being executed (pane 3)
  bool ended = false;    // EXIT or past the last line
  bool running = false;  // a Run (or a pre-process run) is in progress

  std::array<int, kReturnStackSize + 1> return_stack{};  // GOSUB lines, index 1..10
  int stack_index = 1;
  std::array<int, kMarkerCount + 1> markers{};  // MARKER n: a line of the active pane

  // Level 0 is the script loaded in the window; each CHAIN goes one level deeper. Return lines
  // are kept whole, so a CHAIN far down a long script is still returned to exactly.
  int chain_level = 0;
  std::array<std::string, kMaxChainLevel + 1> chain_files{};
  std::array<int, kMaxChainLevel + 1> chain_returns{};
  bool chained = false;  // the step just loaded a chained script: its line 1 is next

  bool preprocess_on = false;  // the CustomScript file takes the interpreter's place in a run

  // Why the last run stopped on a fault ("Bad JUMP in ...", "File Not Found" ...); empty when
  // it ran to its end, to EXIT or to END.
  std::string fault;
  // Steps a run may take before it is cut off as endless (0: no limit); the window relies on
  // Escape instead.
  long long max_steps = 0;
  long long steps = 0;

  // Set by the script window: the Save? query of a modified pane 3 (false on Cancel), the
  // caption after a load, and a repaint of pane 3 between steps.
  std::function<bool()> close_query;
  std::function<void(const std::string& caption)> set_caption;
  std::function<void()> repaint;
};

}  // namespace vormak
