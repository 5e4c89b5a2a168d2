#include "app/IconFileWriter.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"
#include "win/app/TestIcons.h"

namespace tmv {
namespace {

uint32_t U16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t U32(const std::vector<uint8_t>& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

std::vector<uint8_t> ReadFile(const std::string& name) {
  TMemoryStream stream;
  stream.LoadFromFile(name);
  return stream.Bytes();
}

bool FileExists(const std::string& name) {
  return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF colour = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  return colour;
}

class IconFileWriterTest : public testing::Test {
protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "iconfiles-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
  }
  void TearDown() override {
    for (const std::string& name : written_) DeleteFileA(name.c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  std::string Path(const std::string& name) {
    written_.push_back(folder_ + "\\" + name);
    return written_.back();
  }

  std::string folder_;
  std::vector<std::string> written_;
};

TEST_F(IconFileWriterTest, IconFilesOfEveryDepthTheProgramMeets) {
  struct Case { int size, bitCount; uint32_t imageSize, fileSize; } cases[] = {
      {32, 32, 4264, 4286}, {16, 32, 1128, 1150}, {32, 24, 3240, 3262},
      {32, 16, 2216, 2238}, {32, 8, 2216, 2238}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << "x" << c.size << "x" << c.bitCount);
    const std::string name = Path("depth" + std::to_string(c.bitCount) + ".ico");
    WriteIconFile(MakeIconImages(c.size, c.bitCount, Pattern, LeftQuarter), name);
    const std::vector<uint8_t> file = ReadFile(name);
    ASSERT_EQ(file.size(), c.fileSize);
    EXPECT_EQ(U32(file, 14), c.imageSize);
    EXPECT_EQ(file[6], c.size);
    EXPECT_EQ(file[7], c.size);
    EXPECT_EQ(U16(file, 8), uint32_t(c.bitCount));
    EXPECT_EQ(U32(file, 30), uint32_t(2 * c.size));  // colour image and mask together
    EXPECT_EQ(U16(file, 36), uint32_t(c.bitCount));
  }
}

TEST_F(IconFileWriterTest, TrueColourIconBytesSixToNine) {
  UniqueIcon icon = MakeIcon(32, 32, Pattern, LeftQuarter);
  const std::string name = Path("true.ico");
  WriteIconFile(icon.Get(), name);
  const std::vector<uint8_t> file = ReadFile(name);
  ASSERT_EQ(file.size(), 4286u);
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 6, file.begin() + 10),
            (std::vector<uint8_t>{0x20, 0x20, 0x20, 0x00}));
  EXPECT_EQ(U32(file, 30), 64u);
}

TEST_F(IconFileWriterTest, PixelsBottomUpAndMaskAfterThem) {
  UniqueIcon icon = MakeIcon(16, 32, Pattern, LeftQuarter);
  const std::string name = Path("pixels.ico");
  WriteIconFile(icon.Get(), name);
  const std::vector<uint8_t> file = ReadFile(name);
  ASSERT_EQ(file.size(), 1150u);
  const size_t pixels = 62, mask = pixels + 16 * 16 * 4;
  for (int y : {0, 5, 15})
    for (int x : {0, 9, 15}) {
      const size_t at = pixels + size_t(15 - y) * 64 + size_t(x) * 4;
      EXPECT_EQ(RGB(file[at + 2], file[at + 1], file[at]), Pattern(x, y)) << x << "," << y;
      // The display bitmap has no opacity of its own; readers get it from the mask.
      EXPECT_EQ(file[at + 3], x < 4 ? 0 : 255) << x << "," << y;
    }
  for (int row = 0; row < 16; ++row) {
    EXPECT_EQ(file[mask + size_t(row) * 4], 0xF0) << row;  // x 0..3 transparent
    EXPECT_EQ(file[mask + size_t(row) * 4 + 1], 0x00) << row;
  }
}

TEST_F(IconFileWriterTest, IndexedIconKeepsItsColourTable) {
  const TPixelColour stripes = [](int x, int) {
    return x < 4 ? RGB(255, 0, 0) : x < 8 ? RGB(0, 255, 0) : x < 12 ? RGB(0, 0, 255) : RGB(77, 77, 77);
  };
  const std::string name = Path("indexed.ico");
  WriteIconFile(MakeIconImages(16, 8, stripes, Opaque), name);
  const std::vector<uint8_t> file = ReadFile(name);
  ASSERT_EQ(file.size(), 22u + 40 + 1024 + 256 + 64);
  const size_t palette = 62, pixels = palette + 1024;
  for (int x : {0, 5, 9, 14}) {
    const size_t entry = palette + 4 * size_t(file[pixels + size_t(x)]);
    EXPECT_EQ(RGB(file[entry + 2], file[entry + 1], file[entry]), stripes(x, 0)) << x;
  }
}

TEST_F(IconFileWriterTest, MonochromeIconBecomesAOneBitImage) {
  UniqueIcon icon = MakeMonochromeIcon();
  ASSERT_TRUE(icon);
  const std::string name = Path("mono.ico");
  WriteIconFile(icon.Get(), name);
  const std::vector<uint8_t> file = ReadFile(name);
  ASSERT_EQ(file.size(), 22u + 40 + 8 + 128 + 128);
  EXPECT_EQ(U16(file, 36), 1u);
  EXPECT_EQ(U32(file, 30), 64u);
  const size_t pixels = 70, maskRows = pixels + 128;
  EXPECT_EQ(file[pixels + 31 * 4 + 3], 0xFF);  // top row of the picture, stored last
  EXPECT_EQ(file[pixels + 3], 0x00);
  EXPECT_EQ(file[maskRows], 0xFF);
  EXPECT_EQ(file[maskRows + 2], 0x00);

  UniqueBitmap picture = IconToBitmap(icon.Get());
  EXPECT_EQ(PixelOf(picture.Get(), 3, 20), RGB(255, 255, 255));   // transparent
  EXPECT_EQ(PixelOf(picture.Get(), 28, 20), RGB(0, 0, 0));        // opaque black
  EXPECT_EQ(PixelOf(picture.Get(), 28, 1), RGB(255, 255, 255));   // opaque white
}

TEST_F(IconFileWriterTest, ReplacesAnExistingFile) {
  const std::string name = Path("replaced.ico");
  {
    TFileStream old(name, fmCreate);
    const std::vector<uint8_t> junk(10000, 0xEE);
    old.WriteBuffer(junk.data(), int32_t(junk.size()));
  }
  UniqueIcon icon = MakeIcon(16, 32, Pattern, Opaque);
  WriteIconFile(icon.Get(), name);
  const std::vector<uint8_t> file = ReadFile(name);
  ASSERT_EQ(file.size(), 1150u);
  EXPECT_EQ(U16(file, 2), 1u);

  UniqueBitmap picture = IconToBitmap(icon.Get());
  WriteBitmapFile(picture.Get(), name);
  EXPECT_EQ(ReadFile(name).size(), 1078u);
}

TEST_F(IconFileWriterTest, FileThatCannotBeCreatedRaisesTheFileError) {
  UniqueIcon icon = MakeIcon(16, 32, Pattern, Opaque);
  const std::string inMissingFolder = folder_ + "\\no such folder\\1_x.ico";
  try {
    WriteIconFile(icon.Get(), inMissingFolder);
    FAIL() << "no error";
  } catch (const EFCreateError& e) {
    const std::string start = "Cannot create file \"" + inMissingFolder + "\". ";
    EXPECT_EQ(e.Message.substr(0, start.size()), start);
    EXPECT_GT(e.Message.size(), start.size());  // the system's reason follows
  }
  EXPECT_FALSE(FileExists(inMissingFolder));

  UniqueBitmap picture = IconToBitmap(icon.Get());
  EXPECT_THROW(WriteBitmapFile(picture.Get(), folder_ + "\\no such folder\\1_x.bmp"),
               EFCreateError);
  // A folder of that name is left alone.
  EXPECT_THROW(WriteIconFile(icon.Get(), folder_), EFCreateError);
  EXPECT_TRUE(GetFileAttributesA(folder_.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(IconFileWriterTest, MissingImagesAreRejectedBeforeAnythingIsWritten) {
  const std::string name = Path("none.ico");
  try {
    WriteIconFile(nullptr, name);
    FAIL() << "no error";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message, "Icon image is not valid");
  }
  EXPECT_FALSE(FileExists(name));
  EXPECT_THROW(IconToBitmap(nullptr), EInvalidGraphic);
  EXPECT_THROW(WriteBitmapFile(nullptr, name), EInvalidGraphic);
  EXPECT_FALSE(FileExists(name));
}

TEST_F(IconFileWriterTest, BitmapIsOpaqueWithTransparentPixelsWhite) {
  for (int bitCount : {32, 24, 8}) {
    SCOPED_TRACE(bitCount);
    const TPixelColour colour =
        bitCount == 8 ? TPixelColour([](int, int) { return RGB(0, 0, 255); }) : TPixelColour(Pattern);
    UniqueBitmap picture = IconToBitmap(MakeIconImages(16, bitCount, colour, LeftQuarter));
    BITMAP info{};
    ASSERT_TRUE(GetObject(picture.Get(), sizeof info, &info));
    EXPECT_EQ(info.bmWidth, 16);
    EXPECT_EQ(info.bmHeight, 16);
    EXPECT_EQ(info.bmPlanes * info.bmBitsPixel, bitCount);
    for (int y : {0, 7, 15}) {
      EXPECT_EQ(PixelOf(picture.Get(), 0, y), RGB(255, 255, 255));
      EXPECT_EQ(PixelOf(picture.Get(), 3, y), RGB(255, 255, 255));
      EXPECT_EQ(PixelOf(picture.Get(), 4, y), colour(4, y));
      EXPECT_EQ(PixelOf(picture.Get(), 15, y), colour(15, y));
    }
  }
}

TEST_F(IconFileWriterTest, BitmapFileHoldsThePictureAndNoMask) {
  UniqueIcon icon = MakeIcon(32, 32, Pattern, LeftQuarter);
  UniqueBitmap picture = IconToBitmap(icon.Get());
  const std::string name = Path("picture.bmp");
  WriteBitmapFile(picture.Get(), name);
  const std::vector<uint8_t> file = ReadFile(name);
  ASSERT_EQ(file.size(), 4150u);
  EXPECT_EQ(U32(file, 2), 4150u);
  EXPECT_EQ(U32(file, 10), 54u);
  EXPECT_EQ(U32(file, 22), 32u);
  EXPECT_EQ(U16(file, 28), 32u);
  EXPECT_EQ(U32(file, 46), 0u);
  for (int y : {0, 31})
    for (int x : {0, 20, 31}) {
      const size_t at = 54 + size_t(31 - y) * 128 + size_t(x) * 4;
      const COLORREF expected = LeftQuarter(x, y, 32) ? RGB(255, 255, 255) : Pattern(x, y);
      EXPECT_EQ(RGB(file[at + 2], file[at + 1], file[at]), expected) << x << "," << y;
    }

  UniqueIcon small = MakeIcon(16, 32, Pattern, LeftQuarter);
  UniqueBitmap smallPicture = IconToBitmap(small.Get());
  WriteBitmapFile(smallPicture.Get(), name);
  EXPECT_EQ(ReadFile(name).size(), 1078u);
}

TEST_F(IconFileWriterTest, IndexedBitmapFileCountsItsColours) {
  UniqueBitmap picture =
      IconToBitmap(MakeIconImages(16, 8, [](int, int) { return RGB(0, 255, 0); }, LeftQuarter));
  const std::string name = Path("indexed.bmp");
  WriteBitmapFile(picture.Get(), name);
  const std::vector<uint8_t> file = ReadFile(name);
  ASSERT_EQ(file.size(), 14u + 40 + 1024 + 256);
  EXPECT_EQ(U32(file, 10), 14u + 40 + 1024);
  EXPECT_EQ(U32(file, 46), 256u);
  const size_t opaque = 14 + 40 + 1024 + 12, entry = 54 + 4 * size_t(file[opaque]);
  EXPECT_EQ(RGB(file[entry + 2], file[entry + 1], file[entry]), RGB(0, 255, 0));
}

}  // namespace
}  // namespace tmv

namespace tmv {
namespace {

// Files for the read-back test, which runs after this program and reads them with other readers.
TEST(IconFileReadBackSamples, WriteEveryKindOfFile) {
  const std::string folder = std::string("Z:") + TM_BUILD_DIR + "/readback";
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int bitCount : {32, 24, 16, 8})
    WriteIconFile(MakeIconImages(32, bitCount, Pattern, LeftQuarter),
                  folder + "/icon32x" + std::to_string(bitCount) + ".ico");
  UniqueIcon small = MakeIcon(16, 32, Pattern, LeftQuarter);
  WriteIconFile(small.Get(), folder + "/icon16x32.ico");
  WriteIconFile(MakeMonochromeIcon().Get(), folder + "/icon32x1.ico");
  UniqueIcon large = MakeIcon(32, 32, Pattern, LeftQuarter);
  WriteBitmapFile(IconToBitmap(large.Get()).Get(), folder + "/bitmap32x32.bmp");
  WriteBitmapFile(IconToBitmap(small.Get()).Get(), folder + "/bitmap16x32.bmp");
  WriteBitmapFile(IconToBitmap(MakeIconImages(32, 8, Pattern, LeftQuarter)).Get(),
                  folder + "/bitmap32x8.bmp");
  EXPECT_TRUE(FileExists(folder + "/bitmap32x8.bmp"));
}

}  // namespace
}  // namespace tmv
