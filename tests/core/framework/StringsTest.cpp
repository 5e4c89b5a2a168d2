#include <gtest/gtest.h>

#include "framework/core/Exceptions.h"
#include "framework/core/Strings.h"

namespace tmv {
namespace {

using Lines = std::vector<std::string>;

TEST(StringList, LinesEndAtCrLfCrOrLf) {
  TStringList list;
  list.SetText("a\r\nb\rc\nd\n\re");
  EXPECT_EQ(list.ToVector(), (Lines{"a", "b", "c", "d", "", "e"}));
  list.SetText("a\r\n");
  EXPECT_EQ(list.ToVector(), Lines{"a"});
  list.SetText("\r\n\r\n");
  EXPECT_EQ(list.ToVector(), (Lines{"", ""}));
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
  list.SetText(std::string("x\0y\r\n", 5));  // a NUL byte is text, not an end
  EXPECT_EQ(list.ToVector(), Lines{std::string("x\0y", 3)});
  list.SetText("中文\r\n\xD6\r");  // a line may end in a lone lead byte
  EXPECT_EQ(list.ToVector(), (Lines{"中文", "\xD6"}));
}

TEST(StringList, StreamRoundTripWritesCrLfAndReadsFromThePosition) {
  TStringList list(Lines{"[VERSION]", "skinname=默认", ""});
  TMemoryStream stream;
  stream.WriteInt32(7);
  list.SaveToStream(stream);
  const std::string expected = "[VERSION]\r\nskinname=默认\r\n\r\n";
  ASSERT_EQ(stream.Size(), 4 + static_cast<int64_t>(expected.size()));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(stream.Memory()) + 4, expected.size()), expected);
  stream.SetPosition(4);
  TStringList back;
  back.LoadFromStream(stream);
  EXPECT_EQ(back.ToVector(), list.ToVector());
  EXPECT_EQ(back.Text(), expected);
}

TEST(StringList, IndexOutOfRangeRaisesTheListError) {
  TStringList list(Lines{"a", "b"});
  auto message = [&](auto&& action) -> std::string {
    try {
      action();
    } catch (const EStringListError& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_EQ(message([&] { list.Get(2); }), "List index out of bounds (2)");
  EXPECT_EQ(message([&] { list[-1]; }), "List index out of bounds (-1)");
  EXPECT_EQ(message([&] { list.Delete(2); }), "List index out of bounds (2)");
  EXPECT_EQ(message([&] { list.Insert(3, "x"); }), "List index out of bounds (3)");
  EXPECT_EQ(message([&] { list.Put(5, "x"); }), "List index out of bounds (5)");
  list.Insert(2, "c");  // inserting at Count() appends
  list.Insert(0, "z");
  list.Delete(1);
  EXPECT_EQ(list.ToVector(), (Lines{"z", "b", "c"}));
}

TEST(StringList, SearchesIgnoreLetterCaseAndFindTheFirstLine) {
  TStringList list(Lines{"Alpha", "MI_CLOSE=关闭=x", "mi_close=second", "plain", "=empty name"});
  EXPECT_EQ(list.IndexOf("ALPHA"), 0);
  EXPECT_EQ(list.IndexOf("Alph"), -1);
  EXPECT_EQ(list.IndexOfName("mi_Close"), 1);
  EXPECT_EQ(list.Values("MI_CLOSE"), "关闭=x");  // everything after the first "="
  EXPECT_EQ(list.Values("plain"), "");
  EXPECT_EQ(list.Names(3), "");
  EXPECT_EQ(list.Names(4), "");
  EXPECT_EQ(list.ValueFromIndex(4), "empty name");
  list.SetValue("Mi_close", "x");
  EXPECT_EQ(list[1], "Mi_close=x");
  list.SetValue("new", "1");
  EXPECT_EQ(list[list.Count() - 1], "new=1");
}

TEST(Streams, ReadingPastTheEndIsAStreamReadError) {
  const char bytes[3] = {1, 2, 3};
  TBytesStream stream(bytes, 3);
  char out[4];
  stream.ReadBuffer(out, 2);
  try {
    stream.ReadBuffer(out, 2);
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Stream read error");
  }
  TMemoryStream memory;
  memory.WriteByte(9);
  memory.SetPosition(0);
  EXPECT_EQ(memory.ReadByte(), 9);
  EXPECT_THROW(memory.ReadInt32(), EReadError);
}

TEST(Streams, CreatingAFileInAMissingFolderNamesTheFile) {
  const std::string name = std::string(TM_BUILD_DIR) + "/no-such-folder/out.bin";
  try {
    TFileStream file(name, fmCreate);
    FAIL() << "no error";
  } catch (const EFCreateError& e) {
    const std::string prefix = "Cannot create file \"" + name + "\". ";
    EXPECT_EQ(std::string(e.what()).substr(0, prefix.size()), prefix);
    EXPECT_GT(std::string(e.what()).size(), prefix.size());  // the system's reason follows
  }
  EXPECT_THROW(TStringList().LoadFromFile(name), EFOpenError);
}

}  // namespace
}  // namespace tmv
