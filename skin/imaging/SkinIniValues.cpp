#include "skin/imaging/SkinIniValues.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>

#include "framework/core/Exceptions.h"
#include "framework/core/IniFiles.h"
#include "framework/core/Strings.h"
#include "framework/core/TextUtils.h"

namespace tmv {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseHex(std::string_view digits, int32_t& value) {
  if (digits.empty() || digits.size() > 8) return false;
  uint32_t v = 0;
  for (char c : digits) {
    int d = HexDigit(c);
    if (d < 0) return false;
    v = v << 4 | static_cast<uint32_t>(d);
  }
  value = static_cast<int32_t>(v);
  return true;
}

bool ParseDecimal(std::string_view text, int32_t& value) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  int64_t v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
    if (v > int64_t{std::numeric_limits<int32_t>::max()} + 1) return false;
  }
  if (negative) v = -v;
  if (v > std::numeric_limits<int32_t>::max()) return false;
  value = static_cast<int32_t>(v);
  return true;
}

[[noreturn]] void NotAnInteger(const std::string& text) {
  throw EConvertError(Format("'%s' is not a valid integer value", text.c_str()));
}

std::string DigitsIn(std::string_view field) {
  std::string digits;
  for (char c : field)
    if (c >= '0' && c <= '9') digits += c;
  return digits;
}

// A field's value is its decimal digits read as one number; signs and other characters are
// dropped.
int32_t FieldValue(std::string_view field) {
  constexpr int64_t kTooLarge = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t value = 0;
  bool anyDigit = false;
  for (char c : field) {
    if (c < '0' || c > '9') continue;
    anyDigit = true;
    value = std::min(value * 10 + (c - '0'), kTooLarge);
  }
  if (!anyDigit || value == kTooLarge) NotAnInteger(DigitsIn(field));
  return static_cast<int32_t>(value);
}

// The first N comma-separated fields of text, read without copying them: a
// skin's definition holds hundreds of points and rectangles.
template <size_t N>
std::array<int32_t, N> ParseFields(std::string_view text) {
  if (static_cast<size_t>(std::count(text.begin(), text.end(), ',')) + 1 < N) NotAnInteger("");
  const std::string_view rest(text);
  std::array<int32_t, N> values{};
  size_t start = 0;
  for (int32_t& value : values) {
    const size_t comma = std::min(rest.find(',', start), rest.size());
    value = FieldValue(rest.substr(start, comma - start));
    start = comma + 1;
  }
  return values;
}

// A list ends with the last item key present below its count, so a huge count costs nothing
// and a gap in the numbering loses none of the items after it.
int32_t BoundedCount(const TMemIniFile& ini, const std::string& section, const std::string& key,
                     const std::string& itemPrefix) {
  const std::vector<int32_t> present =
      ItemKeysPresent(ini, section, itemPrefix, ReadSkinInteger(ini, section, key, 0));
  return present.empty() ? 0 : present.back() + 1;
}

// The key's value as it stands in the definition, or def; lent rather than copied.
std::string_view ValueOr(const TMemIniFile& ini, std::string_view section, std::string_view key,
                         std::string_view def) {
  return ini.FindValue(section, key).value_or(def);
}

// Whether text is index written plainly: decimal digits without sign or leading zero.
bool IsPlainIndex(std::string_view text, int32_t count, int32_t& index) {
  if (text.empty() || text.size() > 10 || (text[0] == '0' && text.size() > 1)) return false;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value >= count) return false;
  index = static_cast<int32_t>(value);
  return true;
}

}  // namespace

std::vector<int32_t> ItemKeysPresent(const TMemIniFile& ini, const std::string& section,
                                     const std::string& prefix, int32_t count) {
  if (count <= 0) return {};
  std::vector<int32_t> indexes;
  for (std::string_view key : ini.SectionKeys(section)) {
    if (key.size() <= prefix.size() || !SameText(key.substr(0, prefix.size()), prefix)) continue;
    int32_t index;
    if (IsPlainIndex(key.substr(prefix.size()), count, index)) indexes.push_back(index);
  }
  std::sort(indexes.begin(), indexes.end());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  return indexes;
}

bool ParseSkinInteger(std::string_view text, int32_t& value) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return ParseHex(text.substr(2), value);
  if (!text.empty() && text[0] == '$') return ParseHex(text.substr(1), value);
  return ParseDecimal(text, value);
}

TPoint ParseSkinPoint(std::string_view text) {
  const std::array<int32_t, 2> v = ParseFields<2>(text);
  return TPoint{v[0], v[1]};
}

TRect ParseSkinRect(std::string_view text) {
  const std::array<int32_t, 4> v = ParseFields<4>(text);
  return TRect{v[0], v[1], v[2], v[3]};
}

TSkinFontStyles ParseSkinFontStyles(std::string_view text) {
  TSkinFontStyles s;
  s.Bold = text.find("fsbold") != std::string_view::npos;
  s.Italic = text.find("fsitalic") != std::string_view::npos;
  s.Underline = text.find("fsunderline") != std::string_view::npos;
  s.StrikeOut = text.find("fsstrikeout") != std::string_view::npos;
  return s;
}

TSkinAlignment ParseSkinAlignment(std::string_view text) {
  if (text == "tacenter") return TSkinAlignment::Center;
  if (text == "taleftjustify") return TSkinAlignment::LeftJustify;
  return TSkinAlignment::RightJustify;
}

namespace {
const char* const kMorphKinds[] = {"mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient",
                                   "mkleftslide", "mkrightslide", "mkpush"};
const char* const kImageEffects[] = {"iebrightness", "iedarkness", "iegrayscale", "ienoise",
                                     "iesplitblur", "ieinvert"};

template <size_t N>
int KeywordIndex(const char* const (&words)[N], std::string_view text) {
  for (size_t i = 0; i < N; ++i)
    if (text == words[i]) return static_cast<int>(i);
  return -1;
}
}  // namespace

TspMorphKind ParseMorphKind(std::string_view text) {
  int i = KeywordIndex(kMorphKinds, text);
  return i < 0 ? mkDefault : static_cast<TspMorphKind>(i);
}

TspEffect ParseImageEffect(std::string_view text) {
  int i = KeywordIndex(kImageEffects, text);
  return i < 0 ? ieGrayScale : static_cast<TspEffect>(i);
}

bool SplitNameAndKind(const std::string& entry, std::string& name, std::string& kind) {
  size_t colon = entry.find(':');
  if (colon == std::string::npos) return false;
  name = entry.substr(0, colon);
  kind = entry.substr(colon + 1);
  return true;
}

int32_t ReadSkinInteger(const TMemIniFile& ini, std::string_view section, std::string_view key,
                        int32_t def) {
  const std::optional<std::string_view> text = ini.FindValue(section, key);
  int32_t value;
  return text && ParseSkinInteger(*text, value) ? value : def;
}

bool ReadSkinFlag(const TMemIniFile& ini, std::string_view section, std::string_view key) {
  return ReadSkinInteger(ini, section, key, 0) == 1;
}

uint32_t ReadSkinColor(const TMemIniFile& ini, std::string_view section, std::string_view key,
                       uint32_t def) {
  return static_cast<uint32_t>(ReadSkinInteger(ini, section, key, static_cast<int32_t>(def)));
}

TPoint ReadSkinPoint(const TMemIniFile& ini, std::string_view section, std::string_view key) {
  return ParseSkinPoint(ValueOr(ini, section, key, "0,0"));
}

TRect ReadSkinRect(const TMemIniFile& ini, std::string_view section, std::string_view key) {
  return ParseSkinRect(ValueOr(ini, section, key, "0,0,0,0"));
}

TSkinFontStyles ReadSkinFontStyles(const TMemIniFile& ini, std::string_view section,
                                   std::string_view key) {
  return ParseSkinFontStyles(ValueOr(ini, section, key, ""));
}

TSkinAlignment ReadSkinAlignment(const TMemIniFile& ini, std::string_view section,
                                 std::string_view key) {
  return ParseSkinAlignment(ValueOr(ini, section, key, "tacenter"));
}

TspMorphKind ReadMorphKind(const TMemIniFile& ini, std::string_view section, std::string_view key) {
  return ParseMorphKind(ValueOr(ini, section, key, "mkdefault"));
}

TspEffect ReadImageEffect(const TMemIniFile& ini, std::string_view section, std::string_view key) {
  return ParseImageEffect(ValueOr(ini, section, key, "iebrightness"));
}

std::vector<std::string> ReadSkinStringList(const TMemIniFile& ini, const std::string& section,
                                            const std::string& name) {
  int32_t n = BoundedCount(ini, section, name + "count", "");
  std::vector<std::string> items;
  for (int32_t i = 0; i < n; ++i) items.push_back(ini.ReadString(section, IntToStr(i), ""));
  return items;
}

std::vector<std::string> ReadSkinLineList(const TMemIniFile& ini, const std::string& section,
                                          const std::string& name) {
  int32_t n = BoundedCount(ini, section, name + "linecount", name + "line");
  std::vector<std::string> lines;
  for (int32_t i = 0; i < n; ++i)
    lines.push_back(ini.ReadString(section, name + "line" + IntToStr(i), ""));
  return lines;
}

std::string SkinPointText(const TPoint& p) { return IntToStr(p.X) + "," + IntToStr(p.Y); }

std::string SkinRectText(const TRect& r) {
  return IntToStr(r.Left) + "," + IntToStr(r.Top) + "," + IntToStr(r.Right) + "," +
         IntToStr(r.Bottom);
}

std::string SkinFontStylesText(const TSkinFontStyles& styles) {
  std::string text;
  auto add = [&text](bool set, const char* word) {
    if (!set) return;
    if (!text.empty()) text += ",";
    text += word;
  };
  add(styles.Bold, "fsbold");
  add(styles.Italic, "fsitalic");
  add(styles.Underline, "fsunderline");
  add(styles.StrikeOut, "fsstrikeout");
  return text;
}

std::string SkinAlignmentText(TSkinAlignment alignment) {
  switch (alignment) {
    case TSkinAlignment::Center: return "tacenter";
    case TSkinAlignment::LeftJustify: return "taleftjustify";
    case TSkinAlignment::RightJustify: return "tarightjustify";
  }
  return "tacenter";
}

std::string MorphKindText(TspMorphKind kind) { return kMorphKinds[kind]; }

std::string ImageEffectText(TspEffect effect) { return kImageEffects[effect]; }

void WriteSkinInteger(TMemIniFile& ini, const std::string& section, const std::string& key,
                      int32_t value) {
  ini.WriteString(section, key, IntToStr(value));
}

void WriteSkinFlag(TMemIniFile& ini, const std::string& section, const std::string& key,
                   bool value) {
  ini.WriteString(section, key, value ? "1" : "0");
}

void WriteSkinPoint(TMemIniFile& ini, const std::string& section, const std::string& key,
                    const TPoint& value) {
  ini.WriteString(section, key, SkinPointText(value));
}

void WriteSkinRect(TMemIniFile& ini, const std::string& section, const std::string& key,
                   const TRect& value) {
  ini.WriteString(section, key, SkinRectText(value));
}

void WriteSkinStringList(TMemIniFile& ini, const std::string& section, const std::string& name,
                         const std::vector<std::string>& items) {
  WriteSkinInteger(ini, section, name + "count", static_cast<int32_t>(items.size()));
  for (size_t i = 0; i < items.size(); ++i)
    ini.WriteString(section, IntToStr(static_cast<long long>(i)), items[i]);
}

void WriteSkinLineList(TMemIniFile& ini, const std::string& section, const std::string& name,
                       const std::vector<std::string>& lines) {
  WriteSkinInteger(ini, section, name + "linecount", static_cast<int32_t>(lines.size()));
  for (size_t i = 0; i < lines.size(); ++i)
    ini.WriteString(section, name + "line" + IntToStr(static_cast<long long>(i)), lines[i]);
}

}  // namespace tmv
