#include <gtest/gtest.h>

#include <vector>

#include "framework/core/TabCycle.h"
#include "framework/core/TextUtils.h"

namespace tmv {
namespace {

TEST(Accelerators, TheFirstLoneAmpersandMarksTheKey) {
  EXPECT_EQ(AcceleratorOf("&Open"), 'O');
  EXPECT_EQ(AcceleratorOf("打开(&O)"), 'O');
  EXPECT_EQ(AcceleratorOf("Save && E&xit"), 'x');
  EXPECT_EQ(AcceleratorOf("&a&b"), 'a');
  EXPECT_EQ(AcceleratorOf("no key"), 0);
  EXPECT_EQ(AcceleratorOf("ends with &"), 0);
  EXPECT_EQ(AcceleratorOf("&&"), 0);
  // An "&" before a GBK character marks no key; one after a GBK character does.
  EXPECT_EQ(AcceleratorOf("&中文"), 0);
  EXPECT_EQ(AcceleratorOf("\xB4\xF2&k"), 'k');

  EXPECT_TRUE(IsAccel('o', "打开(&O)"));
  EXPECT_TRUE(IsAccel('O', "打开(&O)"));
  EXPECT_TRUE(IsAccel('1', "Level &1"));
  EXPECT_FALSE(IsAccel('P', "打开(&O)"));
  EXPECT_FALSE(IsAccel('O', "Open"));
  EXPECT_FALSE(IsAccel(0, "Open"));
  EXPECT_FALSE(IsAccel('O' + 0x100, "&Open"));
}

std::vector<int> Walk(int count, int from, bool forward, std::vector<bool> takes, int steps) {
  std::vector<int> visited;
  for (int i = 0; i < steps; ++i) {
    from = NextInRing(count, from, forward, [&](int k) { return takes[static_cast<size_t>(k)]; });
    visited.push_back(from);
  }
  return visited;
}

TEST(TabCycle, SkipsWhatCannotTakeTheFocusAndWraps) {
  const std::vector<bool> takes = {false, true, true, false, true};
  EXPECT_EQ(Walk(5, -1, true, takes, 4), (std::vector<int>{1, 2, 4, 1}));
  EXPECT_EQ(Walk(5, -1, false, takes, 4), (std::vector<int>{4, 2, 1, 4}));
  EXPECT_EQ(Walk(5, 2, true, takes, 1), std::vector<int>{4});
  // The only candidate is found again from itself.
  EXPECT_EQ(Walk(3, 1, true, {false, true, false}, 2), (std::vector<int>{1, 1}));
  EXPECT_EQ(Walk(3, -1, true, {false, false, false}, 1), std::vector<int>{-1});
  EXPECT_EQ(NextInRing(0, -1, true, [](int) { return true; }), -1);
}

}  // namespace
}  // namespace tmv
