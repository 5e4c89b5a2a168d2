// Popup menus (their window and their items) and the hint window.
#include "tools/skingen/Art.h"
#include "tools/skingen/Theme.h"

namespace skingen {
namespace {

constexpr int kGlyphColumn = 24;
const Rgb kMenuBorder = rgb(151, 166, 188);
const Rgb kMenuColumn = rgb(241, 245, 250);
const Rgb kMenuColumnLine = rgb(224, 231, 240);

// A menu item as a band: the glyph column in the fixed left end, white between.
Raster menuItem(bool active) {
  Raster r(64, 22, theme::kWindow);
  r.fillRect({0, 0, kGlyphColumn, 22}, solid(kMenuColumn));
  r.fillRect({kGlyphColumn, 0, kGlyphColumn + 1, 22}, solid(kMenuColumnLine));
  if (active) drawFace(r, {1, 0, 63, 22}, 3, {theme::kSelectionBorder, rgb(234, 244, 255), theme::kSelection, 0.3});
  return r;
}

Raster menuDivider() {
  Raster r(64, 7, theme::kWindow);
  r.fillRect({0, 0, kGlyphColumn, 7}, solid(kMenuColumn));
  r.fillRect({kGlyphColumn, 0, kGlyphColumn + 1, 7}, solid(kMenuColumnLine));
  r.fillRect({kGlyphColumn + 5, 3, 64, 4}, solid(kMenuColumnLine));
  return r;
}

void addMenuItem(Skin& skin, Atlas& atlas) {
  const Rect normal = atlas.add(menuItem(false)), active = atlas.add(menuItem(true));
  const Rect divider = atlas.add(menuDivider());
  Section& s = objectSection(skin, "menuitem", "menuitem", {normal, active, {}, kFrameParts, false});
  s.integer("itemleftoffset", kGlyphColumn + 2);
  s.integer("itemrightoffset", 4);
  s.rect("dividerrect", divider);
  s.integer("dividerleftoffset", kGlyphColumn + 6);
  s.integer("dividerrightoffset", 2);
  // The text starts left of the glyph column: the menu adds the glyph width before the caption.
  s.rect("textrect", {kGlyphColumn - 10, 0, normal.width() - 4, normal.height()});
  s.font("", "", theme::kText);
  s.color("activefontcolor", theme::kTextHot);
  s.color("unenabledfontcolor", theme::kTextDisabled);
}

// The menu window: a 1-pixel border around white, with the glyph column running down the left.
void addMenuWindow(Skin& skin) {
  constexpr int kSize = 40, kInset = 2;
  Raster r(kSize, kSize, kMenuBorder);
  r.fillRect({1, 1, kSize - 1, kSize - 1}, solid(theme::kWindow));
  r.fillRect({kInset, kInset, kInset + kGlyphColumn, kSize - kInset}, solid(kMenuColumn));
  r.fillRect({kInset + kGlyphColumn, kInset, kInset + kGlyphColumn + 1, kSize - kInset}, solid(kMenuColumnLine));
  skin.activePictures.push_back({"menuwindow.bmp", r});

  Section& s = skin.definition.section("POPUPWINDOW");
  s.integer("windowpictureindex", kMenuWindow);
  s.integer("maskpictureindex", -1);
  s.point("lefttoppoint", {kInset, kInset});
  s.point("righttoppoint", {kSize - kInset, kInset});
  s.point("leftbottompoint", {kInset, kSize - kInset});
  s.point("rightbottompoint", {kSize - kInset, kSize - kInset});
  s.integer("cursorindex", -1);
  s.rect("itemsrect", {kInset, kInset, kSize - kInset, kSize - kInset});
  s.color("scrollmarkercolor", rgb(120, 134, 156));
  s.color("scrollmarkeractivecolor", theme::kTextHot);
  s.flag("leftstretch", false);
  s.flag("rightstretch", false);
  s.flag("topstretch", false);
  s.flag("bottomstretch", false);
}

// The hint: a pale rounded tip; the mask cuts its corners.
void addHintWindow(Skin& skin) {
  constexpr int kWidth = 24, kHeight = 22, kRadius = 3;
  const Rect client{6, 4, kWidth - 6, kHeight - 4};
  Raster r(kWidth, kHeight, rgb(128, 146, 172));
  r.fill(roundedRect(1, 1, kWidth - 1, kHeight - 1, kRadius - 1, kRadius - 1), solid(rgb(250, 252, 255)));
  skin.activePictures.push_back({"hint.bmp", r});
  Raster mask(kWidth, kHeight, rgb(255, 255, 255));
  mask.fill(roundedRect(0, 0, kWidth, kHeight, kRadius, kRadius), solid(rgb(0, 0, 0)));
  skin.activePictures.push_back({"hintmask.bmp", mask, true});

  Section& s = skin.definition.section("HINTWINDOW");
  s.integer("windowpictureindex", kHintWindow);
  s.integer("maskpictureindex", kHintMask);
  s.point("lefttoppoint", {client.left, client.top});
  s.point("righttoppoint", {client.right, client.top});
  s.point("leftbottompoint", {client.left, client.bottom});
  s.point("rightbottompoint", {client.right, client.bottom});
  s.rect("clientrect", client);
  s.font("", "", rgb(40, 52, 70));
  s.flag("leftstretch", false);
  s.flag("rightstretch", false);
  s.flag("topstretch", false);
  s.flag("bottomstretch", false);
}

}  // namespace

void addMenusAndHint(Skin& skin, Atlas& frameParts) {
  addMenuItem(skin, frameParts);
  addMenuWindow(skin);
  addHintWindow(skin);
}

}  // namespace skingen
