#pragma once
// The view table of a CDL file: view numbers 1 to 16, each standing for one of seven ways of
// laying an arc's local coordinates into the drawing. A VIEW record binds a number to a
// matrix; the matrix is recognised by the entries that make each way what it is.

#include <array>
#include <cmath>

#include "cad/geometry_types.h"

namespace vormak {

inline constexpr int kCdlViews = 16;
inline constexpr int kMirroredTopCode = 44;  // top view mirrored in X

class CdlViewTable {
 public:
  CdlViewTable() { Reset(); }
  // Before any VIEW record number n stands for code n.
  void Reset();
  // A VIEW record: the number (17 and above count as 16) and the matrix row by row. A matrix
  // of none of the seven kinds leaves the number as it was.
  void Bind(int number, const std::array<double, 9>& matrix);
  int Code(int number) const;

 private:
  std::array<int, kCdlViews + 1> codes_{};
};

// An arc as the file holds it, and as the drawing holds it.
struct CdlArc {
  Point centre;  // local (u, v, w) in the file, world in the drawing
  double start = 0;
  double end = 0;
  int plane = 1;
};

// An ARC record's end angle: one below 0.0001 in magnitude is 0.
inline double CdlEndAngle(double end) {
  return std::fabs(end) < 0.0001 ? 0 : end;
}

// Maps a record's arc by the view code into drawing coordinates and its plane; angles come
// out in 0..360 with start and end exchanged where the mapping turns the arc over.
CdlArc ArcFromView(int code, const CdlArc& local);
// The centre the writer gives an arc of each plane, in the local axes of VIEW 1, 2 and 3.
Point LocalCentreOfPlane(int plane, const Point& world);

}  // namespace vormak
