#pragma once
// A workbench with a program in pane 1 and a script in pane 3, run as the Run button runs it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nctext/edit_control.h"
#include "nctext/pane_services.h"
#include "script/script_args.h"
#include "script/script_interpreter.h"
#include "settings/word_format.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {

using Text = std::vector<std::string>;

class ScriptTest : public ::testing::Test {
 protected:
  FakeHost host;
  Workbench bench{host};

  void SetUp() override {
    FillFormatSet1(bench.word_formats, bench.settings);
    bench.script.max_steps = 100000;  // a fault must not hang the suite
  }

  static std::string Joined(const Text& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\r\n" : "") + lines[i];
    return text;
  }
  void Program(const Text& lines, int caret = 1) {
    bench.Pane(1)->SetText(Joined(lines));
    bench.Pane(1)->EmptyUndoBuffer();
    bench.Pane(1)->SetSelection({{caret, 0}, {caret, 0}});
  }
  Text Lines(int pane = 1) const {
    Text lines;
    for (int n = 1; n <= PaneLineCount(bench, pane); ++n) lines.push_back(PaneLine(bench, pane, n));
    return lines;
  }
  // The script goes into pane 3 and runs from line 1.
  void Run(const Text& script) {
    bench.Pane(3)->SetText(Joined(script));
    bench.Pane(3)->ClearModified();
    ResetScript(bench);
    RunScript(bench);
  }
  double Var(long long n) const { return GetScriptVariable(bench, n); }
  int Caret() const { return CaretLine(bench, 1); }
};

}  // namespace vormak
