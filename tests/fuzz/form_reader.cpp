// Form resource text of any shape: the reader must raise its errors and leave nothing behind.
#include <cstdint>
#include <string>

#include "framework/core/Exceptions.h"
#include "framework/core/FormReader.h"
#include "tests/core/framework/TestClasses.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (tmv::test::RegisterTestClasses(), true);
  (void)registered;
  tmv::test::TTestForm form;
  try {
    tmv::ReadComponentText(form, std::string(reinterpret_cast<const char*>(data), size));
  } catch (const tmv::Exception&) {
    if (form.ComponentCount() != 0 || form.Button1 || form.Panel1) __builtin_trap();
  }
  return 0;
}
