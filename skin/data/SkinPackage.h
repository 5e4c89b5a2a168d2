#pragma once
// The skin package: one byte stream holding the frame pictures, the further pictures the
// definition refers to by index (the active pictures) and the definition text.
//
//   int32 version (0..3), the frame picture records of that version (a flag byte, 0 when a
//   BMP file image follows), int32 active picture count, that many BMP file images, and the
//   definition text up to the end of the stream (lines ended by CR LF).
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Bitmap.h"
#include "framework/core/Strings.h"

namespace tmv {

enum TspFramePicture { fpPicture, fpInactivePicture, fpMask, fpRollUpPicture, fpRollUpMask };
constexpr int kFramePictureCount = 5;
constexpr int32_t kNewestPackageVersion = 3;

// The [PICTURES] key naming each frame picture's file in a skin folder.
const char* FramePictureKey(TspFramePicture picture);
// The frame pictures a package of that version carries, in stream order.
std::vector<TspFramePicture> FramePicturesOfVersion(int32_t version);

using TspFramePictures = std::array<std::unique_ptr<TBitmap>, kFramePictureCount>;
// Five empty bitmaps.
TspFramePictures MakeFramePictures();

struct TspSkinPackage {
  int32_t Version = kNewestPackageVersion;
  TspFramePictures FramePictures = MakeFramePictures();
  std::vector<std::unique_ptr<TBitmap>> ActivePictures;
  TStringList Definition;
};

// Reads a package from the stream's position to its end. False, with nothing read beyond
// the version, when the version is newer than this program knows. A truncated or malformed
// package raises the stream's or the bitmap's error.
bool ReadSkinPackage(TStream& stream, TspSkinPackage& package);
// The same up to the definition, which is left in the stream for readers that take its text
// as it is.
bool ReadSkinPackagePictures(TStream& stream, TspSkinPackage& package);
// Writes the package in the layout of its Version. An empty active picture raises
// EWriteError before anything is written.
void WriteSkinPackage(const TspSkinPackage& package, TStream& stream);

// Loads a skin folder: the definition file at iniPath and the BMP files its [PICTURES]
// section names, relative to the definition's folder. False, with nothing loaded, when the
// definition lacks one of [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS], [SKINCONTROLS].
// A file that cannot be read raises the file's error. The package's Version is left alone.
bool LoadSkinFolder(const std::string& iniPath, TspSkinPackage& package);

// Loads a skin folder (as LoadSkinFolder) and writes it as a package of that version,
// compressed at the highest level, to target. False, writing nothing, when a required
// section is missing.
bool PackSkinFolder(const std::string& iniPath, int32_t version, TStream& target);

}  // namespace tmv
