#include "app/IconFileWriter.h"

#include <vector>

#include "app/IconFileLayout.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"

namespace tmv {

namespace {

const char* const kInvalidIcon = "Icon image is not valid";
const char* const kInvalidBitmap = "Bitmap image is not valid";

struct TOwnedMemoryDC {
  explicit TOwnedMemoryDC(HDC compatibleWith) : Handle(CreateCompatibleDC(compatibleWith)) {
    if (!Handle) throw EOutOfResources("Out of system resources");
  }
  ~TOwnedMemoryDC() { DeleteDC(Handle); }
  TOwnedMemoryDC(const TOwnedMemoryDC&) = delete;
  TOwnedMemoryDC& operator=(const TOwnedMemoryDC&) = delete;
  HDC Handle;
};

struct TScreenDC {
  TScreenDC() : Handle(GetDC(nullptr)) {
    if (!Handle) throw EOutOfResources("Out of system resources");
  }
  ~TScreenDC() { ReleaseDC(nullptr, Handle); }
  TScreenDC(const TScreenDC&) = delete;
  TScreenDC& operator=(const TScreenDC&) = delete;
  HDC Handle;
};

// A bitmap the context cannot take (one of a foreign depth) is reported as an invalid image.
class TSelection {
public:
  TSelection(HDC dc, HGDIOBJ object, const char* invalid)
      : dc_(dc), previous_(SelectObject(dc, object)) {
    if (!previous_) throw EInvalidGraphic(invalid);
  }
  ~TSelection() { SelectObject(dc_, previous_); }
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;

private:
  HDC dc_;
  HGDIOBJ previous_;
};

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

TDeviceIndependentImage ReadImage(HBITMAP bitmap, int32_t width, int32_t height, int32_t bitCount,
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
  TOwnedMemoryDC dc(nullptr);
  const int rows = GetDIBits(dc.Handle, bitmap, 0, static_cast<UINT>(height), image.Pixels.data(),
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
  images.Colour.reset(info.hbmColor);
  images.Mask.reset(info.hbmMask);
  return images;
}

void WriteIconFile(HICON icon, const std::string& fileName) {
  WriteIconFile(TIconImages::Of(icon), fileName);
}

void WriteIconFile(const TIconImages& images, const std::string& fileName) {
  const BITMAP mask = DescribeBitmap(images.Mask.get(), kInvalidIcon);
  std::vector<uint8_t> bytes;
  if (images.Monochrome()) {
    // Bottom-up, the picture's rows come first and the transparency mask's follow.
    TDeviceIndependentImage both =
        ReadImage(images.Mask.get(), mask.bmWidth, mask.bmHeight, 1, kInvalidIcon);
    const TImageFormat half{mask.bmWidth, mask.bmHeight / 2, 1};
    if (!half.IsValid() || mask.bmHeight % 2 != 0) throw EInvalidGraphic(kInvalidIcon);
    const auto middle = both.Pixels.begin() + half.PixelBytes();
    bytes = ComposeIconFile(half, both.Palette, std::vector<uint8_t>(both.Pixels.begin(), middle),
                            std::vector<uint8_t>(middle, both.Pixels.end()));
  } else {
    const BITMAP colour = DescribeBitmap(images.Colour.get(), kInvalidIcon);
    if (colour.bmWidth != mask.bmWidth || colour.bmHeight != mask.bmHeight)
      throw EInvalidGraphic(kInvalidIcon);
    TDeviceIndependentImage picture =
        ReadImage(images.Colour.get(), colour.bmWidth, colour.bmHeight,
                  colour.bmPlanes * colour.bmBitsPixel, kInvalidIcon);
    const TDeviceIndependentImage transparency =
        ReadImage(images.Mask.get(), mask.bmWidth, mask.bmHeight, 1, kInvalidIcon);
    TakeOpacityFromMask(picture.Format, picture.Pixels, transparency.Pixels);
    bytes = ComposeIconFile(picture.Format, picture.Palette, picture.Pixels, transparency.Pixels);
  }
  WriteWholeFile(fileName, bytes);
}

TOwnedBitmap IconToBitmap(HICON icon) { return IconToBitmap(TIconImages::Of(icon)); }

TOwnedBitmap IconToBitmap(TIconImages images) {
  const BITMAP mask = DescribeBitmap(images.Mask.get(), kInvalidIcon);
  const int width = mask.bmWidth;
  const int height = images.Monochrome() ? mask.bmHeight / 2 : mask.bmHeight;
  if (width <= 0 || height <= 0) throw EInvalidGraphic(kInvalidIcon);
  if (!images.Monochrome()) {
    const BITMAP colour = DescribeBitmap(images.Colour.get(), kInvalidIcon);
    if (colour.bmWidth != width || colour.bmHeight != height) throw EInvalidGraphic(kInvalidIcon);
  }

  TScreenDC screen;
  TOwnedBitmap result = std::move(images.Colour);
  // A monochrome icon's picture sits below its mask; it is copied into a bitmap of the display's
  // depth so that the mask can be laid over it like over a colour image.
  const bool monochrome = !result;
  if (monochrome) result.reset(CreateCompatibleBitmap(screen.Handle, width, height));
  if (!result) throw EOutOfResources("Out of system resources");
  {
    TOwnedMemoryDC pictureDC(screen.Handle);
    TOwnedMemoryDC maskDC(screen.Handle);
    TSelection pictureSelected(pictureDC.Handle, result.get(), kInvalidIcon);
    TSelection maskSelected(maskDC.Handle, images.Mask.get(), kInvalidIcon);
    // Mask bits of 1 (transparent) arrive as the background colour and 0 bits as the text colour:
    // ORed in, they turn transparent pixels white and leave opaque ones as they are.
    SetBkColor(pictureDC.Handle, RGB(255, 255, 255));
    SetTextColor(pictureDC.Handle, RGB(0, 0, 0));
    if (monochrome)
      BitBlt(pictureDC.Handle, 0, 0, width, height, maskDC.Handle, 0, height, SRCCOPY);
    BitBlt(pictureDC.Handle, 0, 0, width, height, maskDC.Handle, 0, 0, SRCPAINT);
  }
  return result;
}

void WriteBitmapFile(HBITMAP bitmap, const std::string& fileName) {
  const BITMAP info = DescribeBitmap(bitmap, kInvalidBitmap);
  const TDeviceIndependentImage image = ReadImage(bitmap, info.bmWidth, info.bmHeight,
                                                  info.bmPlanes * info.bmBitsPixel, kInvalidBitmap);
  WriteWholeFile(fileName, ComposeBitmapFile(image.Format, image.Palette, image.Pixels));
}

}  // namespace tmv
