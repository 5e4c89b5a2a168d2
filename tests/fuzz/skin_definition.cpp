// Feeds arbitrary text as the definition of a package with real pictures (frame pictures and
// three active pictures): the INI reader, every value syntax, the form information and every
// descriptor, with its pictures checked against what was loaded, must load it or leave the
// registry empty, never crash. Every descriptor then goes through write, read, write, and
// both writes must be the same: reading what was written changes nothing.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/core/IniFiles.h"
#include "framework/core/Streams.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/ZlibStreams.h"

namespace {

std::unique_ptr<tmv::TBitmap> Picture(int width, int height, int bitCount) {
  auto b = std::make_unique<tmv::TBitmap>();
  b->SetBitCount(bitCount);
  b->SetSize(width, height);
  if (bitCount <= 8) b->Palette().assign(size_t{1} << bitCount, 0x00808080);
  return b;
}

// The package bytes before the definition; the same for every input.
std::vector<uint8_t> PicturesPart() {
  tmv::TspSkinPackage package;
  package.Version = tmv::kNewestPackageVersion;
  for (tmv::TspFramePicture f : tmv::FramePicturesOfVersion(package.Version))
    package.FramePictures[f] = Picture(40, 30, f == tmv::fpMask || f == tmv::fpRollUpMask ? 1 : 24);
  package.ActivePictures.push_back(Picture(64, 48, 24));
  package.ActivePictures.push_back(Picture(16, 16, 8));
  package.ActivePictures.push_back(Picture(8, 8, 1));
  tmv::TMemoryStream s;
  tmv::WriteSkinPackage(package, s);
  return s.Bytes();
}

void ExpectStableRoundTrip(tmv::TspSkinSectionDescriptor& d) {
  tmv::TMemIniFile first, second;
  d.WriteToDefinition(first);
  d.ReadFromDefinition(first);
  d.WriteToDefinition(second);
  tmv::TStringList a, b;
  first.ReadSectionValues(d.IDName, a);
  second.ReadSectionValues(d.IDName, b);
  if (a.ToVector() != b.ToVector()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::vector<uint8_t> pictures = PicturesPart();
  tmv::TMemoryStream package(pictures);
  package.SetPosition(package.Size());
  if (size > 0) package.WriteBuffer(data, static_cast<int32_t>(size));
  tmv::TMemoryStream compressed;
  tmv::DeflateStreamTo(package, compressed);

  tmv::TComponent owner(nullptr);
  auto* stored = new tmv::TspCompressedStoredSkin(&owner);
  auto* registry = new tmv::TspSkinData(&owner);
  stored->SetCompressedData(compressed.Bytes());
  registry->SetCompressedStoredSkin(stored);
  for (const auto& control : registry->CtrlList) {
    if (registry->FindControlIndex(control->IDName) < 0) __builtin_trap();
    ExpectStableRoundTrip(*control);
  }
  for (const auto& object : registry->ObjectList) {
    if (registry->FindObjectIndex(object->IDName) < 0) __builtin_trap();
    if (object->ActivePictureIndex >= static_cast<int32_t>(registry->ActivePictures.size()))
      __builtin_trap();
    ExpectStableRoundTrip(*object);
  }
  ExpectStableRoundTrip(registry->PopupWindow);
  ExpectStableRoundTrip(registry->HintWindow);
  return 0;
}
