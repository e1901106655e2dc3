#pragma once
// Colours address words and comments in editor panes 1 and 2 while "Use Highlight" is on.
// The editor asks for the lines it is about to show; only those are styled, so a program of
// a million lines opens and scrolls as fast as a short one.

#include <Qsci/qscilexercustom.h>

#include <array>
#include <functional>
#include <string>

#include "nctext/nc_colouring.h"
#include "settings/machine_settings.h"

class QsciScintilla;

namespace vormak {

class NcLexer : public QsciLexerCustom {
  Q_OBJECT

 public:
  // `syntax` is the pane's descriptor (BuildSyntaxDescriptor); `pairs` the highlight pairs.
  // The pane's font, paper and text colour are taken from `parent` when it is an editor.
  NcLexer(const std::string& syntax, const std::array<HighlightPair, 7>& pairs,
          QObject* parent = nullptr);

  const char* language() const override { return "NC"; }
  QString description(int style) const override;
  QColor defaultColor(int style) const override;
  void styleText(int start, int end) override;

 private:
  NcColouring colouring_;
  unsigned text_rgb_ = 0x000000;
  std::string bytes_;
  std::string styles_;
};

// The factory a pane's SetNcLexerFactory takes: the highlight pairs are read when the lexer
// is made, so a pane rebuilt after a load or an Apply shows the new colours.
std::function<QsciLexer*(const std::string&, QObject*)> MakeNcLexerFactory(
    const MachineSettings& settings);

}  // namespace vormak
