#include "cad/cmd_xform.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "cad/cad_dialogs.h"
#include "cad/element_edit.h"
#include "cad/element_geometry.h"
#include "cad/geometry_measure.h"

namespace vormak {

namespace {

std::vector<int> GroupSlots(ElementTable& table) {
  std::vector<int> slots;
  ForEachElement(table, [&](int slot, CadElement& e) {
    if (!e.deleted && e.state == ElementState::kGroup) slots.push_back(slot);
  });
  return slots;
}

bool Copied(ElementKind kind) {
  return kind == ElementKind::kLine || kind == ElementKind::kArc || kind == ElementKind::kPoint;
}

// A copy of the source in the Result state; false when the table is full (the result is then
// taken back whole), true also when the copy fell outside the drawing and was left out.
bool MakeCopy(CadContext& context, UndoRecorder& undo, const CadElement& source,
              const std::array<double, 6>& d) {
  ElementTable& table = context.table;
  const int slot = NextFreeSlot(table);
  CadElement* made =
      MakeElement(table, context.host, slot, source.kind, source.colour, d, source.style,
                  source.layer, ElementState::kResult, source.view, source.text);
  if (made == nullptr) return !table.full;
  undo.Made(slot);
  context.view.Paint(*made);
  return true;
}

// Escape or a right-button release stops a long transform between elements.
bool Interrupted(CadContext& context) {
  return context.host.EscapePending() || context.host.RightButtonPending();
}

// Points in drawing axes move by the whole displacement; texts, leaders and witness lines lie
// in their own view's axes and move by the part of it seen in that view.
void Translate(CadElement& e, const Point& by) {
  auto& d = e.d;
  const Point flat = ToViewAxes(e.view, by);
  switch (e.kind) {
    case ElementKind::kLine:
      d[3] += by.x, d[4] += by.y, d[5] += by.z;
      [[fallthrough]];
    case ElementKind::kArc:
    case ElementKind::kPoint:
    case ElementKind::kArrow:
      d[0] += by.x, d[1] += by.y, d[2] += by.z;
      break;
    case ElementKind::kWitness:
      d[0] += flat.x, d[1] += flat.y, d[3] += flat.x, d[4] += flat.y;
      break;
    case ElementKind::kText:
      d[0] += flat.x, d[1] += flat.y;
      break;
    case ElementKind::kLeader:
      d[0] += flat.x, d[1] += flat.y, d[2] += flat.x, d[3] += flat.y;
      break;
    default:
      break;
  }
}

class MoveCommand : public CadCommand {
 public:
  explicit MoveCommand(bool copy) : copy_(copy) {}
  std::string Name() const override { return "MOVE GROUP"; }

 protected:
  std::vector<PickStep> Steps() const override {
    return {{"Pick First Point"}, {"Pick Destination Point"}};
  }
  std::string RestartPrompt() const override {
    return made_one_ ? "Pick Base Point" : "Pick First Point";
  }
  void Finish(CadContext& context) override {
    const Point& a = picks_[0].world;
    const Point& b = picks_[1].world;
    const Point by{b.x - a.x, b.y - a.y, b.z - a.z};
    if (copy_) {
      CopyGroup(context, by, 1);
    } else {
      context.host.SetPromptPanel("Redrawing Plot Window");
      MoveGroup(context, by);
    }
    Restart(context);
  }

 private:
  bool copy_;
};

void RotatePoint(double& x, double& y, const Point& centre, double degrees) {
  const double a = degrees / kDegreesPerRadian;
  const double dx = x - centre.x, dy = y - centre.y;
  x = centre.x + dx * std::cos(a) - dy * std::sin(a);
  y = centre.y + dx * std::sin(a) + dy * std::cos(a);
}

class RotateCommand : public CadCommand {
 public:
  std::string Name() const override { return group_ ? "ROTATE GROUP" : "ROTATE ELEMENT"; }
  void Start(CadContext& context) override {
    group_ = GroupExists(context.table);
    CadCommand::Start(context);
  }

 protected:
  std::vector<PickStep> Steps() const override {
    if (group_) return {{"Pick Rotation Point "}};
    return {{"Pick Element ", PickStep::Take::kElement, kPickAnyKind}};
  }
  void Finish(CadContext& context) override {
    const Picked& pick = picks_[0];
    if (const auto answer = AskRotate(context, pick.point)) {
      RotateGroup(context, {answer->centre, answer->degrees, answer->times, answer->leave_original},
                  group_ ? 0 : pick.slot);
    }
    Restart(context);
  }

 private:
  bool group_ = false;
};

// Mirror and Scale act at once on the group when their dialog is answered; there is no pick.
class GroupDialogCommand : public PickCommand {
 public:
  explicit GroupDialogCommand(bool mirror) : mirror_(mirror) {}
  std::string Name() const override { return mirror_ ? "MIRROR GROUP" : "SCALE GROUP"; }
  void Start(CadContext& context) override {
    context.host.SetCommandPanel(Name());
    context.host.SetPromptPanel("");
    if (mirror_) {
      if (const auto answer = AskMirror(context)) Mirror(context, *answer);
    } else if (const auto factor = AskScale(context)) {
      Scale(context, *factor);
    }
  }
  void OnPick(CadContext&, PixelPoint) override {}

 protected:
  std::string Prompt() const override { return {}; }

 private:
  static void Mirror(CadContext& context, const MirrorAnswer& answer);
  static void Scale(CadContext& context, double factor);
  bool mirror_;
};

// An angle measured in a plane whose drawing axes are `axes`, after the drawing axis `negated`
// changed sign: across mirrors it about the vertical, up about the horizontal.
double MirroredAngle(double angle, const std::array<int, 2>& axes, int negated, double half_turn) {
  if (negated == axes[0]) return half_turn - angle;
  if (negated == axes[1]) return 2 * half_turn - angle;
  return angle;
}

// A copy with the drawing axis `negated` changing sign.
std::array<double, 6> Mirrored(const CadElement& e, int negated) {
  std::array<double, 6> d = e.d;
  const auto flat = AxesOfPlane(e.view);  // texts, leaders and witness lines: their view's axes
  const auto flip_flat = [&](size_t across, size_t up) {
    if (negated == flat[0]) d[across] = -d[across];
    if (negated == flat[1]) d[up] = -d[up];
  };
  const auto n = static_cast<size_t>(negated);
  switch (e.kind) {
    case ElementKind::kLine:
      d[n] = -d[n], d[3 + n] = -d[3 + n];
      break;
    case ElementKind::kArc: {
      d[n] = -d[n];
      const auto axes = AxesOfPlane(ArcPlane(e));
      // The sweep runs the other way round: the mirrored end becomes the start.
      if (negated == axes[0] || negated == axes[1]) {
        d[4] = MirroredAngle(e.d[5], axes, negated, 180);
        d[5] = MirroredAngle(e.d[4], axes, negated, 180);
        if (d[4] < 0) d[4] += 360, d[5] += 360;
      }
      break;
    }
    case ElementKind::kPoint:
      d[n] = -d[n];
      break;
    case ElementKind::kArrow:
      d[n] = -d[n];
      d[3] = MirroredAngle(e.d[3], flat, negated, 180);
      break;
    case ElementKind::kWitness:
      flip_flat(0, 1), flip_flat(3, 4);
      break;
    case ElementKind::kLeader:
      flip_flat(0, 1), flip_flat(2, 3);
      d[4] = MirroredAngle(e.d[4], flat, negated, kPi);
      break;
    default:
      flip_flat(0, 1);
      break;
  }
  return d;
}

void GroupDialogCommand::Mirror(CadContext& context, const MirrorAnswer& answer) {
  UndoRecorder undo(context.table);
  // About the view's horizontal axis ("X-Axis") its vertical axis changes sign, and the other
  // way round; about the axis the view looks along the copies lie on their originals.
  const ViewFrame frame = context.Frame();
  const int negated = frame.WorldAxis(answer.about == MirrorAxis::kX ? 1 : 0);
  for (int slot : GroupSlots(context.table)) {
    if (Interrupted(context)) break;
    const CadElement& e = *context.table.At(slot);
    const auto d = answer.about == MirrorAxis::kZ ? e.d : Mirrored(e, negated);
    if (!MakeCopy(context, undo, e, d)) {
      undo.Rollback(context.view);
      return;
    }
  }
  if (!answer.copy) {
    for (int slot : GroupSlots(context.table)) {
      undo.Changing(slot);
      DeleteElement(context.table, context.view, *context.table.At(slot));
    }
  }
  undo.Commit();
  context.view.Redraw();
}

// A copy scaled about the origin in the two drawing axes of the view (`scaled`); the depth and
// the angles are kept.
std::array<double, 6> Scaled(const CadElement& e, const std::array<int, 2>& scaled, double factor) {
  std::array<double, 6> d = e.d;
  const auto in_view = [&](int axis) { return axis == scaled[0] || axis == scaled[1]; };
  const auto flat = AxesOfPlane(e.view);
  const auto scale_flat = [&](size_t across, size_t up) {
    if (in_view(flat[0])) d[across] *= factor;
    if (in_view(flat[1])) d[up] *= factor;
  };
  switch (e.kind) {
    case ElementKind::kLine:
    case ElementKind::kArc:
    case ElementKind::kPoint:
    case ElementKind::kArrow:
      for (int axis : scaled) {
        const auto a = static_cast<size_t>(axis);
        d[a] *= factor;
        if (e.kind == ElementKind::kLine) d[3 + a] *= factor;
      }
      if (e.kind == ElementKind::kArc) d[3] *= factor;
      break;
    case ElementKind::kWitness:
      scale_flat(0, 1), scale_flat(3, 4);
      break;
    case ElementKind::kLeader:
      scale_flat(0, 1), scale_flat(2, 3);
      break;
    default:
      scale_flat(0, 1);
      break;
  }
  return d;
}

void GroupDialogCommand::Scale(CadContext& context, double factor) {
  // A factor of nothing would collapse the group onto the origin and then delete it.
  if (!(factor > 0)) return;
  const ViewFrame frame = context.Frame();
  const std::array<int, 2> scaled{frame.WorldAxis(0), frame.WorldAxis(1)};
  UndoRecorder undo(context.table);
  const std::vector<int> slots = GroupSlots(context.table);
  for (int slot : slots) {
    if (Interrupted(context)) break;
    const CadElement& e = *context.table.At(slot);
    if (!MakeCopy(context, undo, e, Scaled(e, scaled, factor))) {
      undo.Rollback(context.view);
      return;
    }
  }
  for (int slot : slots) {
    undo.Changing(slot);
    DeleteElement(context.table, context.view, *context.table.At(slot));
  }
  undo.Commit();
  context.view.Redraw();
}

}  // namespace

void MoveGroup(CadContext& context, const Point& by) {
  UndoRecorder undo(context.table);
  for (int slot : GroupSlots(context.table)) {
    if (Interrupted(context)) break;
    undo.Changing(slot);
    Translate(*context.table.At(slot), by);
  }
  undo.Commit();
  context.table.modified = true;
  RecomputeExtents(context.table);
  context.view.Redraw();
}

void CopyGroup(CadContext& context, const Point& by, int times) {
  UndoRecorder undo(context.table);
  for (int slot : GroupSlots(context.table)) {
    if (Interrupted(context)) break;
    const CadElement& e = *context.table.At(slot);
    if (!Copied(e.kind)) continue;
    CadElement moved = e;
    for (int j = 1; j <= std::max(times, 1); ++j) {
      Translate(moved, by);
      if (!MakeCopy(context, undo, e, moved.d)) {
        undo.Rollback(context.view);
        return;
      }
    }
  }
  undo.Commit();
}

void RotateGroup(CadContext& context, const Rotation& rotation, int only_slot) {
  if (rotation.degrees == 0) return;
  const std::vector<int> slots =
      only_slot != 0 ? std::vector<int>{only_slot} : GroupSlots(context.table);
  UndoRecorder undo(context.table);
  const ViewFrame frame = context.Frame();  // the turn is about the axis the view looks along
  const int times = std::max(rotation.times, 1);
  for (int slot : slots) {
    if (Interrupted(context)) break;
    const CadElement& e = *context.table.At(slot);
    if (!Copied(e.kind)) continue;
    const CadElement local = frame.ToLocal(e);
    // An arc standing on edge in this view turns its centre only: its own plane has no
    // direction that the turn maps onto.
    const bool turns_angles = e.kind == ElementKind::kArc && ArcPlane(e) == frame.Plane();
    for (int j = 1; j <= times; ++j) {
      double turn = j * rotation.degrees;
      if (turn > 360) turn -= 360;
      std::array<double, 6> d = local.d;
      RotatePoint(d[0], d[1], rotation.centre, turn);
      d[2] = 0;
      if (e.kind == ElementKind::kLine) {
        RotatePoint(d[3], d[4], rotation.centre, turn);
        d[5] = 0;
      } else if (turns_angles) {
        d[4] += turn, d[5] += turn;
        if (d[4] > 360) d[4] -= 360, d[5] -= 360;
      }
      if (!MakeCopy(context, undo, e, frame.ToWorld(e.kind, d))) {
        undo.Rollback(context.view);
        return;
      }
    }
  }
  if (!rotation.leave_original) {
    for (int slot : slots) {
      // Texts and the other marks are not turned: deleting them would lose them.
      if (!Copied(context.table.At(slot)->kind)) continue;
      undo.Changing(slot);
      DeleteElement(context.table, context.view, *context.table.At(slot));
    }
  }
  undo.Commit();
  context.table.modified = true;
  context.view.Redraw();
}

std::unique_ptr<PickCommand> MakeMoveCommand(bool copy) {
  return std::make_unique<MoveCommand>(copy);
}

std::unique_ptr<PickCommand> MakeRotateCommand() {
  return std::make_unique<RotateCommand>();
}

namespace {

// The Offset CAD dialog: the group copied "Number of Times" by the distances (or, without
// "Leave Original", moved by them once).
class OffsetGroupCommand : public PickCommand {
 public:
  std::string Name() const override { return "OFFSET GROUP"; }
  void Start(CadContext& context) override {
    context.host.SetCommandPanel(Name());
    context.host.SetPromptPanel("");
    if (const auto answer = AskOffsetGroup(context)) {
      if (answer->leave_original) {
        CopyGroup(context, answer->by, answer->times);
        context.view.Redraw();
      } else {
        MoveGroup(context, answer->by);
      }
    }
  }
  void OnPick(CadContext&, PixelPoint) override {}

 protected:
  std::string Prompt() const override { return {}; }
};

}  // namespace

std::unique_ptr<PickCommand> MakeOffsetGroupCommand() {
  return std::make_unique<OffsetGroupCommand>();
}

std::unique_ptr<PickCommand> MakeMirrorCommand() {
  return std::make_unique<GroupDialogCommand>(true);
}

std::unique_ptr<PickCommand> MakeScaleCommand() {
  return std::make_unique<GroupDialogCommand>(false);
}

}  // namespace vormak
