// Feeds arbitrary bytes as an uncompressed skin package through the whole load: inflate,
// pictures, definition and descriptors. The registry must end loaded or empty, never crash.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/core/Streams.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/ZlibStreams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tmv::TBytesStream package(data, static_cast<int64_t>(size));
  tmv::TMemoryStream compressed;
  {
    tmv::TCompressionStream deflater(tmv::TCompressionLevel::Fastest, compressed);
    deflater.CopyFrom(package, 0);
    deflater.Finish();
  }
  tmv::TComponent owner(nullptr);
  auto* stored = new tmv::TspCompressedStoredSkin(&owner);
  auto* registry = new tmv::TspSkinData(&owner);
  stored->SetCompressedData(compressed.Bytes());
  registry->SetCompressedStoredSkin(stored);
  bool holdsSomething = !registry->CtrlList.empty() || !registry->ObjectList.empty() ||
                        !registry->ActivePictures.empty() || !registry->Picture().Empty();
  if (registry->SkinEmpty() && holdsSomething) __builtin_trap();
  return 0;
}
