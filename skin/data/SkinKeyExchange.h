#pragma once
// A descriptor names its keys once, in reading order, and the same list serves reading,
// writing and checking picture indexes; so what is written is exactly what is read.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "skin/imaging/SkinGeometry.h"
#include "skin/imaging/SkinIniValues.h"

namespace tmv {

class TMemIniFile;

// The skin's default font: "宋体" of height 14.
extern const char kDefaultSkinFontName[];
constexpr int32_t kDefaultSkinFontHeight = 14;

// How the frames of an image strip stand: side by side or one below the other.
enum class TspFramesPlacement { Horizontal, Vertical };
enum class TspRegulatorKind { Round, Horizontal, Vertical };

class TspSkinKeyExchange {
public:
  virtual ~TspSkinKeyExchange() = default;

  virtual void Integer(std::string_view key, int32_t& value, int32_t def) = 0;
  // A value below least becomes least.
  virtual void IntegerAtLeast(std::string_view key, int32_t& value, int32_t def, int32_t least) = 0;
  // An index into the skin's active pictures; -1 none.
  virtual void PictureIndex(std::string_view key, int32_t& value) = 0;
  virtual void Flag(std::string_view key, bool& value) = 0;
  virtual void Color(std::string_view key, uint32_t& value, uint32_t def) = 0;
  virtual void Point(std::string_view key, TPoint& value) = 0;
  virtual void Rect(std::string_view key, TRect& value) = 0;
  virtual void String(std::string_view key, std::string& value, const std::string& def) = 0;
  virtual void FontStyles(std::string_view key, TSkinFontStyles& value) = 0;
  virtual void Alignment(std::string_view key, TSkinAlignment& value) = 0;
  virtual void MorphKind(std::string_view key, TspMorphKind& value) = 0;
  // value is the position of its keyword in words; text matching none of them gives the last.
  virtual void Keyword(std::string_view key, int32_t& value, const std::string& def,
                       std::initializer_list<const char*> words) = 0;
  virtual void LineList(const std::string& name, std::vector<std::string>& lines) = 0;

  // "<prefix>name", "<prefix>height" and "<prefix>style".
  void Font(const std::string& prefix, std::string& name, int32_t& height, TSkinFontStyles& style);
  // An enumeration whose values are the positions of their keywords in words.
  template <class Enum>
  void Choice(std::string_view key, Enum& value, const std::string& def,
              std::initializer_list<const char*> words) {
    int32_t index = static_cast<int32_t>(value);
    Keyword(key, index, def, words);
    value = static_cast<Enum>(index);
  }
  // "fphorizontal" (the default); any other text places the frames vertically.
  void FramesPlacement(std::string_view key, TspFramesPlacement& value);
  // "rkround" (the default), "rkhorizontal"; any other text is vertical.
  void RegulatorKind(std::string_view key, TspRegulatorKind& value);
};

class TspSkinKeyReader : public TspSkinKeyExchange {
public:
  TspSkinKeyReader(const TMemIniFile& ini, const std::string& section) : ini_(ini), section_(section) {}

  void Integer(std::string_view key, int32_t& value, int32_t def) override;
  void IntegerAtLeast(std::string_view key, int32_t& value, int32_t def, int32_t least) override;
  void PictureIndex(std::string_view key, int32_t& value) override;
  void Flag(std::string_view key, bool& value) override;
  void Color(std::string_view key, uint32_t& value, uint32_t def) override;
  void Point(std::string_view key, TPoint& value) override;
  void Rect(std::string_view key, TRect& value) override;
  void String(std::string_view key, std::string& value, const std::string& def) override;
  void FontStyles(std::string_view key, TSkinFontStyles& value) override;
  void Alignment(std::string_view key, TSkinAlignment& value) override;
  void MorphKind(std::string_view key, TspMorphKind& value) override;
  void Keyword(std::string_view key, int32_t& value, const std::string& def,
               std::initializer_list<const char*> words) override;
  void LineList(const std::string& name, std::vector<std::string>& lines) override;

private:
  const TMemIniFile& ini_;
  const std::string& section_;
};

// Writes over the keys it knows and leaves every other key of the section as it was, so
// keys this program does not read survive a write.
class TspSkinKeyWriter : public TspSkinKeyExchange {
public:
  TspSkinKeyWriter(TMemIniFile& ini, const std::string& section) : ini_(ini), section_(section) {}

  void Integer(std::string_view key, int32_t& value, int32_t def) override;
  void IntegerAtLeast(std::string_view key, int32_t& value, int32_t def, int32_t least) override;
  void PictureIndex(std::string_view key, int32_t& value) override;
  void Flag(std::string_view key, bool& value) override;
  void Color(std::string_view key, uint32_t& value, uint32_t def) override;
  void Point(std::string_view key, TPoint& value) override;
  void Rect(std::string_view key, TRect& value) override;
  void String(std::string_view key, std::string& value, const std::string& def) override;
  void FontStyles(std::string_view key, TSkinFontStyles& value) override;
  void Alignment(std::string_view key, TSkinAlignment& value) override;
  void MorphKind(std::string_view key, TspMorphKind& value) override;
  void Keyword(std::string_view key, int32_t& value, const std::string& def,
               std::initializer_list<const char*> words) override;
  void LineList(const std::string& name, std::vector<std::string>& lines) override;

private:
  TMemIniFile& ini_;
  const std::string& section_;
};

// Turns every picture index that names no loaded active picture into -1, so that a control
// may take the picture of any index other than -1 without checking it again.
class TspPictureIndexCheck : public TspSkinKeyExchange {
public:
  explicit TspPictureIndexCheck(size_t activePictureCount) : count_(activePictureCount) {}

  void PictureIndex(std::string_view key, int32_t& value) override;
  void Integer(std::string_view, int32_t&, int32_t) override {}
  void IntegerAtLeast(std::string_view, int32_t&, int32_t, int32_t) override {}
  void Flag(std::string_view, bool&) override {}
  void Color(std::string_view, uint32_t&, uint32_t) override {}
  void Point(std::string_view, TPoint&) override {}
  void Rect(std::string_view, TRect&) override {}
  void String(std::string_view, std::string&, const std::string&) override {}
  void FontStyles(std::string_view, TSkinFontStyles&) override {}
  void Alignment(std::string_view, TSkinAlignment&) override {}
  void MorphKind(std::string_view, TspMorphKind&) override {}
  void Keyword(std::string_view, int32_t&, const std::string&,
               std::initializer_list<const char*>) override {}
  void LineList(const std::string&, std::vector<std::string>&) override {}

private:
  size_t count_;
};

}  // namespace tmv
