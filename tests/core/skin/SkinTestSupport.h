#pragma once
// Small packages built in memory, so each test states the bytes it feeds the reader.
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

namespace skintest {

inline tmv::TMemIniFile Ini(const std::vector<std::string>& lines) {
  tmv::TStringList list(lines);
  return tmv::TMemIniFile(list);
}

// A file of the source tree.
inline std::string SourcePath(const std::string& relative) {
  // From the test program's data folder rather than __FILE__, which is relative when the
  // compiler runs under a cache that rewrites paths below a base folder.
  const std::string data = TM_TEST_DATA;
  return data.substr(0, data.rfind("tests/data")) + relative;
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

}  // namespace skintest
