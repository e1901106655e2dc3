#include "cad/cmd_xform.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "cad/cad_dialogs.h"
#include "cad/element_edit.h"
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

void Translate(CadElement& e, const Point& by) {
  auto& d = e.d;
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
      d[0] += by.x, d[1] += by.y, d[3] += by.x, d[4] += by.y;
      break;
    case ElementKind::kText:
      d[0] += by.x, d[1] += by.y;
      break;
    case ElementKind::kLeader:
      d[0] += by.x, d[1] += by.y, d[2] += by.x, d[3] += by.y;
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
    const Point& a = picks_[0].point;
    const Point& b = picks_[1].point;
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

std::array<double, 6> Mirrored(const CadElement& e, MirrorAxis about) {
  std::array<double, 6> d = e.d;
  if (about == MirrorAxis::kZ) return d;  // the drawing's plane is its own mirror
  const bool x_axis = about == MirrorAxis::kX;
  const auto flip = [&](size_t x, size_t y) {
    if (x_axis) {
      d[y] = -d[y];
    } else {
      d[x] = -d[x];
    }
  };
  switch (e.kind) {
    case ElementKind::kLine:
    case ElementKind::kWitness:
      flip(0, 1), flip(3, 4);
      break;
    case ElementKind::kArc:
      flip(0, 1);
      d[4] = (x_axis ? 360 : 180) - e.d[5];
      d[5] = (x_axis ? 360 : 180) - e.d[4];
      if (d[4] < 0) d[4] += 360, d[5] += 360;
      break;
    case ElementKind::kArrow:
      flip(0, 1);
      d[3] = (x_axis ? 360 : 180) - e.d[3];
      break;
    case ElementKind::kLeader:
      flip(0, 1), flip(2, 3);
      d[4] = x_axis ? -e.d[4] : kPi - e.d[4];
      break;
    default:
      flip(0, 1);
      break;
  }
  return d;
}

void GroupDialogCommand::Mirror(CadContext& context, const MirrorAnswer& answer) {
  UndoRecorder undo(context.table);
  for (int slot : GroupSlots(context.table)) {
    if (Interrupted(context)) break;
    const CadElement& e = *context.table.At(slot);
    if (!MakeCopy(context, undo, e, Mirrored(e, answer.about))) {
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

void GroupDialogCommand::Scale(CadContext& context, double factor) {
  // A factor of nothing would collapse the group onto the origin and then delete it.
  if (!(factor > 0)) return;
  UndoRecorder undo(context.table);
  const std::vector<int> slots = GroupSlots(context.table);
  for (int slot : slots) {
    if (Interrupted(context)) break;
    const CadElement& e = *context.table.At(slot);
    std::array<double, 6> d = e.d;
    d[0] *= factor, d[1] *= factor;
    switch (e.kind) {
      case ElementKind::kLine:
      case ElementKind::kWitness:
        d[3] *= factor, d[4] *= factor;
        break;
      case ElementKind::kArc:
        d[3] *= factor;
        break;
      case ElementKind::kLeader:
        d[2] *= factor, d[3] *= factor;
        break;
      default:
        break;
    }
    if (!MakeCopy(context, undo, e, d)) {
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
  const int times = std::max(rotation.times, 1);
  for (int slot : slots) {
    if (Interrupted(context)) break;
    const CadElement& e = *context.table.At(slot);
    if (!Copied(e.kind)) continue;
    for (int j = 1; j <= times; ++j) {
      double turn = j * rotation.degrees;
      if (turn > 360) turn -= 360;
      std::array<double, 6> d = e.d;
      RotatePoint(d[0], d[1], rotation.centre, turn);
      d[2] = 0;
      if (e.kind == ElementKind::kLine) {
        RotatePoint(d[3], d[4], rotation.centre, turn);
        d[5] = 0;
      } else if (e.kind == ElementKind::kArc) {
        d[4] += turn, d[5] += turn;
        if (d[4] > 360) d[4] -= 360, d[5] -= 360;
      }
      if (!MakeCopy(context, undo, e, d)) {
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
