#pragma once
// What the interpreter learns from a line's text alone, kept for the next time the same text
// comes round: a WHILE loop or a subprogram called over and over reads the same few lines
// hundreds of thousands of times. The key is the text itself, so a line edited between two
// runs (or during one) is read afresh; every run starts with an empty cache.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vormak {

// One piece of an assignment's right-hand side made ready for the evaluator: an operator, a
// number already read, or a variable looked up each time (with the sign written before it).
struct ReadyPiece {
  enum Kind : std::uint8_t { kNumber, kBadNumber, kPlus, kMinus, kTimes, kDivide, kVariable };
  Kind kind = kNumber;
  double value = 0;
  long long variable = 0;
};

// "#n=..." with plain arithmetic on numbers and variables, read once.
struct ReadyAssignment {
  bool usable = false;  // false: the statement takes the general road every time
  long long target = 0;
  std::vector<ReadyPiece> pieces;
};

struct LineFacts {
  std::uint8_t kind = 0;      // the interpreter's reading of the line
  char rotation = 0;          // the rotation code of its comment, 0 for none
  bool syntax_clean = false;  // "Check Syntax" let it through without a word
  std::string words;          // the line without its comment
  bool assignment_read = false;
  ReadyAssignment assignment;
};

// Where an END found its WHILE, checked against the pane before it is taken again.
struct LoopJump {
  long long number = 0;  // the loop's number n of DOn and ENDn
  int to = 0;            // the WHILE line
  int line_count = 0;    // the pane's line count then
  std::string to_text;   // the WHILE line's text then
};

class LineCache {
 public:
  // A straight program never meets a line twice: the cache starts to fill only once the run
  // has gone back to an earlier line, and starts over when it grows past this many texts.
  static constexpr std::size_t kMaxLines = 4096;

  // The facts of `line`, or null when it has not been read yet (or the cache is idle).
  LineFacts* Find(std::string_view line);
  // A new entry for `line`; null while the cache is idle.
  LineFacts* Add(std::string_view line);
  void Clear();

  // The WHILE an END on `line` of `pane` went back to last time, or null.
  const LoopJump* FindJump(int pane, int line) const;
  void AddJump(int pane, int line, LoopJump jump);
  // The run went back to an earlier line: from now on lines are remembered.
  void Wake() { awake_ = true; }
  bool Awake() const { return awake_; }
  std::size_t Size() const { return lines_.size(); }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  std::unordered_map<std::string, LineFacts, Hash, std::equal_to<>> lines_;
  std::unordered_map<long long, LoopJump> jumps_;  // by pane and line
  bool awake_ = false;
};

}  // namespace vormak
