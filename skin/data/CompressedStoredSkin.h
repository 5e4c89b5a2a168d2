#pragma once
// A skin package kept zlib-compressed inside a component, so a form resource can carry it
// (the binary property CompressedData). It is filled from the form resource, from a skin
// folder or from a compressed skin file (".skn").
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/ClassInfo.h"
#include "framework/core/Component.h"
#include "framework/core/Streams.h"

namespace tmv {

class TspCompressedStoredSkin : public TComponent {
public:
  explicit TspCompressedStoredSkin(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool IsStoreEmpty() const { return compressedData_.Bytes().empty(); }
  // Inflates the whole compressed data and appends the package bytes to target.
  void ExtractPackage(TStream& target);
  // Packs the skin folder whose definition file is iniPath. A definition without one of
  // the required sections changes nothing.
  void BuildFromSkinFolder(const std::string& iniPath);
  // ".skn": int32 version (at most 3), int32 length L, then L bytes of compressed package.
  // The compressed data is cleared first; a file that is not of this shape raises EReadError.
  void ReadCompressedSkinFile(const std::string& path);
  // The same from the stream's position; name is what an error calls the source.
  void ReadCompressedSkinStream(TStream& stream, const std::string& name);
  void WriteCompressedSkinFile(const std::string& path);

  TMemoryStream& CompressedData() { return compressedData_; }
  // The binary property of form resources: the compressed bytes, taken over as they are.
  void SetCompressedData(const std::vector<uint8_t>& bytes);

  const std::string& FileName() const { return fileName_; }
  // In the designer (and not while loading) the folder is dropped from the stored name and
  // the skin folder is packed; otherwise only the text is kept.
  void SetFileName(const std::string& value);
  const std::string& CompressedFileName() const { return compressedFileName_; }
  void SetCompressedFileName(const std::string& value);
  const std::string& Description() const { return description_; }
  void SetDescription(const std::string& value) { description_ = value; }

private:
  bool TakesFilesNow() const { return IsDesigning() && !IsLoading(); }

  TMemoryStream compressedData_;
  std::string fileName_;
  std::string compressedFileName_;
  std::string description_;
};

}  // namespace tmv
