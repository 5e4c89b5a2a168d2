#include <gtest/gtest.h>

#include "framework/core/Exceptions.h"
#include "framework/core/TextUtils.h"

namespace tmv {
namespace {

TEST(TextUtils, CaseFoldingLeavesGbkCharactersAlone) {
  // GBK trail bytes run from 0x40, so a double-byte character can end in an ASCII letter.
  const std::string gbkWithLetterTrail = "\x81\x61";  // lead 0x81, trail 'a'
  EXPECT_EQ(UpperCase("abc" + gbkWithLetterTrail + "xyz"), "ABC" + gbkWithLetterTrail + "XYZ");
  EXPECT_EQ(LowerCase("ABC\x81\x41Z"), "abc\x81\x41z");
  EXPECT_EQ(UpperCase("中文a"), "中文A");
  EXPECT_FALSE(SameText("\x81\x61", "\x81\x41"));
  EXPECT_TRUE(SameText("Button中", "bUTTON中"));
  EXPECT_FALSE(SameText("abc", "abcd"));
  EXPECT_FALSE(SameText("[", "{"));
  // A lead byte at the very end has no trail byte and is compared as it is.
  EXPECT_TRUE(SameText("a\x81", "A\x81"));
}

TEST(TextUtils, TrimRemovesBlanksAndControlsButNotHighBytes) {
  EXPECT_EQ(Trim(" \t\r\n x y \x01\x1f"), "x y");
  EXPECT_EQ(Trim("  "), "");
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(Trim("\xA1\xA1"), "\xA1\xA1");  // a GBK full-width blank is text
}

TEST(TextUtils, LeftBytesCutsOnlyWhereACharacterStarts) {
  EXPECT_EQ(LeftBytes("abc", 5), "abc");
  EXPECT_EQ(LeftBytes("abc", 2), "ab");
  EXPECT_EQ(LeftBytes("a中文", 4), "a中");  // the second character would need bytes 4 and 5
  EXPECT_EQ(LeftBytes("a中文", 3), "a中");
  EXPECT_EQ(LeftBytes("中", 1), "");
  // Where the characters start is known only from the front: "\x81\x81" is one character
  // and the third byte starts the next.
  EXPECT_EQ(LeftBytes("\x81\x81\x81\x41", 3), "\x81\x81");
  // A lead byte at the end, with no trail byte, is a character of its own.
  EXPECT_EQ(LeftBytes("ab\x81", 3), "ab\x81");
  EXPECT_EQ(LeftBytes("", 0), "");
}

TEST(TextUtils, StrToIntReadsDecimalAndHexadecimal) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("-11"), -11);
  EXPECT_EQ(StrToInt("+42"), 42);
  EXPECT_EQ(StrToInt("  7"), 7);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("0x1f"), 31);
  EXPECT_EQ(StrToInt("-$10"), -16);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(IntToStr(-2147483648LL), "-2147483648");
}

TEST(TextUtils, StrToIntRejectsWhatIsNotAnInteger) {
  for (const char* bad : {"", " ", "-", "$", "0x", "12a", "1 ", "2147483648", "-2147483649",
                          "$100000000", "1.5", "$G"}) {
    int value = 99;
    EXPECT_FALSE(TryStrToInt(bad, value)) << bad;
    EXPECT_EQ(value, 99) << bad;
    EXPECT_EQ(StrToIntDef(bad, -5), -5) << bad;
  }
  try {
    StrToInt("12a");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'12a' is not a valid integer value");
  }
}

}  // namespace
}  // namespace tmv
