#include "nctext/status_services.h"

#include "nctext/pane_bench.h"

namespace vormak {

Answer Warn(PaneBench& bench, const std::string& text) {
  const Answer answer = bench.host().Warning(text, kWarningCaption);
  if (answer == Answer::kCancel) bench.stop_requested = true;
  return answer;
}

void ShowCommand(PaneBench& bench, const std::string& text) {
  bench.host().SetCommandPanel(" " + text);
}

void ShowPrompt(PaneBench& bench, const std::string& text) {
  bench.host().SetPromptPanel(" " + text);
  bench.nctext.current_prompt = text;
}

void ClearCommand(PaneBench& bench) {
  bench.host().SetCommandPanel(" ");
}

void ClearPrompt(PaneBench& bench) {
  bench.host().SetPromptPanel(" ");
}

bool EscapePending(PaneBench& bench) {
  if (!bench.host().EscapePending()) return false;
  bench.stop_requested = true;
  if (bench.nctext.reset_run_state) bench.nctext.reset_run_state();
  return true;
}

bool RightButtonPending(PaneBench& bench) {
  return bench.host().RightButtonPending();
}

}  // namespace vormak
