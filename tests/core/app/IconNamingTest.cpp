#include <gtest/gtest.h>

#include "app/IconNaming.h"
#include "framework/core/TextUtils.h"

namespace tmv {
namespace {

TEST(IconSources, ExecutablesControlsAndLibrariesInAnyCaseHoldIconResources) {
  EXPECT_TRUE(HoldsIconResources("C:\\Tools\\app.exe"));
  EXPECT_TRUE(HoldsIconResources("C:\\Tools\\APP.EXE"));
  EXPECT_TRUE(HoldsIconResources("C:\\Tools\\grid.Ocx"));
  EXPECT_TRUE(HoldsIconResources("D:\\lib\\shell.dll"));
  EXPECT_FALSE(HoldsIconResources("C:\\Tools\\app.ico"));
  EXPECT_FALSE(HoldsIconResources("C:\\Tools\\app.exe.txt"));
  EXPECT_FALSE(HoldsIconResources("C:\\Tools\\appexe"));
  // The only "." stands in a folder's name: the file has no extension.
  EXPECT_FALSE(HoldsIconResources("C:\\my.dll.d\\readme"));
  EXPECT_FALSE(HoldsIconResources("C:.exe\\x"));
}

TEST(ExportNames, NumberUnderscoreAndFileNameWithoutFolderOrExtension) {
  EXPECT_EQ(MakeExportName("3:C:\\Apps\\viewer.exe", 3), "3_viewer");
  EXPECT_EQ(MakeExportName(IconCaption(12, "D:\\a.b\\setup.x.dll"), 12), "12_setup.x");
  EXPECT_EQ(MakeExportName(IconCaption(1, "C:\\my.dll.d\\readme"), 1), "1_readme");
  // Two icons of one file differ by their leading number.
  EXPECT_NE(MakeExportName(IconCaption(4, "C:\\a.exe"), 4), MakeExportName(IconCaption(5, "C:\\a.exe"), 5));
  EXPECT_EQ(MakeExportName(IconCaption(7, "C:\\x\\.profile"), 7), "7_");
}

TEST(ExportNames, GbkTrailBytesThatLookLikeBackslashesDoNotSplitNames) {
  // 0x95 0x5C is one GBK character whose trail byte is the backslash byte.
  const std::string folder = "C:\\\x95\x5C";
  EXPECT_EQ(MakeExportName(IconCaption(2, folder + "\\\x95\x5C.exe"), 2), "2_\x95\x5C");
  EXPECT_EQ(ExtractFileName("C:\\a\\\x95\x5C"), "\x95\x5C");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("C:\\\x95\x5C"), "C:\\\x95\x5C");
  EXPECT_EQ(ExtractFileExt("C:\\x.\x95\x5Cy"), ".\x95\x5Cy");
}

TEST(FileNameRoutines, ExtensionsNamesAndTrailingBackslashes) {
  EXPECT_EQ(ExtractFileExt("C:\\a\\b.tar.gz"), ".gz");
  EXPECT_EQ(ExtractFileExt("C:\\a.d\\b"), "");
  EXPECT_EQ(ExtractFileExt("a:b"), "");
  EXPECT_EQ(ExtractFileName("C:\\a\\b.txt"), "b.txt");
  EXPECT_EQ(ExtractFileName("C:b.txt"), "b.txt");
  EXPECT_EQ(ExtractFileName("b.txt"), "b.txt");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("D:\\"), "D:");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("D:\\Icons"), "D:\\Icons");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(""), "");
  EXPECT_EQ(LastDelimiter("\\:", "C:\\a\\b"), 4u);
  EXPECT_EQ(LastDelimiter("\\", "abc"), std::string::npos);
}

TEST(ExportSummary, CountFolderAndPatternOnLinesEndedByLoneCarriageReturns) {
  const TExportSummaryTexts texts{"个文件被保存", "保存路径: ", "文件名格式: "};
  const std::string text = ExportSummary(texts, 4, "D:\\Icons", "[9999]_[filename].ico");
  EXPECT_EQ(text, "4个文件被保存\r保存路径: D:\\Icons\\\r文件名格式: [9999]_[filename].ico");
  // GBK bytes of the first line, as the dialog receives them.
  EXPECT_EQ(text.substr(0, 13), "4\xB8\xF6\xCE\xC4\xBC\xFE\xB1\xBB\xB1\xA3\xB4\xE6");
  EXPECT_EQ(text.find('\n'), std::string::npos);
  // A drive root is shown with its one backslash.
  EXPECT_EQ(ExportSummary(texts, 0, "D:", "p"), "0个文件被保存\r保存路径: D:\\\r文件名格式: p");
}

}  // namespace
}  // namespace tmv
