#include <gtest/gtest.h>

#include "framework/gui/Dialogs.h"
#include "framework/gui/Registration.h"

// No test may leave a real message box waiting for a person: any box a test did not ask
// for is answered at once and reported as a failure.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  tmv::RegisterFrameworkClasses();
  tmv::SetMessageBoxHook([](HWND, const std::string& text, const std::string& caption, UINT) {
    ADD_FAILURE() << "unexpected message box \"" << caption << "\": " << text;
    return IDOK;
  });
  return RUN_ALL_TESTS();
}
