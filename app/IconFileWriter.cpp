#include "app/IconFileWriter.h"

#include <vector>

#include "app/IconFileLayout.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"

namespace tmv {

namespace {

const char* const kInvalidIcon = "Icon image is not valid";
const char* const kInvalidBitmap = "Bitmap image is not valid";

UniqueMemoryDC MemoryDC(HDC compatibleWith) {
  UniqueMemoryDC dc(CreateCompatibleDC(compatibleWith));
  if (!dc) throw EOutOfResources("Out of system resources");
  return dc;
}

BITMAP DescribeBitmap(HBITMAP bitmap, const char* invalid) {
  BITMAP info{};
  if (!bitmap || GetObject(bitmap, sizeof info, &info) == 0) throw EInvalidGraphic(invalid);
  return info;
}

// Pixel rows of a bitmap, bottom-up, as the platform converts them to a device-independent image.
struct TDeviceIndependentImage {
  TImageFormat Format;
  std::vector<uint8_t> Palette;
  std::vector<uint8_t> Pixels;
};

TDeviceIndependentImage ReadImage(HDC dc, HBITMAP bitmap, int32_t width, int32_t height, int32_t bitCount,
                                  const char* invalid) {
  TDeviceIndependentImage image;
  image.Format = TImageFormat{width, height, bitCount};
  if (!image.Format.IsValid()) throw EInvalidGraphic(invalid);
  struct {
    BITMAPINFOHEADER Header;
    RGBQUAD Colours[256];
  } info{};
  info.Header.biSize = sizeof info.Header;
  info.Header.biWidth = width;
  info.Header.biHeight = height;
  info.Header.biPlanes = 1;
  info.Header.biBitCount = static_cast<WORD>(bitCount);
  info.Header.biCompression = BI_RGB;
  info.Header.biSizeImage = static_cast<DWORD>(image.Format.PixelBytes());
  image.Pixels.resize(static_cast<size_t>(image.Format.PixelBytes()));
  const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), image.Pixels.data(),
                             reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  if (rows != height) throw EInvalidGraphic(invalid);
  const auto* palette = reinterpret_cast<const uint8_t*>(info.Colours);
  image.Palette.assign(palette, palette + image.Format.PaletteBytes());
  return image;
}

// The file is written from one buffer; should the write fail, the partial file is removed rather
// than left looking like a picture.
void WriteWholeFile(const std::string& fileName, const std::vector<uint8_t>& bytes) {
  try {
    TFileStream file(fileName, fmCreate);
    file.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  } catch (const EWriteError&) {
    DeleteFileA(fileName.c_str());
    throw;
  }
}

}  // namespace

TIconImages TIconImages::Of(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) throw EInvalidGraphic(kInvalidIcon);
  TIconImages images;
  images.Colour.Reset(info.hbmColor);
  images.Mask.Reset(info.hbmMask);
  return images;
}

void WriteIconFile(HICON icon, const std::string& fileName) {
  WriteIconFile(TIconImages::Of(icon), fileName);
}

void WriteIconFile(const TIconImages& images, const std::string& fileName) {
  const BITMAP mask = DescribeBitmap(images.Mask.Get(), kInvalidIcon);
  const UniqueMemoryDC dc = MemoryDC(nullptr);
  std::vector<uint8_t> bytes;
  if (images.Monochrome()) {
    // Bottom-up, the picture's rows come first and the transparency mask's follow.
    TDeviceIndependentImage both =
        ReadImage(dc.Get(), images.Mask.Get(), mask.bmWidth, mask.bmHeight, 1, kInvalidIcon);
    const TImageFormat half{mask.bmWidth, mask.bmHeight / 2, 1};
    if (!half.IsValid() || mask.bmHeight % 2 != 0) throw EInvalidGraphic(kInvalidIcon);
    const auto middle = both.Pixels.begin() + half.PixelBytes();
    bytes = ComposeIconFile(half, both.Palette, std::vector<uint8_t>(both.Pixels.begin(), middle),
                            std::vector<uint8_t>(middle, both.Pixels.end()));
  } else {
    const BITMAP colour = DescribeBitmap(images.Colour.Get(), kInvalidIcon);
    if (colour.bmWidth != mask.bmWidth || colour.bmHeight != mask.bmHeight)
      throw EInvalidGraphic(kInvalidIcon);
    TDeviceIndependentImage picture =
        ReadImage(dc.Get(), images.Colour.Get(), colour.bmWidth, colour.bmHeight,
                  colour.bmPlanes * colour.bmBitsPixel, kInvalidIcon);
    const TDeviceIndependentImage transparency =
        ReadImage(dc.Get(), images.Mask.Get(), mask.bmWidth, mask.bmHeight, 1, kInvalidIcon);
    TakeOpacityFromMask(picture.Format, picture.Pixels, transparency.Pixels);
    bytes = ComposeIconFile(picture.Format, picture.Palette, picture.Pixels, transparency.Pixels);
  }
  WriteWholeFile(fileName, bytes);
}

UniqueBitmap IconToBitmap(HICON icon) { return IconToBitmap(TIconImages::Of(icon)); }

UniqueBitmap IconToBitmap(TIconImages images) {
  const BITMAP mask = DescribeBitmap(images.Mask.Get(), kInvalidIcon);
  const int width = mask.bmWidth;
  const int height = images.Monochrome() ? mask.bmHeight / 2 : mask.bmHeight;
  if (width <= 0 || height <= 0) throw EInvalidGraphic(kInvalidIcon);
  if (!images.Monochrome()) {
    const BITMAP colour = DescribeBitmap(images.Colour.Get(), kInvalidIcon);
    if (colour.bmWidth != width || colour.bmHeight != height) throw EInvalidGraphic(kInvalidIcon);
  }

  WindowDC screen(nullptr);
  if (!screen.Get()) throw EOutOfResources("Out of system resources");
  UniqueBitmap result = std::move(images.Colour);
  // A monochrome icon's picture sits below its mask; it is copied into a bitmap of the display's
  // depth so that the mask can be laid over it like over a colour image.
  const bool monochrome = !result;
  if (monochrome) result.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
  if (!result) throw EOutOfResources("Out of system resources");
  {
    const UniqueMemoryDC pictureDC = MemoryDC(screen.Get());
    const UniqueMemoryDC maskDC = MemoryDC(screen.Get());
    SelectGuard pictureSelected(pictureDC.Get(), result.Get());
    SelectGuard maskSelected(maskDC.Get(), images.Mask.Get());
    // A bitmap of a depth the display cannot take stays unselected.
    if (GetCurrentObject(pictureDC.Get(), OBJ_BITMAP) != result.Get() ||
        GetCurrentObject(maskDC.Get(), OBJ_BITMAP) != images.Mask.Get())
      throw EInvalidGraphic(kInvalidIcon);
    // Mask bits of 1 (transparent) arrive as the background colour and 0 bits as the text colour:
    // ORed in, they turn transparent pixels white and leave opaque ones as they are.
    SetBkColor(pictureDC.Get(), RGB(255, 255, 255));
    SetTextColor(pictureDC.Get(), RGB(0, 0, 0));
    if (monochrome)
      BitBlt(pictureDC.Get(), 0, 0, width, height, maskDC.Get(), 0, height, SRCCOPY);
    BitBlt(pictureDC.Get(), 0, 0, width, height, maskDC.Get(), 0, 0, SRCPAINT);
  }
  return result;
}

void WriteBitmapFile(HBITMAP bitmap, const std::string& fileName) {
  const BITMAP info = DescribeBitmap(bitmap, kInvalidBitmap);
  const UniqueMemoryDC dc = MemoryDC(nullptr);
  const TDeviceIndependentImage image = ReadImage(dc.Get(), bitmap, info.bmWidth, info.bmHeight,
                                                  info.bmPlanes * info.bmBitsPixel, kInvalidBitmap);
  WriteWholeFile(fileName, ComposeBitmapFile(image.Format, image.Palette, image.Pixels));
}

}  // namespace tmv
