#include <gtest/gtest.h>

#include "framework/gui/Registration.h"
#include "win/framework/TestSupport.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  tmv::RegisterFrameworkClasses();
  tmv::FailUnexpectedMessageBoxes();
  return RUN_ALL_TESTS();
}
