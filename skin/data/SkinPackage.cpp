#include "skin/data/SkinPackage.h"

#include "framework/core/Exceptions.h"
#include "framework/core/IniFiles.h"
#include "framework/core/TextUtils.h"
#include "skin/data/ZlibStreams.h"
#include "skin/imaging/SkinIniValues.h"

namespace tmv {

namespace {

constexpr uint8_t kPicturePresent = 0;
constexpr uint8_t kPictureAbsent = 1;
// A BMP file image is at least its two headers long.
constexpr int64_t kSmallestImage = 54;

void ReadPictureRecord(TStream& stream, TBitmap& picture) {
  if (stream.ReadByte() == kPicturePresent) picture.LoadFromStream(stream);
}

void WritePictureRecord(const TBitmap& picture, TStream& stream) {
  if (picture.Empty()) {
    stream.WriteByte(kPictureAbsent);
    return;
  }
  stream.WriteByte(kPicturePresent);
  picture.SaveToStream(stream);
}

// Active pictures have no flag byte, so an empty one has no form the reader would take back.
void CheckActivePicturesWritable(const std::vector<std::unique_ptr<TBitmap>>& pictures) {
  for (size_t i = 0; i < pictures.size(); ++i)
    if (pictures[i]->Empty())
      throw EWriteError(Format("Cannot write the skin package: active picture %d is empty",
                               static_cast<int>(i)));
}

// Either separator counts: the packer runs on the build machine as well as on Windows.
std::string FolderOf(const std::string& path) {
  size_t slash = LastDelimiter("\\/:", path);
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

TspFramePictures MakeFramePictures() {
  TspFramePictures pictures;
  for (auto& picture : pictures) picture = std::make_unique<TBitmap>();
  return pictures;
}

const char* FramePictureKey(TspFramePicture picture) {
  static const char* const keys[kFramePictureCount] = {"picture", "inactivepicture", "mask",
                                                       "rolluppicture", "rollupmask"};
  return keys[picture];
}

std::vector<TspFramePicture> FramePicturesOfVersion(int32_t version) {
  switch (version) {
    case 1: return {fpPicture, fpMask, fpRollUpPicture, fpRollUpMask};
    case 2: return {fpPicture, fpInactivePicture, fpMask, fpRollUpPicture, fpRollUpMask};
    case 3: return {fpPicture, fpInactivePicture, fpMask};
    default: return {fpPicture, fpMask};
  }
}

bool ReadSkinPackagePictures(TStream& stream, TspSkinPackage& package) {
  package.Version = stream.ReadInt32();
  if (package.Version > kNewestPackageVersion) return false;
  for (TspFramePicture picture : FramePicturesOfVersion(package.Version))
    ReadPictureRecord(stream, *package.FramePictures[picture]);
  int32_t count = stream.ReadInt32();
  if (count > 0 && count > stream.BytesLeftAtMost() / kSmallestImage) throw EReadError("Stream read error");
  for (int32_t i = 0; i < count; ++i) {
    auto picture = std::make_unique<TBitmap>();
    picture->LoadFromStream(stream);
    package.ActivePictures.push_back(std::move(picture));
  }
  return true;
}

bool ReadSkinPackage(TStream& stream, TspSkinPackage& package) {
  if (!ReadSkinPackagePictures(stream, package)) return false;
  package.Definition.LoadFromStream(stream);
  return true;
}

void WriteSkinPackage(const TspSkinPackage& package, TStream& stream) {
  CheckActivePicturesWritable(package.ActivePictures);
  stream.WriteInt32(package.Version);
  for (TspFramePicture picture : FramePicturesOfVersion(package.Version))
    WritePictureRecord(*package.FramePictures[picture], stream);
  stream.WriteInt32(static_cast<int32_t>(package.ActivePictures.size()));
  for (const auto& picture : package.ActivePictures) picture->SaveToStream(stream);
  package.Definition.SaveToStream(stream);
}

bool LoadSkinFolder(const std::string& iniPath, TspSkinPackage& package) {
  TStringList lines;
  lines.LoadFromFile(iniPath);
  TMemIniFile ini(lines);
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
    if (!ini.SectionExists(section)) return false;

  const std::string folder = FolderOf(iniPath);
  TspSkinPackage loaded;
  for (int i = 0; i < kFramePictureCount; ++i) {
    std::string name = ini.ReadString("PICTURES", FramePictureKey(static_cast<TspFramePicture>(i)), "");
    if (!name.empty()) loaded.FramePictures[i]->LoadFromFile(folder + name);
  }
  for (const std::string& name : ReadSkinStringList(ini, "PICTURES", "activepictures")) {
    auto picture = std::make_unique<TBitmap>();
    picture->LoadFromFile(folder + name);
    loaded.ActivePictures.push_back(std::move(picture));
  }
  package.FramePictures = std::move(loaded.FramePictures);
  package.ActivePictures = std::move(loaded.ActivePictures);
  package.Definition.Assign(lines);
  return true;
}

bool PackSkinFolder(const std::string& iniPath, int32_t version, TStream& target) {
  TspSkinPackage package;
  if (!LoadSkinFolder(iniPath, package)) return false;
  package.Version = version;
  TMemoryStream packed;
  WriteSkinPackage(package, packed);
  DeflateStreamTo(packed, target);
  return true;
}

}  // namespace tmv
