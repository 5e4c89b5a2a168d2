#include <gtest/gtest.h>

#include <string>

#include "framework/gui/StringResource.h"

using namespace tmv;

namespace {

std::string Repeated(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

// The entries are in StringResourceTest.rc beside this file.
TEST(StringResource, LoadStrGivesTheWholeTextInTheAnsiCodePage) {
  EXPECT_EQ("消息框", LoadStr(1));
  // 256 bytes fill a first buffer exactly, with the last character across its end.
  EXPECT_EQ(Repeated("图", 128), LoadStr(2));
  EXPECT_EQ(Repeated("图标", 150) + "!", LoadStr(3));
  EXPECT_EQ("", LoadStr(4)) << "the program has no such entry";
}

}  // namespace
