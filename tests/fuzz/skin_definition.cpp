// Feeds arbitrary text as the definition of a package without pictures: the INI reader, every
// value syntax, the form information and the descriptor lists must load it or leave the
// registry empty, never crash.
#include <cstddef>
#include <cstdint>

#include "framework/core/Streams.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/ZlibStreams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tmv::TMemoryStream package;
  package.WriteInt32(3);
  for (int i = 0; i < 3; ++i) package.WriteByte(1);
  package.WriteInt32(0);
  if (size > 0) package.WriteBuffer(data, static_cast<int32_t>(size));
  tmv::TMemoryStream compressed;
  tmv::DeflateStreamTo(package, compressed);

  tmv::TComponent owner(nullptr);
  auto* stored = new tmv::TspCompressedStoredSkin(&owner);
  auto* registry = new tmv::TspSkinData(&owner);
  stored->SetCompressedData(compressed.Bytes());
  registry->SetCompressedStoredSkin(stored);
  for (const auto& control : registry->CtrlList)
    if (registry->FindControlIndex(control->IDName) < 0) __builtin_trap();
  return 0;
}
