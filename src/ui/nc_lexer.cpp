#include "ui/nc_lexer.h"

#include <Qsci/qsciscintilla.h>

#include "nctext/edit_control.h"

namespace vormak {

namespace {

QColor FromRgb(unsigned rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace

NcLexer::NcLexer(const std::string& syntax, const std::array<HighlightPair, 7>& pairs,
                 QObject* parent)
    : QsciLexerCustom(parent), colouring_(MakeNcColouring(syntax, pairs)) {
  if (const auto* pane = dynamic_cast<const EditControl*>(parent)) text_rgb_ = pane->ForeColor();
  if (const auto* editor = qobject_cast<QsciScintilla*>(parent)) {
    setDefaultFont(editor->font());
    setFont(editor->font(), -1);
    setDefaultPaper(editor->paper());
    setPaper(editor->paper(), -1);
  }
  for (int style = 0; style < kNcStyleCount; ++style) setColor(defaultColor(style), style);
}

QString NcLexer::description(int style) const {
  static const char* const kNames[kNcStyleCount] = {"Text",    "Red",    "Blue", "Green",
                                                    "Magenta", "Orange", "Black"};
  return style >= 0 && style < kNcStyleCount ? QString(kNames[style]) : QString();
}

QColor NcLexer::defaultColor(int style) const {
  return FromRgb(NcStyleRgb(style, text_rgb_));
}

void NcLexer::styleText(int start, int end) {
  QsciScintilla* ed = editor();
  if (ed == nullptr || end <= start) return;
  // Styling starts at a line start, so a comment or word is never entered half-way.
  const long line = ed->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, start);
  const long from = ed->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
  const long length = end - from;
  if (length <= 0) return;
  bytes_.assign(static_cast<size_t>(length) + 1, '\0');
  ed->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, static_cast<int>(from), end,
                    bytes_.data());
  bytes_.resize(static_cast<size_t>(length));
  styles_.resize(bytes_.size());
  StyleNcText(colouring_, bytes_, styles_.data());
  startStyling(static_cast<int>(from));
  ed->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<unsigned long>(length),
                    styles_.data());
}

std::function<QsciLexer*(const std::string&, QObject*)> MakeNcLexerFactory(
    const MachineSettings& settings) {
  return [&settings](const std::string& syntax, QObject* parent) -> QsciLexer* {
    return new NcLexer(syntax, settings.highlight, parent);
  };
}

}  // namespace vormak
