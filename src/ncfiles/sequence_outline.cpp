#include "ncfiles/sequence_outline.h"

#include <algorithm>
#include <cctype>

#include "nctext/block_words.h"
#include "nctext/edit_control.h"
#include "nctext/pane_services.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kLinesAboveFound = 5;

bool HoldsPAndDigit(const std::string& line) {
  for (size_t at = line.find('P'); at != std::string::npos; at = line.find('P', at + 1)) {
    if (at + 1 < line.size() && std::isdigit(static_cast<unsigned char>(line[at + 1]))) return true;
  }
  return false;
}

void AddPane(const Workbench& bench, int pane, OutlineNode& root) {
  const EditControl* control = bench.Pane(pane);
  if (control == nullptr) return;
  const char comment = CommentCharsOf(bench.settings).begin;
  const std::string tool_key = std::string(1, comment) + "TL";
  size_t section = std::string::npos;  // the last G13 or G14 node of this pane
  const int count = control->LineCount();
  for (int n = 1; n <= count; ++n) {
    const std::string line = control->GetLine(n);
    const bool marker =
        line.find("G13") != std::string::npos || line.find("G14") != std::string::npos;
    if (marker || line.find(tool_key) != std::string::npos) {
      root.children.push_back({line, pane, n, {}});
      if (marker) section = root.children.size() - 1;
    } else if (section != std::string::npos && line.find(comment) == std::string::npos &&
               HoldsPAndDigit(line)) {
      root.children[section].children.push_back({line, pane, n, {}});
    }
  }
}

}  // namespace

OutlineNode BuildSequenceOutline(const Workbench& bench) {
  OutlineNode root;
  root.text = bench.nc_file_name.empty() ? kOutlineNewFile : bench.nc_file_name;
  AddPane(bench, 1, root);
  if (bench.settings.twin_turrets) AddPane(bench, 2, root);
  return root;
}

bool GoToOutlineNode(Workbench& bench, const OutlineNode& node) {
  EditControl* control = bench.Pane(node.pane);
  if (control == nullptr || node.line == 0) return false;
  int found = node.line;
  if (control->GetLine(found) != node.text) {
    GoToLine(bench, node.pane, 1);
    control->SetSelection({{1, 0}, {1, 0}});
    found = control->FindText(node.text) ? control->GetSelection().start.line : 0;
  }
  if (found == 0) {
    bench.host().Information(node.text + "\r\n" + kOutlineNotFound, "Vormak");
    return false;
  }
  GoToLine(bench, node.pane, found);
  const int top = bench.settings.twin_turrets ? found : std::max(1, found - kLinesAboveFound);
  SetPaneTopLine(bench, node.pane, top);
  return true;
}

}  // namespace vormak
