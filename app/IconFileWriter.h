#pragma once
// Writes one icon as an icon file or, made opaque, as a bitmap file, for the export.
#include <windows.h>

#include <string>

#include "framework/gui/Handles.h"

namespace tmv {

// An icon's colour image and mask as separate bitmaps, owned (the copies GetIconInfo makes). A
// monochrome icon has no colour image: its mask is twice as high, the transparency mask on top and
// the picture below.
struct TIconImages {
  // Raises EInvalidGraphic "Icon image is not valid" for an icon without a handle or images.
  static TIconImages Of(HICON icon);
  bool Monochrome() const { return !Colour; }

  UniqueBitmap Colour;
  UniqueBitmap Mask;
};

// Writes the icon's colour image at its own depth, with its colour table up to 8 bits per pixel,
// and its mask, as a one-image icon file replacing any file of that name. A monochrome icon is
// written as a 1-bit image. Raises EInvalidGraphic "Icon image is not valid" for an icon without
// usable images (nothing is written then) and EFCreateError when the file cannot be created.
void WriteIconFile(HICON icon, const std::string& fileName);
void WriteIconFile(const TIconImages& images, const std::string& fileName);

// The icon's picture at the size and depth of its colour image, with every transparent pixel white.
// Raises EInvalidGraphic "Icon image is not valid" for an icon without usable images.
UniqueBitmap IconToBitmap(HICON icon);
UniqueBitmap IconToBitmap(TIconImages images);

// Writes the bitmap, not selected into any device context, as an uncompressed bitmap file at its own
// depth, replacing any file of that name. Raises EInvalidGraphic "Bitmap image is not valid" and
// EFCreateError like WriteIconFile.
void WriteBitmapFile(HBITMAP bitmap, const std::string& fileName);

}  // namespace tmv
