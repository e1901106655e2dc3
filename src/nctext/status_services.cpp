#include "nctext/status_services.h"

#include "workbench/workbench.h"

namespace vormak {

Answer Warn(Workbench& bench, const std::string& text) {
  const Answer answer = bench.host().Warning(text, kWarningCaption);
  if (answer == Answer::kCancel) bench.stop_requested = true;
  return answer;
}

void ShowCommand(Workbench& bench, const std::string& text) {
  bench.host().SetCommandPanel(" " + text);
}

void ShowPrompt(Workbench& bench, const std::string& text) {
  bench.host().SetPromptPanel(" " + text);
  bench.nctext.current_prompt = text;
}

void ClearCommand(Workbench& bench) {
  bench.host().SetCommandPanel(" ");
}

void ClearPrompt(Workbench& bench) {
  bench.host().SetPromptPanel(" ");
}

bool EscapePending(Workbench& bench) {
  if (!bench.host().EscapePending()) return false;
  bench.stop_requested = true;
  if (bench.nctext.reset_run_state) bench.nctext.reset_run_state();
  return true;
}

bool RightButtonPending(Workbench& bench) {
  return bench.host().RightButtonPending();
}

}  // namespace vormak
