#pragma once
// Fitting skin texts (GBK byte strings) into a width.
#include <cstdint>
#include <functional>
#include <string>

#include "framework/core/TextUtils.h"
#include "skin/imaging/SkinGeometry.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tmv {

using TTextMeasure = std::function<int32_t(const std::string&)>;

// The text unchanged when it fits; otherwise the longest start of it, cut between whole
// characters (a double-byte character is never split), that still fits with "..." after it,
// followed by "...".
std::string FitTextToWidth(const std::string& text, int32_t width, const TTextMeasure& measure);

#ifdef _WIN32
// Measured in the font selected into the context.
std::string FitTextToWidth(HDC dc, const std::string& text, int32_t width);
// One line, vertically centred in the rectangle, in the context's font and text colour.
void DrawSingleLineText(HDC dc, const std::string& text, const TRect& rect);
// Clipped to the rectangle, at x = left + offset + 2 and y = top + height div 2 - text height div 2.
void DrawClippedText(HDC dc, const std::string& text, const TRect& rect, int32_t offset = 0);
#endif

}  // namespace tmv
