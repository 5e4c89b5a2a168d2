#include <gtest/gtest.h>

#include "core/framework/TestClasses.h"
#include "framework/core/Exceptions.h"
#include "framework/gui/FormResource.h"

namespace tmv {
namespace {

TEST(FormResource, ThePackedFormIsReadFromTheProgram) {
  test::RegisterTestClasses();
  test::TTestForm form;
  ASSERT_TRUE(FormResourceExists("TestForm"));
  ReadComponentRes(form, "TestForm");
  EXPECT_EQ(form.Name(), "TestForm");
  EXPECT_EQ(form.Caption, "TalvexMorvane V2.5(文件图标提取器)");  // GBK on both sides
  EXPECT_EQ(form.Data, (std::vector<uint8_t>{'B', 'M', 0x00, 0xFF, 0x5C}));
  ASSERT_NE(form.Button1, nullptr);
  EXPECT_EQ(form.Button1->Caption, "保存全部");
  form.Button1->Click();
  EXPECT_EQ(form.ClickedBy.size(), 1u);
}

TEST(FormResource, AMissingResourceIsNamed) {
  test::TTestForm form;
  EXPECT_FALSE(FormResourceExists("NoSuchForm"));
  try {
    ReadComponentRes(form, "NoSuchForm");
    FAIL() << "no error";
  } catch (const EResNotFound& e) {
    EXPECT_STREQ(e.what(), "Resource NoSuchForm not found");
  }
}

}  // namespace
}  // namespace tmv
