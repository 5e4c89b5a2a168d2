#pragma once
// The default skin: a light, calm look with a soft blue glass caption. Every picture is drawn
// here by code; the definition text is written alongside, with the rectangles where each piece
// landed.
#include <string>
#include <vector>

#include "tools/skingen/Atlas.h"
#include "tools/skingen/Definition.h"
#include "tools/skingen/Raster.h"

namespace skingen {

struct Picture {
  std::string fileName;
  Raster image;
  bool oneBit = false;  // a mask: black pixels are inside
  std::vector<uint8_t> bmp() const;
};

struct Skin {
  Picture frame, inactiveFrame, frameMask;
  std::vector<Picture> activePictures;  // in package order
  Definition definition;
  // File name and bytes of every file of the skin folder, the definition last.
  std::vector<std::pair<std::string, std::vector<uint8_t>>> files() const;
};

// Index of each active picture in the package.
enum PictureIndex { kFrameParts = 0, kControls = 1, kMenuWindow = 2, kHintWindow = 3, kHintMask = 4 };

Skin buildSkin();

// Parts of the skin, each drawing its pieces into the pictures and writing its sections.
void addFrame(Skin& skin, Atlas& frameParts);
void addMenusAndHint(Skin& skin, Atlas& frameParts);
void addControls(Skin& skin, Atlas& controls);
void addListControls(Skin& skin, Atlas& controls);

// Opens a control's section with the keys every control has, its picture being the controls'.
Section& controlSection(Skin& skin, const std::string& name, const std::string& kind, const Rect& skinRect);

// Opens a frame object's section with the keys every object has. Its images come from the
// frame parts picture, or from the frame picture itself when images.picture is -1.
struct ObjectImages {
  Rect normal, active, inactive;
  int picture = kFrameParts;
  bool morphing = true;
};
Section& objectSection(Skin& skin, const std::string& name, const std::string& kind, const ObjectImages& images);

// Shared drawing of this skin.
Raster background(int width, int height, const Paint& paint);
struct Look {
  Rgb border, top, bottom;
  double shine = 0;  // opacity of the soft white upper half
};
// A rounded face with a 1-pixel border over what the raster already shows.
void drawFace(Raster& r, const Rect& at, double radius, const Look& look);
enum class Glyph { Close, Minimize, Maximize, Restore, Down, Up, Left, Right, Check };
void drawGlyph(Raster& r, Glyph glyph, double cx, double cy, double size, const Rgb& color);

}  // namespace skingen
