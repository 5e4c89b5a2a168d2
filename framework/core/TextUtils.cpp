#include "framework/core/TextUtils.h"

#include <cstdint>

#include "framework/core/Exceptions.h"

namespace tmv {

namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

char FoldUpper(unsigned char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c); }
char FoldLower(unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); }

// Applies fold to single-byte characters only: the trail byte of a GBK character may be an
// ASCII letter, and changing it would turn the character into another one.
template <class Fold>
std::string FoldCase(const std::string& s, Fold fold) {
  std::string out(s);
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (IsLeadByte(c) && i + 1 < out.size())
      ++i;
    else
      out[i] = fold(c);
  }
  return out;
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Decimal values must fit a signed 32-bit integer; hexadecimal ones may use all 32 bits,
// so "$FFFFFFFF" is -1 as the bit pattern says.
bool ParseInt(const std::string& s, int& value) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == s.size()) return false;
  uint64_t magnitude = 0;
  const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  for (; i < s.size(); ++i) {
    int d = DigitValue(s[i]);
    if (d < 0 || d >= base) return false;
    magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
    if (magnitude > limit) return false;
  }
  uint32_t bits = static_cast<uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  value = static_cast<int>(static_cast<int32_t>(bits));
  return true;
}

}  // namespace

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  // Names are mostly asked for as they are written; comparing bytes is much the quicker test.
  if (a == b) return true;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (IsLeadByte(x) && i + 1 < a.size()) {
      if (x != y || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (FoldUpper(x) != FoldUpper(y)) {
      return false;
    }
  }
  return true;
}

size_t TSameTextHash::operator()(std::string_view s) const {
  uint32_t hash = 2166136261u;  // FNV-1a over the bytes as SameText folds them
  for (size_t i = 0; i < s.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    bool pair = IsLeadByte(c) && i + 1 < s.size();
    hash = (hash ^ static_cast<unsigned char>(pair ? c : FoldUpper(c))) * 16777619u;
    if (pair) hash = (hash ^ static_cast<unsigned char>(s[++i])) * 16777619u;
  }
  return hash;
}

std::string UpperCase(const std::string& s) { return FoldCase(s, FoldUpper); }
std::string LowerCase(const std::string& s) { return FoldCase(s, FoldLower); }

std::string Trim(const std::string& s) { return std::string(TrimmedView(s)); }

std::string_view TrimmedView(std::string_view s) {
  size_t first = 0, last = s.size();
  while (first < last && static_cast<unsigned char>(s[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(s[last - 1]) <= ' ') --last;
  return s.substr(first, last - first);
}

std::string_view TakeLine(std::string_view& text) {
  // A plain loop: find_first_of tests every byte against its set through a call, which costs
  // a definition of thousands of lines more than the rest of its reading.
  size_t end = 0;
  while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
  const std::string_view line = text.substr(0, end);
  if (end < text.size()) end += text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
  text.remove_prefix(end);
  return line;
}

std::string IntToStr(long long value) { return std::to_string(value); }

int StrToInt(const std::string& s) {
  int value = 0;
  if (!ParseInt(s, value)) throw EConvertError(Format("'%s' is not a valid integer value", s.c_str()));
  return value;
}

int StrToIntDef(const std::string& s, int def) {
  int value = 0;
  return ParseInt(s, value) ? value : def;
}

bool TryStrToInt(const std::string& s, int& value) {
  int parsed = 0;
  if (!ParseInt(s, parsed)) return false;
  value = parsed;
  return true;
}

size_t LastDelimiter(const std::string& delimiters, const std::string& s) {
  size_t found = std::string::npos;
  for (size_t i = 0; i < s.size(); ++i) {
    if (delimiters.find(s[i]) != std::string::npos) found = i;
    i += GbkCharLength(s, i) - 1;
  }
  return found;
}

std::string ExtractFileExt(const std::string& fileName) {
  size_t i = LastDelimiter(".\\:", fileName);
  if (i == std::string::npos || fileName[i] != '.') return std::string();
  return fileName.substr(i);
}

std::string ExtractFileName(const std::string& fileName) {
  size_t i = LastDelimiter("\\:", fileName);
  return i == std::string::npos ? fileName : fileName.substr(i + 1);
}

std::string ExcludeTrailingPathDelimiter(const std::string& fileName) {
  size_t i = LastDelimiter("\\", fileName);
  if (i != std::string::npos && i + 1 == fileName.size()) return fileName.substr(0, i);
  return fileName;
}

size_t GbkCharLength(const std::string& text, size_t at) {
  return IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

std::string LeftBytes(const std::string& s, size_t maxBytes) {
  size_t end = 0;
  while (end < s.size()) {
    const size_t next = end + GbkCharLength(s, end);
    if (next > maxBytes) break;
    end = next;
  }
  return s.substr(0, end);
}

char AcceleratorOf(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    const auto c = static_cast<unsigned char>(caption[i]);
    if (IsLeadByte(c)) {
      ++i;
    } else if (c == '&') {
      const auto next = static_cast<unsigned char>(caption[i + 1]);
      if (next != '&') return IsLeadByte(next) ? 0 : static_cast<char>(next);
      ++i;
    }
  }
  return 0;
}

bool IsAccel(unsigned key, const std::string& caption) {
  const char accelerator = AcceleratorOf(caption);
  if (accelerator == 0 || key > 0xFF) return false;
  return SameText(std::string(1, static_cast<char>(key)), std::string(1, accelerator));
}

}  // namespace tmv
