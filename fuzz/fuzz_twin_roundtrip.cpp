// Any text opened as a twin-turret program, lined up and joined as Save writes it without a
// warning, opens and joins again to the same lines: a program saved from the two turret panes
// comes back as saved. (Saved past a warning on its P numbers, it may not: the user was told.)
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_host.h"
#include "ncfiles/twin_turret.h"
#include "workbench/workbench.h"

namespace {

std::string FileText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vormak;
  FuzzHost host;
  Workbench bench(host);
  bench.settings.twin_turrets = true;
  bool markers = false;
  TwinPanes panes = SplitTwinText(std::string(reinterpret_cast<const char*>(data), size), markers);
  LineUpSyncNumbers(bench, panes);
  const auto first = JoinTwinPanes(bench, panes);
  if (!first || host.messages != 0) return 0;  // refused or warned about
  TwinPanes again = SplitTwinText(FileText(*first), markers);
  LineUpSyncNumbers(bench, again);
  const auto second = JoinTwinPanes(bench, again);
  if (!second || *second != *first) std::abort();
  return 0;
}
