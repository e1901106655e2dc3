#include "nctext/pane_bench.h"

#include "nctext/text_buffer.h"

namespace vormak {

PaneBench::PaneBench(Host& host) : host_(host) {
  for (int i = 0; i < kPaneCount; ++i) {
    buffers_[static_cast<size_t>(i)] = std::make_unique<TextBuffer>(&host);
    panes_[static_cast<size_t>(i)] = buffers_[static_cast<size_t>(i)].get();
  }
  buffers_[2]->SetCaretWidth(2);  // the script window's caret is thinner
}

PaneBench::~PaneBench() = default;

EditControl* PaneBench::Pane(int pane) {
  if (pane < 1 || pane > kPaneCount) return nullptr;
  return panes_[static_cast<size_t>(pane - 1)];
}

const EditControl* PaneBench::Pane(int pane) const {
  if (pane < 1 || pane > kPaneCount) return nullptr;
  return panes_[static_cast<size_t>(pane - 1)];
}

void PaneBench::SetPane(int pane, EditControl* control) {
  if (pane < 1 || pane > kPaneCount) return;
  const auto i = static_cast<size_t>(pane - 1);
  panes_[i] = control != nullptr ? control : buffers_[i].get();
}

}  // namespace vormak
