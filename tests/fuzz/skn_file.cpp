// Feeds arbitrary bytes as a ".skn" file, then loads whatever compressed data it yields:
// the file reader and the inflater must answer with data or an error, never crash or hang.
#include <cstddef>
#include <cstdint>

#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tmv::TBytesStream file(data, static_cast<int64_t>(size));
  tmv::TComponent owner(nullptr);
  auto* stored = new tmv::TspCompressedStoredSkin(&owner);
  try {
    stored->ReadCompressedSkinStream(file, "fuzz.skn");
  } catch (const tmv::Exception&) {
    if (!stored->IsStoreEmpty()) __builtin_trap();
    return 0;
  }
  if (stored->CompressedData().Size() + 8 > static_cast<int64_t>(size)) __builtin_trap();
  auto* registry = new tmv::TspSkinData(&owner);
  registry->SetCompressedStoredSkin(stored);
  return 0;
}
