#include "nctext/line_store.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vormak {
namespace {

std::vector<std::string> Contents(const LineStore& store) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < store.size(); ++i) out.emplace_back(store[i]);
  return out;
}

// Random splices anywhere, against a plain vector doing the same.
TEST(LineStoreTest, RandomSplicesMatchAPlainVector) {
  std::mt19937 random(1234);
  std::vector<std::string> model;
  for (int n = 0; n < 50; ++n) model.push_back("N" + std::to_string(n));
  LineStore store;
  store.Assign(model);
  int next = 1000;
  for (int step = 0; step < 3000; ++step) {
    const std::size_t first = random() % (model.size() + 1);
    const std::size_t remove = std::min<std::size_t>(random() % 4, model.size() - first);
    std::vector<std::string> lines(random() % 4);
    for (auto& line : lines) line = "L" + std::to_string(next++) + std::string(random() % 30, 'x');
    std::vector<std::string> expected_removed(model.begin() + static_cast<long>(first),
                                              model.begin() + static_cast<long>(first + remove));
    model.erase(model.begin() + static_cast<long>(first),
                model.begin() + static_cast<long>(first + remove));
    model.insert(model.begin() + static_cast<long>(first), lines.begin(), lines.end());

    std::vector<std::string> removed(remove);
    store.Splice(first, remove, lines.data(), lines.size(), removed.data());
    ASSERT_EQ(removed, expected_removed) << "step " << step;
    ASSERT_EQ(store.size(), model.size()) << "step " << step;
    std::size_t bytes = 0;
    for (const std::string& line : model) bytes += line.size();
    ASSERT_EQ(store.LineBytes(), bytes) << "step " << step;
  }
  EXPECT_EQ(Contents(store), model);
}

TEST(LineStoreTest, SplicesOnAStoreWithoutGapKeepTheLines) {
  LineStore store;
  store.Assign({"A", "B", "C"});
  std::string inserted[] = {"X"};
  store.Splice(1, 0, inserted, 1, nullptr);
  EXPECT_EQ(Contents(store), (std::vector<std::string>{"A", "X", "B", "C"}));
  std::string removed[2];
  store.Splice(0, 2, nullptr, 0, removed);
  EXPECT_EQ(removed[0], "A");
  EXPECT_EQ(removed[1], "X");
  EXPECT_EQ(Contents(store), (std::vector<std::string>{"B", "C"}));
}

TEST(LineStoreTest, ALoadedTextIsCutAtEveryKindOfLineBreak) {
  const auto lines = [](std::string text) {
    LineStore store;
    store.AssignText(std::move(text));
    return Contents(store);
  };
  using Lines = std::vector<std::string>;
  EXPECT_EQ(lines("N1 G0\r\nN2 X1\rN3 Y2\nN4"), (Lines{"N1 G0", "N2 X1", "N3 Y2", "N4"}));
  LineStore loaded;
  loaded.AssignText("N1 G0\r\nN2 X1\rN3 Y2\nN4\r\n");
  EXPECT_EQ(loaded.LineBytes(), 5 + 5 + 5 + 2u);
  EXPECT_EQ(lines("%\r\n"), (Lines{"%", ""}));
  EXPECT_EQ(lines(""), (Lines{""}));
  EXPECT_EQ(lines("\r\r\n\n"), (Lines{"", "", "", ""}));
  // A CR-LF split over two lines' worth of CRs: "\r\r\n" is two breaks, not three.
  EXPECT_EQ(lines("A\r\r\nB"), (Lines{"A", "", "B"}));
}

TEST(LineStoreTest, ALineRewrittenOverAndOverDoesNotGrowTheStore) {
  LineStore store;
  store.AssignText("N1\nN2\nN3\nN4");
  std::string removed[1];
  for (int n = 0; n < 2000; ++n) {
    std::string line[] = {"N2 X" + std::to_string(n) + std::string(500, ' ')};
    store.Splice(1, 1, line, 1, removed);
  }
  EXPECT_EQ(removed[0], "N2 X1998" + std::string(500, ' '));
  EXPECT_EQ(store[1], "N2 X1999" + std::string(500, ' '));
  EXPECT_EQ(store[3], "N4");
  // A million bytes were written in all; what is held stays near what is alive.
  EXPECT_LT(store.BlockBytes(), std::size_t{300000});
  EXPECT_EQ(store.LineBytes(), 2 + 508 + 2 + 2u);  // packed along the way
  std::string inserted[] = {"N5"};
  store.Splice(4, 0, inserted, 1, nullptr);
  ASSERT_EQ(store.size(), 5u);
  EXPECT_EQ(store[0], "N1");
  EXPECT_EQ(store[4], "N5");
}

}  // namespace
}  // namespace vormak
