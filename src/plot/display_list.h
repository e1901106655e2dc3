#pragma once
// What the runs drew, kept so that a redraw, a zoom or a view change shows the backplot again
// without plotting the program a second time. Every move keeps the turret and the editor line
// (and pane) that drew it, its colour and style, and its geometry as drawn: a straight leg, an
// arc, or a drill marker.
//
// Coordinates are kept as whole ten-thousandths of a program unit, so a value written in the
// program with up to four decimals comes back exactly; the run itself draws from the stored
// values, which is what makes a repaint the same picture to the pixel.

#include <cstdint>
#include <memory>
#include <vector>

#include "cad/geometry_types.h"

namespace vormak {

// Where a move came from.
struct MoveTag {
  int turret = 1;
  int pane = 1;  // 1 main, 2 second turret, 4 contour text
  int line = 0;
};

enum class ListedKind { kSegment, kArc, kMarker };

// One drawn item as the list gives it back. Arcs: drawn clockwise from `first` to `second`
// (the plot primitives' convention) about `centre`; `from` and `to` are the arc's ends.
struct ListedItem {
  ListedKind kind = ListedKind::kSegment;
  MoveTag tag;
  std::int32_t colour = 0;
  int style = 0;
  Point from;  // segments and arcs: the start; markers: unused
  Point to;    // segments and arcs: the end; markers: the marked point
  int plane = 1;
  double first = 0;
  double second = 0;
  double radius = 0;
  Point centre;
};

// Storage in blocks of a fixed size: growing never copies what is kept, and at most one block
// stands partly empty.
template <class T>
class BlockStore {
 public:
  static constexpr std::size_t kBlock = 4096;
  void push_back(const T& value) {
    if (size_ % kBlock == 0) blocks_.push_back(std::make_unique<T[]>(kBlock));
    blocks_[size_ / kBlock][size_ % kBlock] = value;
    ++size_;
  }
  const T& operator[](std::size_t i) const { return blocks_[i / kBlock][i % kBlock]; }
  const T& back() const { return (*this)[size_ - 1]; }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::size_t Bytes() const {
    return blocks_.size() * kBlock * sizeof(T) + blocks_.capacity() * sizeof(blocks_[0]);
  }

 private:
  std::vector<std::unique_ptr<T[]>> blocks_;
  std::size_t size_ = 0;
};

class DisplayList {
 public:
  // Each Add stores the item and answers it as stored: that is what must be drawn.
  ListedItem AddSegment(const MoveTag& tag, std::int32_t colour, int style, const Point& from,
                        const Point& to);
  // An arc from `from` to `to` about `centre`; `clockwise` as drawn on the screen's axes.
  ListedItem AddArc(const MoveTag& tag, std::int32_t colour, int style, int plane, bool clockwise,
                    double radius, const Point& centre, const Point& from, const Point& to);
  ListedItem AddMarker(const MoveTag& tag, std::int32_t colour, const Point& at);

  void Clear();
  bool Empty() const { return records_.empty(); }
  // Legs and arcs (markers not counted).
  std::size_t MoveCount() const { return moves_; }
  // Memory the list holds, in bytes.
  std::size_t Bytes() const;

  // Every item in the order drawn.
  template <class Visit>
  void ForEach(Visit&& visit) const {
    Reader reader(*this);
    ListedItem item;
    while (reader.Next(item)) visit(item);
  }

 private:
  struct Record {  // 16 bytes
    std::int32_t x, y, z;
    std::uint32_t code;  // kind, arc direction and plane, line
  };
  struct ArcRecord {  // 16 bytes
    std::int32_t cx, cy, cz;
    float radius;
  };
  struct Attributes {
    std::int32_t colour;
    std::uint8_t style, turret, pane;
    friend bool operator==(const Attributes&, const Attributes&) = default;
  };
  struct AttributeRun {  // from record `first` on
    std::uint32_t first;
    std::uint32_t index;
  };

  class Reader {
   public:
    explicit Reader(const DisplayList& list) : list_(list) {}
    bool Next(ListedItem& item);

   private:
    const DisplayList& list_;
    std::size_t record_ = 0;
    std::size_t arc_ = 0;
    std::size_t run_ = 0;
    Attributes attributes_{};
    Point pen_[2]{};  // where each turret's pen stands, in program units
  };

  void Push(const MoveTag& tag, std::int32_t colour, int style, std::uint32_t kind,
            const Record& at);
  // A jump of the turret's pen when the next item does not start where the last one ended.
  void MoveTo(const MoveTag& tag, const Record& at);

  BlockStore<Record> records_;
  BlockStore<ArcRecord> arcs_;
  std::vector<Attributes> attributes_;
  BlockStore<AttributeRun> runs_;
  Record pen_[2]{};
  bool pen_set_[2]{};
  std::size_t moves_ = 0;
};

}  // namespace vormak
