#pragma once
// Drawing shared by the skinned panels and labels: borders of the default look, fonts taken
// from a descriptor, and single captions placed by alignment.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/gui/Controls.h"
#include "framework/gui/Graphics.h"
#include "skin/imaging/SkinGeometry.h"
#include "skin/imaging/SkinIniValues.h"

namespace tmv {

enum class TspSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };
const TEnumInfo& SkinBorderStyleInfo();

// One-pixel frame: top and left edges in one colour, right and bottom in the other; the
// rectangle shrinks by the frame.
void Frame3D(TCanvas& canvas, RECT& r, TColor topLeft, TColor bottomRight);
// The default look's border: frame shadow/shadow, raised highlight/shadow, lowered
// shadow/highlight, none nothing. The rectangle shrinks by what was drawn.
void DrawDefaultBorder(TCanvas& canvas, RECT& r, TspSkinBorderStyle style);

// The descriptor's font for a caption, in the character set given.
void AssignSkinFont(TFont& target, const std::string& name, int32_t height,
                    const TSkinFontStyles& style, TColor colour, int charset);

int32_t TextWidthIn(TFont& font, const std::string& text);

// Where content of a width starts between left and right.
int32_t AlignedLeft(TAlignment alignment, int32_t left, int32_t right, int32_t width);
TAlignment AlignmentOf(TSkinAlignment alignment);

// One line at x, vertically centred in rect and clipped to it, over what is there.
void DrawCaptionText(HDC dc, TFont& font, const TRect& rect, int32_t x, const std::string& text);

// A glyph strip's frame (2 when disabled and the strip has two, else 1).
int32_t GlyphFrame(bool enabled, int32_t numGlyphs);
int32_t GlyphFrameWidth(const TBitmap& glyph, int32_t numGlyphs);

}  // namespace tmv
