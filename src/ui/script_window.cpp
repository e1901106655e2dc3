#include "ui/script_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

#include "ncfiles/nc_files.h"
#include "nctext/pane_services.h"
#include "script/script_files.h"
#include "script/script_hint.h"
#include "script/script_interpreter.h"
#include "ui/nc_lexer.h"
#include "ui/sci_edit_control.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr const char* kScriptFilter =
    "Script Files (*.scr)|*.scr|Text files (*.TXT)|*.TXT|All files (*.*)|*.*";
// Words beginning with "#" in red, comments in blue.
constexpr const char* kScriptSyntax = "1(00003#1=1]";
constexpr std::array<HighlightPair, 7> kScriptColours{{{'#', 1}, {'(', 2}}};

}  // namespace

Tscript4::Tscript4(Workbench& bench, QWidget* parent) : QDialog(parent), bench_(bench) {
  setWindowTitle("Script");
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setModal(false);

  script_memo = new SciEditControl(this);
  const EditControl* before = bench_.Pane(kScriptPane);
  const std::string text = before ? before->GetText() : std::string();
  const bool modified = before && before->IsModified();
  const TextSelection at = before ? before->GetSelection() : TextSelection{};
  script_memo->SetNcLexerFactory([](const std::string& syntax, QObject* owner) -> QsciLexer* {
    return new NcLexer(syntax, kScriptColours, owner);
  });
  script_memo->SetSyntax(kScriptSyntax);
  script_memo->SetHighlight(true);
  script_memo->SetText(text);
  script_memo->SetSelection(at);
  if (!modified) script_memo->ClearModified();
  bench_.SetPane(kScriptPane, script_memo);
  script_memo->viewport()->installEventFilter(this);
  script_memo->viewport()->setMouseTracking(true);

  auto* buttons = new QHBoxLayout;
  auto button = [&](const char* caption, auto handler) {
    auto* b = new QPushButton(caption, this);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, handler);
    buttons->addWidget(b);
    return b;
  };
  load_but = button("Load", [this] { LoadClick(); });
  reset_but = button("Reset", [this] { ResetClick(); });
  run_but = button("Run", [this] { RunClick(); });
  save_but = button("Save As", [this] { SaveAsClick(); });
  step_but = button("Step", [this] { StepClick(); });
  close_but = button("Close", [this] { CloseClick(); });
  help_but = button("Help", [this] { bench_.host().OpenHelp("vormak2.hlp", "IDH_SCRIPT"); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(script_memo);
  layout->addLayout(buttons);
  resize(520, 360);

  ScriptState& s = bench_.script;
  s.close_query = [this] { return CloseQuery(); };
  s.set_caption = [this](const std::string& caption) {
    setWindowTitle(QString::fromLatin1(caption.c_str()));
  };
  s.repaint = [this] { script_memo->viewport()->repaint(); };
}

Tscript4::~Tscript4() {
  ScriptState& s = bench_.script;
  s.close_query = nullptr;
  s.set_caption = nullptr;
  s.repaint = nullptr;
  // The script stays with the workbench when the window goes.
  const std::string text = script_memo->GetText();
  bench_.SetPane(kScriptPane, nullptr);
  if (EditControl* pane = bench_.Pane(kScriptPane)) pane->SetText(text);
}

std::string& Tscript4::CurrentFileName() {
  ScriptState& s = bench_.script;
  return s.chain_files[static_cast<size_t>(s.chain_level)];
}

void Tscript4::SetFileCaption(const std::string& name) {
  setWindowTitle(QString::fromLatin1(("Script:" + name).c_str()));
}

FileDialogRequest Tscript4::ScriptFileRequest(const char* caption, const char* default_ext) {
  FileDialogRequest request;
  request.caption = caption;
  request.initial_dir = bench_.settings.script_path;
  request.filter = kScriptFilter;
  request.default_ext = default_ext;
  request.file_name = CurrentFileName();
  return request;
}

void Tscript4::RunFile(const std::string& path) {
  CurrentFileName() = path;
  if (!LoadScriptFile(bench_, path)) return;
  SetFileCaption(path);
  script_memo->ClearModified();
  ResetClick();
  RunClick();
}

void Tscript4::LoadClick() {
  if (const auto name = bench_.host().OpenFileDialog(ScriptFileRequest("Open", "SCR"))) {
    if (LoadScriptFile(bench_, *name)) {
      CurrentFileName() = *name;
      SetFileCaption(*name);
      script_memo->ClearModified();
    }
  }
  GoToLine(bench_, kScriptPane, 1);
}

void Tscript4::ResetClick() {
  ResetScript(bench_);
}

void Tscript4::RunClick() {
  bench_.script.running = true;
  RunScript(bench_);
  bench_.script.running = false;
}

bool Tscript4::SaveAsClick() {
  const auto name = bench_.host().SaveFileDialog(ScriptFileRequest("Save As", "scr"));
  if (!name) return false;
  CurrentFileName() = *name;
  try {
    script_memo->SaveFile(*name);
  } catch (const std::exception& failure) {
    ReportFileFailure(bench_.host(), failure);
    return false;
  }
  SetFileCaption(*name);
  script_memo->ClearModified();
  return true;
}

void Tscript4::StepClick() {
  ScriptStep(bench_);
}

bool Tscript4::CloseQuery() {
  if (!script_memo->IsModified()) return true;
  const Answer answer = bench_.host().Question(
      "Warning - file not saved.\r\nDo you want to save?\r\n\r\nScript File: " + CurrentFileName(),
      "Save?", true);
  if (answer == Answer::kCancel) return false;
  if (answer == Answer::kYes) SaveAsClick();
  return true;
}

void Tscript4::CloseClick() {
  if (CloseQuery()) hide();
}

void Tscript4::closeEvent(QCloseEvent* event) {
  if (CloseQuery()) {
    event->accept();
  } else {
    event->ignore();
  }
}

QString Tscript4::HintOfLine(int line) const {
  return QString::fromLatin1(ScriptLineHint(bench_, script_memo->GetLine(line)).c_str());
}

bool Tscript4::eventFilter(QObject* watched, QEvent* event) {
  if (watched == script_memo->viewport()) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
      bench_.stop_requested = true;
    } else if (event->type() == QEvent::ToolTip) {
      const auto* help = static_cast<QHelpEvent*>(event);
      const TextPosition at = script_memo->PositionFromPoint(help->pos().x(), help->pos().y());
      const QString hint = HintOfLine(at.line);
      if (hint.isEmpty()) {
        QToolTip::hideText();
      } else {
        QToolTip::showText(help->globalPos(), hint, script_memo);
      }
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vormak
