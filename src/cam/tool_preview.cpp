#include "cam/tool_preview.h"

#include <cmath>

#include "cad/palette.h"
#include "nctext/status_services.h"
#include "plot/canvas.h"
#include "plot/view_state.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;

class Preview {
 public:
  explicit Preview(Canvas& canvas)
      : canvas_(canvas),
        cx_(canvas.Width() / 2.0),
        cy_(canvas.Height() / 2.0),
        scale_(canvas.Width() / 4.0) {}

  // False for a point too far out to hand to the graphics system.
  bool Pixel(double x, double y, PixelPoint& p) const {
    const double px = cx_ + x * scale_, py = cy_ - y * scale_;
    if (!(std::fabs(px) < kPixelLimit) || !(std::fabs(py) < kPixelLimit)) return false;
    p = {static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py))};
    return true;
  }
  void Line(double x1, double y1, double x2, double y2) {
    PixelPoint a, b;
    if (Pixel(x1, y1, a) && Pixel(x2, y2, b)) canvas_.Line(a, b);
  }
  void Arc(double x, double y, double r, double from, double to) {
    double sweep = std::fmod(to - from, 360.0);
    if (sweep <= 0) sweep += 360;
    const int n = 72;
    for (int i = 0; i < n; ++i) {
      const double a = (from + sweep * i / n) * kRadiansPerDegree;
      const double b = (from + sweep * (i + 1) / n) * kRadiansPerDegree;
      Line(x + r * std::cos(a), y + r * std::sin(a), x + r * std::cos(b), y + r * std::sin(b));
    }
  }

 private:
  Canvas& canvas_;
  double cx_, cy_, scale_;
};

}  // namespace

bool DrawToolPicture(Workbench& bench, const std::string& name, Canvas& canvas,
                     ToolFileContents& tool) {
  canvas.Clear(CanvasRgb(palette::kWhite));
  const std::string path = ToolFilePath(bench, name);
  if (!ReadToolFile(path, bench.settings.solid_layer, palette::kWhite, tool)) {
    ShowPrompt(bench, "Cannot open " + name);
    return false;
  }
  Preview preview(canvas);
  Pen pen;
  pen.rgb = CanvasRgb(palette::kAqua);
  canvas.SetPen(pen);
  preview.Line(-1, 0, 1, 0);
  preview.Line(0, -1, 0, 1);
  pen.rgb = 0;
  canvas.SetPen(pen);
  for (const ToolEntry& e : tool.shape.entries) {
    const auto& d = e.d;
    if (e.Kind() == kToolEnd) break;
    if (e.Kind() == kToolLine) preview.Line(d[1], d[2], d[4], d[5]);
    if (e.Kind() == kToolArc) preview.Arc(d[1], d[2], d[4], d[5], d[6]);
    if (e.Kind() == kToolCircle) preview.Arc(d[1], d[2], d[4], 0, 360);
  }
  if (bench.settings.vertical_lathe) canvas.Text({3, 3}, "Vertical Lathe Orientation", 12);
  return true;
}

}  // namespace vormak
