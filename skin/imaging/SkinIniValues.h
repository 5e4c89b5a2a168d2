#pragma once
// The value syntaxes of a skin definition: every descriptor reads and writes its keys through
// these. Keywords inside values are matched exactly, letter case included.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/imaging/SkinGeometry.h"

namespace tmv {

class TMemIniFile;

struct TSkinFontStyles {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  bool operator==(const TSkinFontStyles& o) const {
    return Bold == o.Bold && Italic == o.Italic && Underline == o.Underline &&
           StrikeOut == o.StrikeOut;
  }
};

enum class TSkinAlignment { LeftJustify, RightJustify, Center };

enum TspMorphKind { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide,
                    mkRightSlide, mkPush };

enum TspEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };

// Decimal with an optional sign, or hexadecimal after "0x", "0X" or "$" (up to eight digits,
// taken as the 32-bit pattern, so "$FFFFFFFF" is -1). False for anything else.
bool ParseSkinInteger(std::string_view text, int32_t& value);
// Of each comma-separated field only the digits count; raises EConvertError when a field has
// none or too few fields are given. Fields beyond the ones needed are ignored.
TPoint ParseSkinPoint(std::string_view text);
TRect ParseSkinRect(std::string_view text);
TSkinFontStyles ParseSkinFontStyles(std::string_view text);
TSkinAlignment ParseSkinAlignment(std::string_view text);
TspMorphKind ParseMorphKind(std::string_view text);
TspEffect ParseImageEffect(std::string_view text);
// "name:kind" split at the first ":"; false when there is none.
bool SplitNameAndKind(const std::string& entry, std::string& name, std::string& kind);

int32_t ReadSkinInteger(const TMemIniFile& ini, std::string_view section, std::string_view key,
                        int32_t def);
bool ReadSkinFlag(const TMemIniFile& ini, std::string_view section, std::string_view key);
uint32_t ReadSkinColor(const TMemIniFile& ini, std::string_view section, std::string_view key,
                       uint32_t def);
TPoint ReadSkinPoint(const TMemIniFile& ini, std::string_view section, std::string_view key);
TRect ReadSkinRect(const TMemIniFile& ini, std::string_view section, std::string_view key);
TSkinFontStyles ReadSkinFontStyles(const TMemIniFile& ini, std::string_view section,
                                   std::string_view key);
TSkinAlignment ReadSkinAlignment(const TMemIniFile& ini, std::string_view section,
                                 std::string_view key);
TspMorphKind ReadMorphKind(const TMemIniFile& ini, std::string_view section, std::string_view key);
TspEffect ReadImageEffect(const TMemIniFile& ini, std::string_view section, std::string_view key);
// The numbers i below count for which the section has the key prefix + i (i written plainly,
// the prefix in any letter case), in ascending order. Counts come from the skin and may be
// anything: only keys that exist are visited.
std::vector<int32_t> ItemKeysPresent(const TMemIniFile& ini, const std::string& section,
                                     const std::string& prefix, int32_t count);
// "<name>count" holds n; keys "0" to "n-1" hold the items, a missing one read as empty. The
// list ends with the last item present.
std::vector<std::string> ReadSkinStringList(const TMemIniFile& ini, const std::string& section,
                                            const std::string& name);
// "<name>linecount" holds n; keys "<name>line0" to "<name>line<n-1>" hold the lines, as above.
std::vector<std::string> ReadSkinLineList(const TMemIniFile& ini, const std::string& section,
                                          const std::string& name);

std::string SkinPointText(const TPoint& p);
std::string SkinRectText(const TRect& r);
std::string SkinFontStylesText(const TSkinFontStyles& styles);
std::string SkinAlignmentText(TSkinAlignment alignment);
std::string MorphKindText(TspMorphKind kind);
std::string ImageEffectText(TspEffect effect);

void WriteSkinInteger(TMemIniFile& ini, const std::string& section, const std::string& key,
                      int32_t value);
void WriteSkinFlag(TMemIniFile& ini, const std::string& section, const std::string& key,
                   bool value);
void WriteSkinPoint(TMemIniFile& ini, const std::string& section, const std::string& key,
                    const TPoint& value);
void WriteSkinRect(TMemIniFile& ini, const std::string& section, const std::string& key,
                   const TRect& value);
void WriteSkinStringList(TMemIniFile& ini, const std::string& section, const std::string& name,
                         const std::vector<std::string>& items);
void WriteSkinLineList(TMemIniFile& ini, const std::string& section, const std::string& name,
                       const std::vector<std::string>& lines);

}  // namespace tmv
