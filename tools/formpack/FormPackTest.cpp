#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "core/framework/TestClasses.h"
#include "framework/core/Exceptions.h"
#include "framework/core/FormReader.h"
#include "framework/core/Streams.h"
#include "tools/formpack/FormPack.h"

namespace tmv {
namespace {

std::string Expand(const std::string& source) {
  std::map<std::string, std::string> files{{"a.bin", std::string("\x00\x7F\xFF", 3)},
                                           {"say \"x\".bin", "Z"}};
  return formpack::ExpandIncludes(source, [&](const std::string& path) {
    auto it = files.find(path);
    if (it == files.end()) throw Exception("included file \"" + path + "\" not found");
    return it->second;
  });
}

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& e) {
    return e.what();
  }
  return "no error";
}

TEST(FormPack, IncludesBecomeHexOnTheSameLine) {
  EXPECT_EQ(Expand("Data = @include \"a.bin\"\nLeft = 1\n"), "Data = { 007FFF }\nLeft = 1\n");
  EXPECT_EQ(Expand("A = @include   \"say \"\"x\"\".bin\""), "A = { 5A }");
  // Inside a string the word is text, even after a doubled quote.
  EXPECT_EQ(Expand("Caption = \"\"\"@include \"\"a.bin\"\" \"\n"), "Caption = \"\"\"@include \"\"a.bin\"\" \"\n");
  EXPECT_EQ(ErrorOf([] { Expand("x = 1\nData = @include a.bin\n"); }),
            "Line 2: @include needs a quoted file name");
  EXPECT_EQ(ErrorOf([] { Expand("\n\nData = @include \"b.bin\""); }),
            "Line 3: included file \"b.bin\" not found");
  EXPECT_EQ(ErrorOf([] { Expand("Data = @include \"a.bin"); }), "Line 1: @include needs a quoted file name");
}

TEST(FormPack, TextBecomesGbk) {
  EXPECT_EQ(formpack::Utf8ToGbk("Caption = \"\xE6\xB6\x88\xE6\x81\xAF\xE6\xA1\x86\""),
            "Caption = \"\xCF\xFB\xCF\xA2\xBF\xF2\"");
  EXPECT_EQ(ErrorOf([] { formpack::Utf8ToGbk("ok\nbad \xFF here"); }),
            "Line 2: text that has no GBK form or is not UTF-8");
  EXPECT_EQ(ErrorOf([] { formpack::Utf8ToGbk("a\r\nb\r\n\xF0\x9F\x98\x80"); }),  // an emoji
            "Line 3: text that has no GBK form or is not UTF-8");
  EXPECT_EQ(ErrorOf([] { formpack::Utf8ToGbk("cut \xE6\xB6"); }),
            "Line 1: incomplete UTF-8 character at the end");
}

void WriteFile(const std::string& path, const std::string& bytes) {
  TFileStream file(path, fmCreate);
  file.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}
std::string ReadFile(const std::string& path) {
  TFileStream file(path, fmOpenRead);
  return ReadToEnd(file);
}

TEST(FormPack, PackedFormsReadBack) {
  const std::string dir = std::string(TM_BUILD_DIR) + "/formpack-test";
  ASSERT_EQ(std::system(("mkdir -p '" + dir + "/data'").c_str()), 0);
  WriteFile(dir + "/data/glyph.bin", "BM\x01\x02");
  WriteFile(dir + "/main.form",
            "object F: TTestForm\n"
            "  Caption = \"\xE6\xB6\x88\xE6\x81\xAF\xE6\xA1\x86\"\n"
            "  Data = @include \"glyph.bin\"\n"
            "end\n");
  const std::string out = dir + "/main.txt";
  std::string command = std::string(FORMPACK) + " '" + dir + "/main.form' '" + out + "' -I '" + dir +
                        "/data' --depfile '" + out + ".d'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(ReadFile(out + ".d"), out + ": " + dir + "/data/glyph.bin\n");

  test::RegisterTestClasses();
  test::TTestForm form;
  ReadComponentText(form, ReadFile(out));
  EXPECT_EQ(form.Caption, "消息框");
  EXPECT_EQ(form.Data, (std::vector<uint8_t>{'B', 'M', 1, 2}));

  WriteFile(dir + "/bad.form", "object F: TTestForm\n  Data = @include \"none.bin\"\nend\n");
  command = std::string(FORMPACK) + " '" + dir + "/bad.form' '" + dir + "/bad.txt' 2>/dev/null";
  EXPECT_NE(std::system(command.c_str()), 0);
}

}  // namespace
}  // namespace tmv
