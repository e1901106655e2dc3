#pragma once
// The editor-pane cases run the same way on the engine's text buffer and on the window's
// editor: load, save in a line-break style, and a utility run rewriting every line in one
// undo group. Each pane's benchmark program names them after its pane.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "nc_workload.h"
#include "nctext/edit_control.h"

namespace vormak::bench {

template <class Pane>
void PaneLoadCase(benchmark::State& state, const char* file_name) {
  const NcProgramFile file(kMillionBlocks, file_name);
  Pane pane;
  for (auto _ : state) {
    pane.LoadFile(file.path());
    benchmark::DoNotOptimize(pane.LineCount());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.bytes()));
}

// state.range(0) is the line-break style written.
template <class Pane>
void PaneSaveCase(benchmark::State& state, const char* file_name) {
  const NcProgramFile file(kMillionBlocks, file_name);
  const std::string out = file.path() + ".out";
  Pane pane;
  pane.LoadFile(file.path());
  pane.SetLineBreakStyle(static_cast<LineBreakStyle>(state.range(0)));
  for (auto _ : state) pane.SaveFile(out);
  std::remove(out.c_str());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.bytes()));
}

template <class Pane>
void PaneReplaceEveryLineCase(benchmark::State& state, const char* file_name) {
  const NcProgramFile file(kMillionBlocks, file_name);
  Pane pane;
  for (auto _ : state) {
    state.PauseTiming();
    pane.LoadFile(file.path());
    state.ResumeTiming();
    pane.BeginUndoGroup();
    const int lines = pane.LineCount();
    for (int n = 1; n < lines; ++n) {
      std::string line = pane.GetLine(n);
      line.append(" M8");
      pane.ReplaceLine(n, line);
    }
    pane.EndUndoGroup();
  }
}

}  // namespace vormak::bench
