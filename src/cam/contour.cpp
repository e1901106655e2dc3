#include "cam/contour.h"

#include <cctype>
#include <vector>

#include "cad/cad_command.h"
#include "cad/element_geometry.h"
#include "cad/geometry_measure.h"
#include "cam/tool_arc.h"
#include "cam/tool_placement.h"
#include "interp/compensation.h"
#include "interp/compensation_geometry.h"
#include "nctext/pane_services.h"
#include "nctext/status_services.h"
#include "settings/number_text.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr double kJoin = 0.001;

Point EndOf(const CadElement& e, bool second) {
  if (e.kind == ElementKind::kLine) {
    return second ? Point{e.d[3], e.d[4], e.d[5]} : Point{e.d[0], e.d[1], e.d[2]};
  }
  return PointOnCircle({e.d[0], e.d[1], e.d[2]}, e.d[3], second ? e.d[5] : e.d[4]);
}

bool Chainable(const CadElement& e) {
  return !e.deleted && (e.kind == ElementKind::kLine || e.kind == ElementKind::kArc);
}

// A point line of the chain: the part outline as drawn, in plain numbers.
std::string PointLine(const Workbench& bench, const Point& p) {
  if (IsLatheBench(bench)) {
    const ToolNose& tool = bench.tools.Current();
    return "G1X" + PlainNumberText(LatheXValue(bench, p.y - tool.centre_x)) + "Z" +
           PlainNumberText(p.x - tool.centre_z);
  }
  return "G1X" + PlainNumberText(p.x) + "Y" + PlainNumberText(p.y);
}

// The element from `entry` to its other end, as a line of the chain.
std::string ElementLineText(const Workbench& bench, const CadElement& e, const Point& entry,
                            const Point& exit) {
  if (e.kind == ElementKind::kLine) return PointLine(bench, exit);
  return BuildToolArc(bench, e, entry, {e.d[0], e.d[1], 0}, 0).block;
}

std::string AtText(const Point& p) {
  return "X" + PlainNumberText(p.x) + " Y" + PlainNumberText(p.y);
}

// The compensated moves of the contour run: their motion and axis words, and the centre or
// radius words an arc needs to be the same arc.
std::string MoveWords(const std::string& line) {
  std::string out;
  bool keep = false;
  bool axis = false;
  for (char c : line) {
    if (c == '(' || c == ';') break;
    if (std::isalpha(static_cast<unsigned char>(c))) {
      const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      keep = std::string_view("GXYZIJKRL").find(letter) != std::string_view::npos;
      if (keep) out += letter;
      axis = axis || letter == 'X' || letter == 'Y' || letter == 'Z';
    } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+') {
      if (keep) out += c;
    } else if (c != ' ') {
      keep = false;
    }
  }
  return axis ? out : std::string();
}

class ContourCommand : public CadCommand {
 public:
  explicit ContourCommand(Workbench& bench) : bench_(bench) {}
  std::string Name() const override { return "CONTOUR"; }

 protected:
  std::vector<PickStep> Steps() const override {
    return {{"Pick Contour", PickStep::Take::kElement, kPickLineOrArc}};
  }
  bool AtCursor() const override { return true; }
  bool Begin(CadContext&) override {
    ContourChoices& c = bench_.cam.contour;
    c.end_slot = 0;
    c.picking_end = false;
    bench_.interp.comp.radius_offset[ToolShapes::Index(bench_.tools.current_turret)] = 0;
    if (EditControl* pane = bench_.Pane(kContourPane)) pane->SetText("");
    return true;
  }
  void Finish(CadContext& context) override {
    const ChainResult chain = PickChain(bench_, picks_[0].slot, picks_[0].point);
    if (!chain.error.empty()) context.host.Information(chain.error, "Information");
    Restart(context);
  }

 private:
  Workbench& bench_;
};

class EndEntityCommand : public CadCommand {
 public:
  explicit EndEntityCommand(Workbench& bench) : bench_(bench) {}
  std::string Name() const override { return "CONTOUR"; }

 protected:
  std::vector<PickStep> Steps() const override {
    return {{"Pick Ending Entity", PickStep::Take::kElement, kPickLineOrArc}};
  }
  bool AtCursor() const override { return true; }
  void Finish(CadContext& context) override {
    bench_.cam.contour.end_slot = picks_[0].slot;
    context.host.SetPromptPanel(EndEntityText(bench_));
    // Back to the chain pick.
    context.next = MakeContourPickOnly(bench_);
    ended_ = true;
  }
  static std::unique_ptr<PickCommand> MakeContourPickOnly(Workbench& bench);

 private:
  Workbench& bench_;
};

// The chain pick without emptying the pane again: after "End Entity".
class ContinueContourCommand : public ContourCommand {
 public:
  using ContourCommand::ContourCommand;

 protected:
  bool Begin(CadContext&) override { return true; }
};

std::unique_ptr<PickCommand> EndEntityCommand::MakeContourPickOnly(Workbench& bench) {
  return std::make_unique<ContinueContourCommand>(bench);
}

}  // namespace

std::string EndEntityText(const Workbench& bench) {
  const int slot = bench.cam.contour.end_slot;
  return slot == 0 ? "End=Off" : "End=" + std::to_string(slot);
}

ChainResult PickChain(Workbench& bench, int slot, const Point& cursor) {
  ChainResult result;
  ElementTable& table = bench.cad.table;
  const CadElement* first = table.At(slot);
  if (first == nullptr || !Chainable(*first)) return result;
  const int end_slot = bench.cam.contour.end_slot != 0 ? bench.cam.contour.end_slot : slot;
  std::vector<std::string> lines;
  std::vector<char> used(kTableSlots + 1, 0);

  const bool start_second =
      Distance2D(EndOf(*first, true), cursor) < Distance2D(EndOf(*first, false), cursor);
  const Point s = EndOf(*first, start_second);
  Point p = EndOf(*first, !start_second);
  lines.push_back(PointLine(bench, s));
  lines.push_back(ElementLineText(bench, *first, s, p));
  result.elements = 1;
  used[static_cast<size_t>(slot)] = 1;
  int current = slot, previous = 0;
  const bool closing_on_first = end_slot == slot;

  // The chain ends once its end element is written (the first element again when no end
  // was picked), or where nothing continues it.
  while (!(current == end_slot && result.elements > 1)) {
    if (EscapePending(bench) || RightButtonPending(bench)) {
      result.error = kChainStopped;
      result.elements = 0;
      return result;
    }
    int found = 0;
    int candidates = 0;
    for (int n = 1; n <= table.high_water; ++n) {
      const CadElement* e = table.At(n);
      if (e == nullptr || n == current || n == previous || !Chainable(*e)) continue;
      if (Distance2D(EndOf(*e, false), p) < kJoin || Distance2D(EndOf(*e, true), p) < kJoin) {
        if (found == 0) found = n;
        ++candidates;
      }
    }
    if (found == 0) break;
    if (candidates > 1) {
      result.error = kChainBranches + AtText(p);
      result.elements = 0;
      return result;
    }
    const bool closes = closing_on_first && found == slot;
    if (used[static_cast<size_t>(found)] && !closes && found != end_slot) {
      result.error = kChainLoops;
      result.elements = 0;
      return result;
    }
    used[static_cast<size_t>(found)] = 1;
    const CadElement& e = *table.At(found);
    const bool enter_second = Distance2D(EndOf(e, true), p) < Distance2D(EndOf(e, false), p);
    const Point entry = EndOf(e, enter_second);
    const Point exit = EndOf(e, !enter_second);
    lines.push_back(ElementLineText(bench, e, entry, exit));
    ++result.elements;
    p = exit;
    previous = current;
    current = found;
  }
  EditControl* pane = bench.Pane(kContourPane);
  if (pane == nullptr) return result;
  std::string text = pane->GetText();
  for (const std::string& line : lines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  pane->SetText(text);
  return result;
}

bool InsertContour(Workbench& bench) {
  EditControl* pane = bench.Pane(kContourPane);
  EditControl* main = bench.Pane(1);
  if (pane == nullptr || main == nullptr) return false;
  const std::string saved = pane->GetText();
  bool any_move = false;
  for (int n = 1; n <= pane->LineCount(); ++n) {
    if (!MoveWords(pane->GetLine(n)).empty()) any_move = true;
  }
  if (!any_move) {
    bench.host().Information(kContourEmpty, "Information");
    return false;
  }
  const ContourChoices& c = bench.cam.contour;
  // A chain closed on its first element ends with that element again. The element after it
  // is run once more as the look-ahead, so the repeated element stops at its corner.
  const int count = pane->LineCount();
  const bool closed = count >= 4 && pane->GetLine(count) == pane->GetLine(2);
  // A vertical lathe sees the part from the other side.
  const bool right = c.right != bench.settings.vertical_lathe;
  pane->SetText(std::string(right ? "G42" : "G41") + "\r\n" + saved +
                (closed ? "\r\n" + pane->GetLine(3) : std::string()));
  MachineState& machine = bench.interp.machine;
  TurretState& t = bench.interp.Turret(1);
  // The approach starts off the contour wherever the turret last stood (it is never
  // written: the lead-in ends where the first element's offset starts).
  const bool lathe = IsLatheBench(bench);
  t[lathe ? kRegZ : kRegX] = 2 * kDrawingLimit;
  t[lathe ? kRegX : kRegY] = 2 * kDrawingLimit;
  machine.contour_mode = true;
  CompNcRequest request;
  request.amount = (c.leave_stock ? c.stock : 0) + c.tool_radius;
  request.side = right ? kRightSide : kLeftSide;
  const int last = pane->LineCount();
  RunCompNc(bench, kContourPane, {1, last}, request);
  machine.contour_mode = false;
  machine.lead_in_pending = false;
  t.SetG(41, false);
  t.SetG(42, false);
  std::vector<std::string> moves;
  for (int n = 1; n <= pane->LineCount(); ++n) {
    std::string words = MoveWords(pane->GetLine(n));
    if (!words.empty()) moves.push_back(std::move(words));
  }
  if (closed && moves.size() >= 4) {
    // Round the closed offset from the corner at the start: the approach goes to where the
    // last element's offset meets the first's, the first element follows from there (its
    // second run, with the corner at both ends), then the rest.
    moves.pop_back();
    const std::string last_element = moves.back();
    std::string approach = "G" + WordValue(bench, 'G', 1);
    bool axis = false;
    for (char ch : moves[moves.size() - 2]) {
      if (std::isalpha(static_cast<unsigned char>(ch))) axis = ch == 'X' || ch == 'Y' || ch == 'Z';
      if (axis) approach += ch;
    }
    moves.pop_back();
    moves[0] = approach;
    moves[1] = last_element;
  }
  std::string text;
  for (const std::string& move : moves) text += move + "\r\n";
  pane->SetText(saved);
  const bool stopped = bench.stop_requested;
  bench.stop_requested = false;
  if (stopped) return false;
  // The moves go in before the caret's line, so no block is split and a selected line stays.
  const int line = main->GetSelection().end.line;
  main->SetSelection({{line, 0}, {line, 0}});
  main->ReplaceSelection(text);
  return true;
}

std::unique_ptr<PickCommand> MakeContourCommand(Workbench& bench) {
  return std::make_unique<ContourCommand>(bench);
}

std::unique_ptr<PickCommand> MakeEndEntityCommand(Workbench& bench) {
  return std::make_unique<EndEntityCommand>(bench);
}

}  // namespace vormak
