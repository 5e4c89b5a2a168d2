#pragma once
// Small text routines over ANSI byte strings.
#include <cstddef>
#include <string>
#include <string_view>

namespace tmv {

// Case folding touches ASCII letters only; the two bytes of a GBK character are compared
// and kept byte for byte, since a trail byte may look like an ASCII letter.
bool SameText(std::string_view a, std::string_view b);
// Hash and equality for containers of names compared as SameText compares them.
struct TSameTextHash {
  size_t operator()(std::string_view s) const;
};
struct TSameTextEqual {
  bool operator()(std::string_view a, std::string_view b) const { return SameText(a, b); }
};
std::string UpperCase(const std::string& s);
std::string LowerCase(const std::string& s);
// Trims blanks and control characters (bytes up to 32) at both ends.
std::string Trim(const std::string& s);
// Trim without the copy, for readers that go through many lines.
std::string_view TrimmedView(std::string_view s);
// Takes the first line off text and answers it without its ending (CR LF, CR or LF).
std::string_view TakeLine(std::string_view& text);
std::string IntToStr(long long value);
// Leading spaces, an optional sign, then decimal digits or "$" / "0x" and hexadecimal digits.
// Decimal text must fit a signed 32-bit integer; hexadecimal text may use all 32 bits
// ("$FFFFFFFF" is -1). Anything else: EConvertError "'%s' is not a valid integer value".
int StrToInt(const std::string& s);
int StrToIntDef(const std::string& s, int def);
bool TryStrToInt(const std::string& s, int& value);

// File names. A byte is a delimiter only where a character starts, since the trail byte of
// a GBK character may be 0x5C, the backslash, and would cut the name in two.
// The index of the last character of s that is one of delimiters; npos when none.
size_t LastDelimiter(const std::string& delimiters, const std::string& s);
// The part from the last "." that stands after the last backslash and ":"; empty when none.
std::string ExtractFileExt(const std::string& fileName);
// What follows the last backslash or ":".
std::string ExtractFileName(const std::string& fileName);
// The name without its final backslash, if it ends in one (a drive root "D:\" gives "D:").
std::string ExcludeTrailingPathDelimiter(const std::string& fileName);

// Byte length of the character starting at `at`: 2 for a GBK lead byte followed by a byte, else 1.
size_t GbkCharLength(const std::string& text, size_t at);

// The longest start of s of at most maxBytes bytes that ends where a character ends, so a
// GBK character is never cut in two.
std::string LeftBytes(const std::string& s, size_t maxBytes);

// Accelerators: the character after the first lone "&" of a caption ("打开(&O)" marks 'O';
// "&&" shows one "&"). 0 when there is none, or when a GBK character follows the "&".
char AcceleratorOf(const std::string& caption);
// True when key is the caption's accelerator, ASCII letters compared without regard to case.
bool IsAccel(unsigned key, const std::string& caption);

}  // namespace tmv
