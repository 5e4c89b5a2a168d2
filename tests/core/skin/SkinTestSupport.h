#pragma once
// Small packages built in memory, so each test states the bytes it feeds the reader.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Bitmap.h"
#include "framework/core/IniFiles.h"
#include "framework/core/Strings.h"
#include "framework/core/Streams.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/ZlibStreams.h"
#include "skin/imaging/SkinIniValues.h"

namespace skintest {

inline tmv::TMemIniFile Ini(const std::vector<std::string>& lines) {
  tmv::TStringList list(lines);
  return tmv::TMemIniFile(list);
}

// key=value lines of a section, in order.
inline std::vector<std::string> SectionLines(const tmv::TMemIniFile& ini, const std::string& section) {
  tmv::TStringList lines;
  ini.ReadSectionValues(section, lines);
  return lines.ToVector();
}

inline std::string KeyOf(const std::string& line) { return line.substr(0, line.find('=')); }
inline std::string ValueOf(const std::string& line) { return line.substr(line.find('=') + 1); }

inline bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// A value of the same syntax as text that differs from every default.
inline std::string OtherValue(const std::string& text) {
  const size_t commas = std::count(text.begin(), text.end(), ',');
  if (commas == 1) return "7,8";
  if (commas == 3) return "1,2,30,40";
  int32_t n;
  if (tmv::ParseSkinInteger(text, n) || text.empty()) return "1";  // a flag, count or style
  return "other";
}

// A file of the source tree. Not found from __FILE__: a compiler cache may rewrite that path
// relative to the build folder, which the tests do not run from.
inline std::string SourcePath(const std::string& relative) {
  return std::string(TM_SOURCE_DIR) + "/" + relative;
}

inline std::unique_ptr<tmv::TBitmap> SolidBitmap(int width, int height, uint8_t shade,
                                                 int bitCount = 24) {
  auto b = std::make_unique<tmv::TBitmap>();
  b->SetBitCount(bitCount);
  b->SetSize(width, height);
  if (bitCount <= 8) b->Palette().assign(size_t{1} << bitCount, 0x00102030);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < b->RowBytes(); ++x) b->ScanLine(y)[x] = static_cast<uint8_t>(shade + x + y);
  return b;
}

inline std::vector<uint8_t> BitmapBytes(const tmv::TBitmap& b) {
  tmv::TMemoryStream s;
  b.SaveToStream(s);
  return s.Bytes();
}

inline std::vector<uint8_t> Compress(const std::vector<uint8_t>& bytes) {
  tmv::TMemoryStream source(bytes), target;
  tmv::DeflateStreamTo(source, target);
  return target.Bytes();
}

inline std::vector<uint8_t> PackageBytes(const tmv::TspSkinPackage& package) {
  tmv::TMemoryStream s;
  tmv::WriteSkinPackage(package, s);
  return s.Bytes();
}

// A package with the given definition lines, one picture per frame slot of its version and
// activeCount active pictures.
inline std::unique_ptr<tmv::TspSkinPackage> MakePackage(int32_t version,
                                                        const std::vector<std::string>& definition,
                                                        int activeCount = 2) {
  auto p = std::make_unique<tmv::TspSkinPackage>();
  p->Version = version;
  for (tmv::TspFramePicture f : tmv::FramePicturesOfVersion(version))
    p->FramePictures[f] = SolidBitmap(8 + f, 4, static_cast<uint8_t>(10 * f),
                                      f == tmv::fpMask || f == tmv::fpRollUpMask ? 1 : 24);
  for (int i = 0; i < activeCount; ++i)
    p->ActivePictures.push_back(SolidBitmap(3 + i, 2 + i, static_cast<uint8_t>(100 + i), i == 1 ? 8 : 24));
  p->Definition.Assign(definition);
  return p;
}

inline void PutInt32(std::vector<uint8_t>& bytes, int32_t v) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
}

// A version 3 package without frame pictures whose active picture count is far more than the
// 200 zero bytes after it could hold.
inline std::vector<uint8_t> PackageClaimingManyActivePictures() {
  std::vector<uint8_t> bytes;
  PutInt32(bytes, 3);
  bytes.insert(bytes.end(), {1, 1, 1});
  PutInt32(bytes, 0x7FFFFFFF);
  bytes.resize(bytes.size() + 200, 0);
  return bytes;
}

}  // namespace skintest
