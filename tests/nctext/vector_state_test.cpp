#include "nctext/vector_state.h"

#include <gtest/gtest.h>

#include "support/vector_state_probe.h"

namespace vormak {
namespace {

TEST(VectorState, ClearingLeavesTheUpperHalvesFree) {
  test::MarkUpperHalvesInUse();
  const std::optional<bool> marked = test::UpperHalvesInUse();
  if (!marked) GTEST_SKIP() << "this processor cannot say";
  ASSERT_TRUE(*marked);  // the probe sees what it set
  ClearVectorUpperHalves();
  EXPECT_FALSE(*test::UpperHalvesInUse());
}

}  // namespace
}  // namespace vormak
