#include "nctext/line_store.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vormak {
namespace {

std::vector<std::string> Contents(const LineStore& store) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < store.size(); ++i) out.push_back(store[i]);
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

}  // namespace
}  // namespace vormak
