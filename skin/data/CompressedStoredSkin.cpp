#include "skin/data/CompressedStoredSkin.h"

#include "framework/core/Exceptions.h"
#include "framework/core/TextUtils.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/ZlibStreams.h"

namespace tmv {

namespace {

// The name without its folder, whichever separator the folder was written with.
std::string NameWithoutFolder(const std::string& path) {
  size_t slash = LastDelimiter("\\/:", path);
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

[[noreturn]] void BadSkinFile(const std::string& path, const char* why) {
  throw EReadError(Format("Compressed skin file \"%s\" is not valid: %s", path.c_str(), why));
}

}  // namespace

TspCompressedStoredSkin::TspCompressedStoredSkin(TComponent* owner) : TComponent(owner) {}

const TClassInfo& TspCompressedStoredSkin::StaticClassInfo() {
  static const TClassInfo info(
      "TspCompressedStoredSkin", &TComponent::StaticClassInfo(),
      &CreateComponent<TspCompressedStoredSkin>,
      {
          prop::String<&TspCompressedStoredSkin::SetFileName>("FileName"),
          prop::String<&TspCompressedStoredSkin::SetCompressedFileName>("CompressedFileName"),
          prop::String<&TspCompressedStoredSkin::SetDescription>("Description"),
          prop::Binary<&TspCompressedStoredSkin::SetCompressedData>("CompressedData"),
      });
  return info;
}

void TspCompressedStoredSkin::SetCompressedData(const std::vector<uint8_t>& bytes) {
  compressedData_.Clear();
  if (!bytes.empty()) compressedData_.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  compressedData_.SetPosition(0);
}

void TspCompressedStoredSkin::ExtractPackage(TStream& target) {
  InflateStreamTo(target, compressedData_);
}

void TspCompressedStoredSkin::BuildFromSkinFolder(const std::string& iniPath) {
  // Version 2 is the layout that carries every frame picture a folder can name.
  TMemoryStream packed;
  if (!PackSkinFolder(iniPath, 2, packed)) return;
  compressedData_.Clear();
  compressedData_.LoadFromStream(packed);
}

void TspCompressedStoredSkin::ReadCompressedSkinFile(const std::string& path) {
  compressedData_.Clear();
  TFileStream file(path, fmOpenRead);
  ReadCompressedSkinStream(file, path);
}

void TspCompressedStoredSkin::ReadCompressedSkinStream(TStream& stream, const std::string& name) {
  compressedData_.Clear();
  int32_t version = stream.ReadInt32();
  if (version > kNewestPackageVersion) BadSkinFile(name, "its version is newer than this program knows");
  int32_t length = stream.ReadInt32();
  if (length < 0 || length > stream.Size() - stream.Position())
    BadSkinFile(name, "its length field does not match the file");
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  if (length > 0) stream.ReadBuffer(bytes.data(), length);
  SetCompressedData(bytes);
}

void TspCompressedStoredSkin::WriteCompressedSkinFile(const std::string& path) {
  TFileStream file(path, fmCreate);
  // Readers only check that the version is one they know.
  file.WriteInt32(kNewestPackageVersion);
  file.WriteInt32(static_cast<int32_t>(compressedData_.Size()));
  compressedData_.SaveToStream(file);
}

void TspCompressedStoredSkin::SetFileName(const std::string& value) {
  if (!TakesFilesNow()) {
    fileName_ = value;
    return;
  }
  fileName_ = NameWithoutFolder(value);
  BuildFromSkinFolder(value);
}

void TspCompressedStoredSkin::SetCompressedFileName(const std::string& value) {
  if (!TakesFilesNow()) {
    compressedFileName_ = value;
    return;
  }
  compressedFileName_ = NameWithoutFolder(value);
  ReadCompressedSkinFile(value);
}

}  // namespace tmv
