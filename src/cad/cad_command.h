#pragma once
// The common life of the CAD construction and edit commands: a fixed list of pick steps,
// each taking a point (by the pick mode) or an element (by a kind filter); the first point of
// a command that needs more marked in Yellow; the result made when the last step is taken,
// after which the command starts over at its first step.

#include <array>
#include <string>
#include <vector>

#include "cad/cad_undo.h"
#include "cad/point_input.h"

namespace vormak {

struct PickStep {
  enum class Take { kPoint, kElement, kCursor };
  std::string prompt{};
  Take take = Take::kPoint;
  int filter = kPickAnyKind;  // for kElement
};

// What one step took.
// Points and the element's geometry are given in the axes of the view the pick was made in
// (`ViewFrame`): X across, Y up, Z the depth.
struct Picked {
  Point point;  // the point, or the cursor of an element pick, in the view's axes
  Point world;  // the same in drawing axes
  CadElement* element = nullptr;
  CadElement local;  // a copy of the element in the view's axes
  int slot = 0;
  PixelPoint at{};  // where the pick was made in the window
};

class CadCommand : public PickCommand {
 public:
  void Start(CadContext& context) override;
  void OnPick(CadContext& context, PixelPoint at) override;
  void OnKeyIn(CadContext& context, const Point& point) override;
  int step() const { return step_; }

 protected:
  std::string Prompt() const override;
  virtual std::vector<PickStep> Steps() const = 0;
  // The last step is taken: make the result. The command then starts over unless it ended.
  virtual void Finish(CadContext& context) = 0;
  // A step is taken; false keeps the command at that step (the pick did not suit).
  virtual bool Took(CadContext&, int /*step*/) { return true; }
  // Called by Start before the first prompt: dialogs some commands ask first. False ends
  // the command.
  virtual bool Begin(CadContext&) { return true; }
  // Commands that work on the cursor position select "Pick at Cursor Location" on start.
  virtual bool AtCursor() const { return false; }
  // The prompt of the first step after a result; most commands show their first prompt.
  virtual std::string RestartPrompt() const { return Steps().front().prompt; }

  // Back to the first step with its prompt.
  void Restart(CadContext& context);
  // Paints an element out before it is changed.
  static void PaintOut(CadContext& context, CadElement& element);
  // Draws a changed element again in the Normal state and widens the extents by it.
  static void PaintBack(CadContext& context, CadElement& element);
  // Changes a picked element in the view's axes: recorded for undo, painted out, changed,
  // drawn again Normal and the extents widened by it.
  template <typename F>
  static void Edit(CadContext& context, UndoRecorder& undo, int slot, F&& change) {
    CadElement& element = *context.table.At(slot);
    undo.Changing(slot);
    PaintOut(context, element);
    const ViewFrame frame = context.Frame();
    CadElement local = frame.ToLocal(element);
    change(local);
    element = frame.ToWorld(local);
    PaintBack(context, element);
  }

  std::array<Picked, 4> picks_{};
  int step_ = 0;
  std::string prompt_override_;
  bool ended_ = false;     // a dialog the command starts with was cancelled
  bool made_one_ = false;  // a result was made since the command started

 private:
  void Advance(CadContext& context, const Picked& picked);
  void MarkFirstPoint(CadContext& context, const Point& point);

  PointInput input_;
};

// Makes an element of the construction commands from numbers in the current view's axes:
// current colour, layer and view, style 0, Normal; drawn at once. Recorded in `undo`; nullptr when
// refused (range or full table).
CadElement* MakeConstructed(CadContext& context, UndoRecorder& undo, ElementKind kind,
                            const std::array<double, 6>& d, const std::string& text = {});

// A line's end points and an arc's circle as the constructions use them.
std::array<double, 6> LineData(const Point& a, const Point& b);
std::array<double, 6> CircleData(const Point& centre, double radius, double start = 0,
                                 double end = 360);

}  // namespace vormak
