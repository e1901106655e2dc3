#pragma once
// A workbench with a program in pane 1 and the helpers the utility tests share.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nctext/pane_services.h"
#include "settings/word_format.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {

class UtilitiesTest : public ::testing::Test {
 protected:
  FakeHost host;
  Workbench bench{host};

  void SetUp() override { FillFormatSet1(bench.word_formats, bench.settings); }

  // The machine writes `letter` as `stored` ("0000,0,0,0": four digits, no point).
  void Format(char letter, const std::string& stored) {
    bench.settings.letter_formats[static_cast<size_t>(letter - 'A')] = stored;
    FillFormatSet1(bench.word_formats, bench.settings);
  }
  void Program(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\r\n" : "") + lines[i];
    bench.Pane(1)->SetText(text);
    bench.Pane(1)->EmptyUndoBuffer();
    bench.Pane(1)->SetSelection({{1, 0}, {1, 0}});
  }
  // Only a caret: the next run goes from this line to the end. (A run selects the lines it
  // processed, and a selection ending in the last line stops one line short of it.)
  void Caret(int line) { bench.Pane(1)->SetSelection({{line, 0}, {line, 0}}); }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (int n = 1; n <= PaneLineCount(bench, 1); ++n) lines.push_back(PaneLine(bench, 1, n));
    return lines;
  }
  LineRange All() const { return {1, PaneLineCount(bench, 1)}; }
};

using Text = std::vector<std::string>;

}  // namespace vormak
