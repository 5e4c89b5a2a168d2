#pragma once
// Icons of known pixels at any depth, for the writer tests and the read-back samples.
#include <windows.h>

#include <functional>

#include "app/IconFileWriter.h"

namespace tmv {

using TPixelColour = std::function<COLORREF(int x, int y)>;
using TTransparent = std::function<bool(int x, int y, int size)>;

inline COLORREF Pattern(int x, int y) { return RGB(8 * x, 8 * y, 200); }
inline bool LeftQuarter(int x, int, int size) { return x < size / 4; }
inline bool Opaque(int, int, int) { return false; }

// The images of a square icon, the colour image at the given depth: a DIB section below 32 bits
// (8-bit ones with a grey palette whose entries 1 to 3 are red, green and blue), a bitmap
// compatible with the display at 32, as image lists keep them on a display of that depth.
TIconImages MakeIconImages(int size, int bitCount, const TPixelColour& colour,
                           const TTransparent& transparent);

// The icon made of those images. The system keeps an icon at the display's depth, so its
// GetIconInfo copies are 32-bit here whatever the depth it was made from.
UniqueIcon MakeIcon(int size, int bitCount, const TPixelColour& colour,
                    const TTransparent& transparent);

// A 32×32 icon without colour image: left quarter transparent, the right half of its top four rows
// white, the rest black.
UniqueIcon MakeMonochromeIcon();

}  // namespace tmv
