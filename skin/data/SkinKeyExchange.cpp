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

void TspSkinKeyExchange::FramesPlacement(const std::string& key, TspFramesPlacement& value) {
  Choice(key, value, "fphorizontal", {"fphorizontal", "fpvertical"});
}

void TspSkinKeyExchange::RegulatorKind(const std::string& key, TspRegulatorKind& value) {
  Choice(key, value, "rkround", {"rkround", "rkhorizontal", "rkvertical"});
}

void TspSkinKeyReader::Integer(const std::string& key, int32_t& value, int32_t def) {
  value = ReadSkinInteger(ini_, section_, key, def);
}

void TspSkinKeyReader::IntegerAtLeast(const std::string& key, int32_t& value, int32_t def,
                                      int32_t least) {
  value = ReadSkinInteger(ini_, section_, key, def);
  if (value < least) value = least;
}

void TspSkinKeyReader::PictureIndex(const std::string& key, int32_t& value) {
  value = ReadSkinInteger(ini_, section_, key, -1);
}

void TspSkinKeyReader::Flag(const std::string& key, bool& value) {
  value = ReadSkinFlag(ini_, section_, key);
}

void TspSkinKeyReader::Color(const std::string& key, uint32_t& value, uint32_t def) {
  value = ReadSkinColor(ini_, section_, key, def);
}

void TspSkinKeyReader::Point(const std::string& key, TPoint& value) {
  value = ReadSkinPoint(ini_, section_, key);
}

void TspSkinKeyReader::Rect(const std::string& key, TRect& value) {
  value = ReadSkinRect(ini_, section_, key);
}

void TspSkinKeyReader::String(const std::string& key, std::string& value, const std::string& def) {
  value = ini_.ReadString(section_, key, def);
}

void TspSkinKeyReader::FontStyles(const std::string& key, TSkinFontStyles& value) {
  value = ReadSkinFontStyles(ini_, section_, key);
}

void TspSkinKeyReader::Alignment(const std::string& key, TSkinAlignment& value) {
  value = ReadSkinAlignment(ini_, section_, key);
}

void TspSkinKeyReader::MorphKind(const std::string& key, TspMorphKind& value) {
  value = ReadMorphKind(ini_, section_, key);
}

void TspSkinKeyReader::Keyword(const std::string& key, int32_t& value, const std::string& def,
                               std::initializer_list<const char*> words) {
  const std::string text = ini_.ReadString(section_, key, def);
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

void TspSkinKeyWriter::Integer(const std::string& key, int32_t& value, int32_t) {
  WriteSkinInteger(ini_, section_, key, value);
}

void TspSkinKeyWriter::IntegerAtLeast(const std::string& key, int32_t& value, int32_t, int32_t) {
  WriteSkinInteger(ini_, section_, key, value);
}

void TspSkinKeyWriter::PictureIndex(const std::string& key, int32_t& value) {
  WriteSkinInteger(ini_, section_, key, value);
}

void TspSkinKeyWriter::Flag(const std::string& key, bool& value) {
  WriteSkinFlag(ini_, section_, key, value);
}

void TspSkinKeyWriter::Color(const std::string& key, uint32_t& value, uint32_t) {
  WriteSkinInteger(ini_, section_, key, static_cast<int32_t>(value));
}

void TspSkinKeyWriter::Point(const std::string& key, TPoint& value) {
  WriteSkinPoint(ini_, section_, key, value);
}

void TspSkinKeyWriter::Rect(const std::string& key, TRect& value) {
  WriteSkinRect(ini_, section_, key, value);
}

void TspSkinKeyWriter::String(const std::string& key, std::string& value, const std::string&) {
  ini_.WriteString(section_, key, value);
}

void TspSkinKeyWriter::FontStyles(const std::string& key, TSkinFontStyles& value) {
  ini_.WriteString(section_, key, SkinFontStylesText(value));
}

void TspSkinKeyWriter::Alignment(const std::string& key, TSkinAlignment& value) {
  ini_.WriteString(section_, key, SkinAlignmentText(value));
}

void TspSkinKeyWriter::MorphKind(const std::string& key, TspMorphKind& value) {
  ini_.WriteString(section_, key, MorphKindText(value));
}

void TspSkinKeyWriter::Keyword(const std::string& key, int32_t& value, const std::string&,
                               std::initializer_list<const char*> words) {
  const int32_t last = static_cast<int32_t>(words.size()) - 1;
  const int32_t index = value < 0 || value > last ? last : value;
  ini_.WriteString(section_, key, words.begin()[index]);
}

void TspSkinKeyWriter::LineList(const std::string& name, std::vector<std::string>& lines) {
  WriteSkinLineList(ini_, section_, name, lines);
}

void TspPictureIndexCheck::PictureIndex(const std::string&, int32_t& value) {
  if (value < 0 || static_cast<size_t>(value) >= count_) value = -1;
}

}  // namespace tmv
