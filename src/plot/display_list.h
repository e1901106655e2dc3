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
  bool clockwise = false;  // arcs: the sense `first` and `second` are worked out for
};

// Works out an arc's `first` and `second` from its ends, centre and sense.
void SetArcAngles(ListedItem& arc);

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
  // Its drawing angles are worked out only when `with_angles` (nothing is drawn without them).
  ListedItem AddArc(const MoveTag& tag, std::int32_t colour, int style, int plane, bool clockwise,
                    double radius, const Point& centre, const Point& from, const Point& to,
                    bool with_angles = true);
  ListedItem AddMarker(const MoveTag& tag, std::int32_t colour, const Point& at);

  void Clear();
  bool Empty() const { return records_ == 0; }
  // Legs and arcs (markers not counted).
  std::size_t MoveCount() const { return moves_; }
  // Memory the list holds, in bytes.
  std::size_t Bytes() const;

  // Every item in the order drawn; arcs without their drawing angles, for those who need only a
  // few of them (SetArcAngles gives them).
  template <class Visit>
  void ForEachWithoutAngles(Visit&& visit) const {
    Reader reader(*this, false);
    ListedItem item;
    while (reader.Next(item)) visit(item);
  }
  // Every item in the order drawn.
  template <class Visit>
  void ForEach(Visit&& visit) const {
    Reader reader(*this, true);
    ListedItem item;
    while (reader.Next(item)) visit(item);
  }

 private:
  // Items are kept as a stream of bytes: a header byte (kind, arc sense and plane, how the line
  // number follows the last one, whether Z stays), then each coordinate as the variable-length
  // difference from the item before, an arc's centre as its difference from the arc's end and
  // its radius as a float. A straight leg of a milling path takes six or seven bytes.
  struct Record {
    std::int32_t x, y, z;
    std::uint32_t code;  // kind, arc direction and plane, line
  };
  // Bytes in blocks that are never moved; an item never straddles two blocks.
  class ByteStream {
   public:
    static constexpr std::size_t kBlock = 1 << 16;
    static constexpr std::size_t kLongestItem = 48;
    std::uint8_t* Room();  // at least kLongestItem bytes
    void Used(const std::uint8_t* end) {
      used_.back() = static_cast<std::uint32_t>(end - blocks_.back().get());
    }
    std::size_t BlockCount() const { return blocks_.size(); }
    const std::uint8_t* Block(std::size_t i) const { return blocks_[i].get(); }
    std::size_t BlockUsed(std::size_t i) const { return used_[i]; }
    std::size_t Bytes() const {
      return blocks_.size() * kBlock + blocks_.capacity() * sizeof(blocks_[0]) +
             used_.capacity() * sizeof(used_[0]);
    }

   private:
    std::vector<std::unique_ptr<std::uint8_t[]>> blocks_;
    std::vector<std::uint32_t> used_;
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
    Reader(const DisplayList& list, bool angles) : list_(list), angles_(angles) {}
    bool Next(ListedItem& item);

   private:
    const DisplayList& list_;
    bool angles_;
    std::size_t block_ = 0;
    const std::uint8_t* at_ = nullptr;
    const std::uint8_t* end_ = nullptr;
    std::size_t record_ = 0;
    std::size_t run_ = 0;
    Attributes attributes_{};
    std::int64_t last_[3]{};  // the previous item's point, in steps
    std::uint32_t line_ = 0;
    Point pen_[2]{};  // where each turret's pen stands, in program units
  };

  void Push(const MoveTag& tag, std::int32_t colour, int style, std::uint32_t kind,
            const Record& at, const Record* centre = nullptr, float radius = 0);
  // A jump of the turret's pen when the next item does not start where the last one ended.
  void MoveTo(const MoveTag& tag, const Record& at);

  ByteStream bytes_;
  std::size_t records_ = 0;
  Record last_{};  // the item last pushed
  std::vector<Attributes> attributes_;
  BlockStore<AttributeRun> runs_;
  Record pen_[2]{};
  bool pen_set_[2]{};
  std::size_t moves_ = 0;
};

}  // namespace vormak
