#include <gtest/gtest.h>

#include <string>

#include "skin/imaging/SPUtilsText.h"

namespace tmv {
namespace {

// Six pixels a byte, so a double-byte character is twelve.
int32_t ByBytes(const std::string& s) { return static_cast<int32_t>(6 * s.size()); }

TEST(FitTextToWidth, KeepsFittingTextAndShortensTheRest) {
  EXPECT_EQ(FitTextToWidth("abcdef", 36, ByBytes), "abcdef");
  EXPECT_EQ(FitTextToWidth("abcdef", 30, ByBytes), "ab...");
  EXPECT_EQ(FitTextToWidth("abcdef", 29, ByBytes), "a...");
  EXPECT_EQ(FitTextToWidth("abcdef", 2, ByBytes), "...");
  EXPECT_EQ(FitTextToWidth("", -5, ByBytes), "...");
}

TEST(FitTextToWidth, NeverSplitsADoubleByteCharacter) {
  const std::string text = "中文字";  // GBK: three two-byte characters
  ASSERT_EQ(text.size(), 6u);
  EXPECT_EQ(FitTextToWidth(text, 30, ByBytes), "中...");
  // Room for three bytes and the dots: still only whole characters.
  EXPECT_EQ(FitTextToWidth(text + "x", 36, ByBytes), "中...");
  EXPECT_EQ(FitTextToWidth("a" + text + "x", 42, ByBytes), "a中...");
  // A lead byte at the very end stands alone.
  EXPECT_EQ(GbkCharLength("ab\x81", 2), 1u);
}

}  // namespace
}  // namespace tmv
