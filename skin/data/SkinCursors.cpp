#include "skin/data/SkinCursors.h"

#include <cstdint>

#include "framework/gui/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/SPUtilsFBitmap.h"

namespace tmv {

UniqueCursor CursorFromPicture(const TBitmap& picture, const TPoint& hotSpot) {
  const int32_t w = picture.Width(), h = picture.Height();
  if (picture.Empty() || w > kMaxSkinCursorSide || h > kMaxSkinCursorSide) return {};
  if (hotSpot.X < 0 || hotSpot.Y < 0 || hotSpot.X >= w || hotSpot.Y >= h) return {};
  TFBitmap colour = TFBitmap::FromBitmap(picture);
  // Where the mask is set the screen shows through; the colour there must be black.
  const TBgr transparent = colour.Pixel(0, h - 1);
  const int32_t maskStride = (w + 15) / 16 * 2;
  std::vector<uint8_t> maskBits(static_cast<size_t>(maskStride) * h, 0);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      if (colour.Pixel(x, y) == transparent) {
        maskBits[static_cast<size_t>(y) * maskStride + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        colour.SetPixel(x, y, TBgr{});
      }
  UniqueBitmap mask(CreateBitmap(w, h, 1, 1, maskBits.data()));
  const BITMAPINFO header = colour.Header();
  WindowDC screen(nullptr);
  UniqueBitmap image(CreateDIBitmap(screen.Get(), &header.bmiHeader, CBM_INIT, colour.Bits(),
                                    &header, DIB_RGB_COLORS));
  if (!mask || !image) return {};
  ICONINFO info{FALSE, static_cast<DWORD>(hotSpot.X), static_cast<DWORD>(hotSpot.Y), mask.Get(),
                image.Get()};
  return UniqueCursor(CreateIconIndirect(&info));
}

TspSkinCursors::TspSkinCursors(const TspSkinData& registry) {
  for (size_t i = 0; i < registry.Cursors.size(); ++i) {
    const TspSkinCursorData& entry = registry.Cursors[i];
    if (entry.PictureIndex < 0 || static_cast<size_t>(entry.PictureIndex) >= registry.ActivePictures.size())
      continue;
    UniqueCursor cursor =
        CursorFromPicture(*registry.ActivePictures[static_cast<size_t>(entry.PictureIndex)], entry.HotSpot);
    if (!cursor) continue;
    const TCursor number = registry.StartCursorIndex + static_cast<TCursor>(i);
    Screen()->SetCursors(number, cursor.Get());
    cursors_.emplace_back(number, std::move(cursor));
  }
}

TspSkinCursors::~TspSkinCursors() {
  // Another skin may have registered the same number since; its cursor stays.
  for (auto& [number, cursor] : cursors_)
    if (Screen()->Cursors(number) == cursor.Get()) Screen()->SetCursors(number, nullptr);
}

}  // namespace tmv
