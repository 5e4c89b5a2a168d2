#include "skin/imaging/SPUtilsMaskRegion.h"

#include <algorithm>
#include <cstring>

namespace tmv {

namespace {

UniqueRegion CreateFromData(const uint8_t* data, size_t size) {
  return UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(size),
                                      reinterpret_cast<const RGNDATA*>(data)));
}

}  // namespace

UniqueRegion RegionFromRegionData(const std::vector<uint8_t>& data) {
  if (data.size() < 32) return {};
  if (UniqueRegion whole = CreateFromData(data.data(), data.size())) return whole;
  // Some systems refuse very large blocks: unite the rectangles a part at a time.
  constexpr size_t kPart = 2000;
  const size_t count = (data.size() - 32) / 16;
  UniqueRegion result(CreateRectRgn(0, 0, 0, 0));
  std::vector<uint8_t> part;
  for (size_t first = 0; first < count && result; first += kPart) {
    const size_t n = std::min(kPart, count - first);
    part.assign(data.begin(), data.begin() + 32);
    part.insert(part.end(), data.begin() + 32 + 16 * first, data.begin() + 32 + 16 * (first + n));
    const uint32_t n32 = static_cast<uint32_t>(n);
    std::memcpy(part.data() + 8, &n32, 4);
    UniqueRegion piece = CreateFromData(part.data(), part.size());
    if (!piece) return {};
    CombineRgn(result.Get(), result.Get(), piece.Get(), RGN_OR);
  }
  return result;
}

UniqueRegion RegionFromMask(const TFBitmap& mask) {
  return RegionFromRegionData(MaskToRegionData(mask, 0, 0));
}

UniqueRegion RegionFromMask(const TBitmap& mask) {
  return RegionFromRegionData(MaskToRegionData(TMaskBits::FromBitmap(mask), 0, 0));
}

UniqueRegion RegionFromMask(HBITMAP mask) { return RegionFromMask(TFBitmap::FromHandle(mask)); }

UniqueRegion RegionFromMaskParts(const TMaskRegionParts& parts) {
  return RegionFromRegionData(MaskPartsRegionData(parts));
}

UniqueRegion RegionFromMaskParts(const TMaskBits& mask, const TSkinDivision& source,
                                 const TSkinDivision& target, int32_t width) {
  return RegionFromMaskParts(ComposeMaskRegionParts(mask, source, target, width));
}

UniqueRegion RegionFromMaskParts(const TFBitmap& mask, const TSkinDivision& source,
                                 const TSkinDivision& target, int32_t width) {
  return RegionFromMaskParts(TMaskBits::FromPicture(mask), source, target, width);
}

UniqueRegion RegionFromMaskParts(const TBitmap& mask, const TSkinDivision& source,
                                 const TSkinDivision& target, int32_t width) {
  return RegionFromMaskParts(TMaskBits::FromBitmap(mask), source, target, width);
}

}  // namespace tmv
