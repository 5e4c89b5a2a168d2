#include "framework/gui/FormResource.h"

#include <windows.h>

#include "framework/core/Exceptions.h"
#include "framework/core/FormReader.h"
#include "framework/core/Streams.h"

namespace tmv {

bool FormResourceExists(const char* resourceName) {
  return FindResourceA(GetModuleHandleA(nullptr), resourceName, RT_RCDATA) != nullptr;
}

void ReadComponentRes(TComponent& root, const char* resourceName) {
  HMODULE module = GetModuleHandleA(nullptr);
  // Resource memory belongs to the module for its lifetime; nothing is released here.
  HRSRC info = FindResourceA(module, resourceName, RT_RCDATA);
  HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) throw EResNotFound(Format("Resource %s not found", resourceName));
  TBytesStream stream(bytes, SizeofResource(module, info));
  ReadComponent(root, stream);
}

}  // namespace tmv
