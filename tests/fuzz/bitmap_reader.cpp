// Feeds arbitrary bytes to the BMP reader: it must answer with an image or an error, never
// crash, read outside its input or allocate more than the input could describe.
#include <cstddef>
#include <cstdint>

#include "framework/core/Bitmap.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tmv::TBytesStream stream(data, static_cast<int64_t>(size));
  tmv::TBitmap bitmap;
  try {
    while (stream.Position() < static_cast<int64_t>(size)) {
      bitmap.LoadFromStream(stream);
      if (int64_t(bitmap.RowBytes()) * bitmap.Height() > int64_t(size)) __builtin_trap();
      tmv::TMemoryStream copy;
      bitmap.SaveToStream(copy);
    }
  } catch (const tmv::Exception&) {
  }
  return 0;
}
