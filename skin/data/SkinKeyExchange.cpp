#include "skin/data/SkinKeyExchange.h"

#include "framework/core/IniFiles.h"

namespace tmv {

const char kDefaultSkinFontName[] = "宋体";

void TspSkinKeyExchange::Font(const std::string& prefix, std::string& name, int32_t& height,
                              TSkinFontStyles& style) {
  String(prefix + "name", name, kDefaultSkinFontName);
  Integer(prefix + "height", height, kDefaultSkinFontHeight);
  FontStyles(prefix + "style", style);
}

void TspSkinKeyExchange::FramesPlacement(std::string_view key, TspFramesPlacement& value) {
  Choice(key, value, "fphorizontal", {"fphorizontal", "fpvertical"});
}

void TspSkinKeyExchange::RegulatorKind(std::string_view key, TspRegulatorKind& value) {
  Choice(key, value, "rkround", {"rkround", "rkhorizontal", "rkvertical"});
}

void TspSkinKeyReader::Integer(std::string_view key, int32_t& value, int32_t def) {
  value = ReadSkinInteger(ini_, section_, key, def);
}

void TspSkinKeyReader::IntegerAtLeast(std::string_view key, int32_t& value, int32_t def,
                                      int32_t least) {
  value = ReadSkinInteger(ini_, section_, key, def);
  if (value < least) value = least;
}

void TspSkinKeyReader::PictureIndex(std::string_view key, int32_t& value) {
  value = ReadSkinInteger(ini_, section_, key, -1);
}

void TspSkinKeyReader::Flag(std::string_view key, bool& value) {
  value = ReadSkinFlag(ini_, section_, key);
}

void TspSkinKeyReader::Color(std::string_view key, uint32_t& value, uint32_t def) {
  value = ReadSkinColor(ini_, section_, key, def);
}

void TspSkinKeyReader::Point(std::string_view key, TPoint& value) {
  value = ReadSkinPoint(ini_, section_, key);
}

void TspSkinKeyReader::Rect(std::string_view key, TRect& value) {
  value = ReadSkinRect(ini_, section_, key);
}

void TspSkinKeyReader::String(std::string_view key, std::string& value, const std::string& def) {
  value = ini_.ReadString(section_, key, def);
}

void TspSkinKeyReader::FontStyles(std::string_view key, TSkinFontStyles& value) {
  value = ReadSkinFontStyles(ini_, section_, key);
}

void TspSkinKeyReader::Alignment(std::string_view key, TSkinAlignment& value) {
  value = ReadSkinAlignment(ini_, section_, key);
}

void TspSkinKeyReader::MorphKind(std::string_view key, TspMorphKind& value) {
  value = ReadMorphKind(ini_, section_, key);
}

void TspSkinKeyReader::Keyword(std::string_view key, int32_t& value, const std::string& def,
                               std::initializer_list<const char*> words) {
  const std::string_view text = ini_.FindValue(section_, key).value_or(def);
  value = 0;
  for (const char* word : words) {
    if (text == word) return;
    ++value;
  }
  --value;
}

void TspSkinKeyReader::LineList(const std::string& name, std::vector<std::string>& lines) {
  lines = ReadSkinLineList(ini_, section_, name);
}

void TspSkinKeyWriter::Integer(std::string_view key, int32_t& value, int32_t) {
  WriteSkinInteger(ini_, section_, std::string(key), value);
}

void TspSkinKeyWriter::IntegerAtLeast(std::string_view key, int32_t& value, int32_t, int32_t) {
  WriteSkinInteger(ini_, section_, std::string(key), value);
}

void TspSkinKeyWriter::PictureIndex(std::string_view key, int32_t& value) {
  WriteSkinInteger(ini_, section_, std::string(key), value);
}

void TspSkinKeyWriter::Flag(std::string_view key, bool& value) {
  WriteSkinFlag(ini_, section_, std::string(key), value);
}

void TspSkinKeyWriter::Color(std::string_view key, uint32_t& value, uint32_t) {
  WriteSkinInteger(ini_, section_, std::string(key), static_cast<int32_t>(value));
}

void TspSkinKeyWriter::Point(std::string_view key, TPoint& value) {
  WriteSkinPoint(ini_, section_, std::string(key), value);
}

void TspSkinKeyWriter::Rect(std::string_view key, TRect& value) {
  WriteSkinRect(ini_, section_, std::string(key), value);
}

void TspSkinKeyWriter::String(std::string_view key, std::string& value, const std::string&) {
  ini_.WriteString(section_, std::string(key), value);
}

void TspSkinKeyWriter::FontStyles(std::string_view key, TSkinFontStyles& value) {
  ini_.WriteString(section_, std::string(key), SkinFontStylesText(value));
}

void TspSkinKeyWriter::Alignment(std::string_view key, TSkinAlignment& value) {
  ini_.WriteString(section_, std::string(key), SkinAlignmentText(value));
}

void TspSkinKeyWriter::MorphKind(std::string_view key, TspMorphKind& value) {
  ini_.WriteString(section_, std::string(key), MorphKindText(value));
}

void TspSkinKeyWriter::Keyword(std::string_view key, int32_t& value, const std::string&,
                               std::initializer_list<const char*> words) {
  const int32_t last = static_cast<int32_t>(words.size()) - 1;
  const int32_t index = value < 0 || value > last ? last : value;
  ini_.WriteString(section_, std::string(key), words.begin()[index]);
}

void TspSkinKeyWriter::LineList(const std::string& name, std::vector<std::string>& lines) {
  WriteSkinLineList(ini_, section_, name, lines);
}

void TspPictureIndexCheck::PictureIndex(std::string_view, int32_t& value) {
  if (value < 0 || static_cast<size_t>(value) >= count_) value = -1;
}

}  // namespace tmv
