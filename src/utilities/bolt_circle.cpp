#include "utilities/bolt_circle.h"

#include <cmath>
#include <numbers>

#include "nctext/edit_control.h"
#include "nctext/host.h"
#include "settings/word_format.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

// A coordinate that is zero but for rounding (cos 90 degrees) is written as zero, never "-0.".
double Clean(double value) {
  return std::fabs(value) < 1e-9 ? 0.0 : value;
}

}  // namespace

std::string BoltCircleProblem(const BoltCircleRequest& request) {
  if (!std::isfinite(request.centre_x) || !std::isfinite(request.centre_y) ||
      !std::isfinite(request.diameter) || !std::isfinite(request.start_angle)) {
    return "Bad Number";
  }
  if (!(request.diameter > 0)) return "Diameter Must Be Greater Than 0";
  if (request.holes < 1 || request.holes > kMaxBoltHoles) {
    return "Number of Holes Must Be 1 to " + std::to_string(kMaxBoltHoles);
  }
  return {};
}

std::vector<Point> BoltCircleHoles(const BoltCircleRequest& request) {
  std::vector<Point> holes;
  if (!BoltCircleProblem(request).empty()) return holes;
  const double radius = request.diameter / 2;
  for (int n = 0; n < request.holes; ++n) {
    // Each angle from the start, not by adding steps, so the last hole carries no drift.
    const double degrees = request.start_angle + 360.0 * n / request.holes;
    const double radians = degrees * std::numbers::pi / 180.0;
    holes.push_back({Clean(request.centre_x + radius * std::cos(radians)),
                     Clean(request.centre_y + radius * std::sin(radians)), 0});
  }
  return holes;
}

std::vector<std::string> BoltCircleBlocks(const WordFormats& formats,
                                          const BoltCircleRequest& request) {
  std::vector<std::string> blocks;
  const std::vector<Point> holes = BoltCircleHoles(request);
  for (size_t i = 0; i < holes.size(); ++i) {
    std::string block = "X" + FormatAddressValue(formats, 'X', 1, holes[i].x) + " Y" +
                        FormatAddressValue(formats, 'Y', 1, holes[i].y);
    if (i == 0 && !request.cycle_line.empty()) block = request.cycle_line + " " + block;
    blocks.push_back(block);
  }
  if (!holes.empty() && !request.cycle_line.empty()) blocks.emplace_back("G80");
  return blocks;
}

bool InsertBoltCircle(Workbench& bench, const BoltCircleRequest& request) {
  const std::string problem = BoltCircleProblem(request);
  if (!problem.empty()) {
    bench.host().Information(problem, "Bolt Circle");
    return false;
  }
  EditControl* pane = bench.Pane(bench.active_pane);
  if (pane == nullptr) pane = bench.Pane(1);
  if (pane == nullptr) return false;
  const TextPosition caret = pane->GetSelection().end;
  int after = caret.column == 0 ? caret.line - 1 : caret.line;
  pane->BeginUndoGroup();
  for (const std::string& block : BoltCircleBlocks(bench.word_formats, request)) {
    pane->InsertLine(after, block);
    ++after;
  }
  pane->EndUndoGroup();
  pane->SetSelection({{after, pane->LineLength(after)}, {after, pane->LineLength(after)}});
  return true;
}

}  // namespace vormak
