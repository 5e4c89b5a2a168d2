// Feeds arbitrary bytes to the icon resource check of executables and libraries: it must answer
// without reading outside its input, and never vouch for more groups than the input could list.
// Seed: a library of two fixture icons, linked without a C runtime and stripped, so that most
// of its bytes are resources.
#include <cstddef>
#include <cstdint>

#include "app/PeIconResources.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const tmv::TPeIconResources resources(data, size);
  // Each group has a directory entry of 8 bytes in the file.
  if (size_t(resources.GroupCount()) * 8 > size) __builtin_trap();
  if (!resources.Sound() && resources.GroupCount() != 0) __builtin_trap();
  for (int i = 0; i < resources.GroupCount(); ++i) resources.GroupSound(i);
  return 0;
}
