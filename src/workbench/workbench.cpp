#include "workbench/workbench.h"

#include "nctext/text_buffer.h"

namespace vormak {

std::string Locations::MainIniPath() const {
  if (config_dir.empty()) return "vormak.ini";
  if (config_dir.back() == '/') return config_dir + "vormak.ini";
  return config_dir + "/vormak.ini";
}

Workbench::Workbench(Host& host) : host_(host) {
  for (int i = 0; i < kPaneCount; ++i) {
    buffers_[static_cast<size_t>(i)] = std::make_unique<TextBuffer>(&host);
    panes_[static_cast<size_t>(i)] = buffers_[static_cast<size_t>(i)].get();
  }
  buffers_[2]->SetCaretWidth(2);  // the script window's caret is thinner
}

Workbench::~Workbench() = default;

EditControl* Workbench::Pane(int pane) {
  if (pane < 1 || pane > kPaneCount) return nullptr;
  return panes_[static_cast<size_t>(pane - 1)];
}

const EditControl* Workbench::Pane(int pane) const {
  if (pane < 1 || pane > kPaneCount) return nullptr;
  return panes_[static_cast<size_t>(pane - 1)];
}

void Workbench::SetPane(int pane, EditControl* control) {
  if (pane < 1 || pane > kPaneCount) return;
  const auto i = static_cast<size_t>(pane - 1);
  panes_[i] = control != nullptr ? control : buffers_[i].get();
}

}  // namespace vormak
