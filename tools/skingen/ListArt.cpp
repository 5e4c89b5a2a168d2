// The list box, scroll bars, edit and up-down buttons.
#include "tools/skingen/Art.h"
#include "tools/skingen/Theme.h"

namespace skingen {
namespace {

constexpr int kBar = 17;  // thickness of a scroll bar
const Rgb kTrack = rgb(243, 246, 250);
const Rgb kTrackLine = rgb(226, 232, 241);
const Look kThumb{rgb(158, 175, 200), rgb(214, 224, 238), rgb(214, 224, 238), 0};
const Look kThumbHot{rgb(112, 158, 216), rgb(194, 218, 246), rgb(194, 218, 246), 0};
const Look kThumbDown{rgb(92, 136, 196), rgb(170, 200, 238), rgb(170, 200, 238), 0};

Raster field(int width, int height, const Rgb& border) {
  Raster r(width, height, theme::kClient);
  r.fill(roundedRect(0, 0, width, height, 2.5, 2.5), solid(border));
  r.fill(roundedRect(1, 1, width - 1, height - 1, 1.5, 1.5), solid(theme::kWindow));
  return r;
}

void addListBox(Skin& skin, Atlas& atlas) {
  const Rect face = atlas.add(field(40, 40, theme::kFieldBorder));
  Raster selected(24, 20, theme::kWindow), focused(24, 20, theme::kWindow);
  drawFace(selected, {1, 1, 23, 19}, 2, {theme::kSelection, rgb(230, 242, 255), theme::kSelection, 0});
  drawFace(focused, {1, 1, 23, 19}, 2, {theme::kSelectionBorder, rgb(226, 240, 255), rgb(200, 225, 251), 0});
  const Rect item = atlas.add(background(24, 20, solid(theme::kWindow)));
  const Rect active = atlas.add(selected), focus = atlas.add(focused);

  Section& s = controlSection(skin, "listbox", "listbox", face).ninePart(face, 2, 2, 2, 2);
  s.rect("itemrect", item);
  s.rect("activeitemrect", active);
  s.rect("focusitemrect", focus);
  s.integer("itemleftoffset", 4);
  s.integer("itemrightoffset", 4);
  s.rect("itemtextrect", {4, 0, item.width() - 4, item.height()});
  s.font("", "", theme::kText);
  s.color("activefontcolor", theme::kText);
  s.color("focusfontcolor", theme::kTextHot);
  // A plain list box has no caption bar.
  s.rect("captionrect", {});
  s.font("caption", "fsbold", theme::kText);
  for (const char* key : {"upbuttonrect", "activeupbuttonrect", "downupbuttonrect", "downbuttonrect",
                          "activedownbuttonrect", "downdownbuttonrect", "checkbuttonrect", "activecheckbuttonrect",
                          "downcheckbuttonrect"})
    s.rect(key, {});
  s.text("vscrollbarname", "vscrollbar");
  s.text("hscrollbarname", "hscrollbar");
  s.text("bothhscrollbarname", "bothhscrollbar");
}

// An arrow button of a scroll bar: only the arrow until the pointer comes near.
Raster arrowButton(Glyph glyph, const Look* look) {
  Raster r(kBar, kBar, kTrack);
  if (look) drawFace(r, {1, 1, kBar - 1, kBar - 1}, 2, *look);
  drawGlyph(r, glyph, kBar / 2.0, kBar / 2.0, 7, look ? theme::kTextHot : rgb(96, 112, 136));
  return r;
}

struct ArrowImages {
  Rect hot, down;
};

ArrowImages addArrow(Atlas& atlas, Glyph glyph) {
  return {atlas.add(arrowButton(glyph, &theme::kHotFace)), atlas.add(arrowButton(glyph, &theme::kDownFace))};
}

struct Thumbs {
  Rect normal, hot, down, grip, hotGrip, downGrip;
};

Thumbs addThumbs(Atlas& atlas, bool vertical) {
  const int w = vertical ? 11 : 30, h = vertical ? 30 : 11;
  Thumbs t;
  const Look* looks[] = {&kThumb, &kThumbHot, &kThumbDown};
  Rect* faces[] = {&t.normal, &t.hot, &t.down};
  Rect* grips[] = {&t.grip, &t.hotGrip, &t.downGrip};
  for (int i = 0; i < 3; ++i) {
    Raster face(w, h, kTrack);
    drawFace(face, {0, 0, w, h}, 3, *looks[i]);
    *faces[i] = atlas.add(face);
    // Three short ridges across the thumb, on the thumb's own colour.
    Raster grip(vertical ? 5 : 7, vertical ? 7 : 5, looks[i]->top);
    for (int k = 0; k < 3; ++k) {
      const Rect ridge = vertical ? Rect{0, k * 3, 5, k * 3 + 1} : Rect{k * 3, 0, k * 3 + 1, 5};
      grip.fillRect(ridge, solid(mix(looks[i]->border, looks[i]->top, 0.2)));
    }
    *grips[i] = atlas.add(grip);
  }
  return t;
}

void writeScrollBar(Section& s, const Rect& track, const Rect& increase, const ArrowImages& inc, const Rect& decrease,
                    const ArrowImages& dec, const Thumbs& thumbs) {
  s.rect("trackarea", track);
  s.rect("upbuttonrect", increase);
  s.rect("activeupbuttonrect", inc.hot);
  s.rect("downupbuttonrect", inc.down);
  s.rect("downbuttonrect", decrease);
  s.rect("activedownbuttonrect", dec.hot);
  s.rect("downdownbuttonrect", dec.down);
  s.rect("thumbrect", thumbs.normal);
  s.rect("activethumbrect", thumbs.hot);
  s.rect("downthumbrect", thumbs.down);
  s.integer("thumboffset1", 4);
  s.integer("thumboffset2", 4);
  s.flag("thumbtransparent", false);
  s.color("thumbtransparentcolor", rgb(255, 0, 255));
  s.rect("glyphrect", thumbs.grip);
  s.rect("activeglyphrect", thumbs.hotGrip);
  s.rect("downglyphrect", thumbs.downGrip);
}

void addScrollBars(Skin& skin, Atlas& atlas) {
  constexpr int kLength = 64;
  const Rect ends[2] = {{0, 0, kBar, kBar}, {kLength - kBar, 0, kLength, kBar}};

  Raster vertical(kBar, kLength, kTrack);
  vertical.fillRect({0, 0, 1, kLength}, solid(kTrackLine));
  vertical.copyFrom(arrowButton(Glyph::Up, nullptr), {1, 0, kBar, kBar}, 1, 0);
  vertical.copyFrom(arrowButton(Glyph::Down, nullptr), {1, 0, kBar, kBar}, 1, kLength - kBar);
  const Rect v = atlas.add(vertical);
  const ArrowImages up = addArrow(atlas, Glyph::Up), down = addArrow(atlas, Glyph::Down);
  const Thumbs vThumbs = addThumbs(atlas, true);
  writeScrollBar(controlSection(skin, "vscrollbar", "scrollbar", v).verticalBand(v, kBar, kBar, {0, kBar, kBar, kLength - kBar}),
                 {0, kBar, kBar, kLength - kBar}, {0, kLength - kBar, kBar, kLength}, down, {0, 0, kBar, kBar}, up,
                 vThumbs);

  const ArrowImages left = addArrow(atlas, Glyph::Left), right = addArrow(atlas, Glyph::Right);
  const Thumbs hThumbs = addThumbs(atlas, false);
  // The bar alone, and with the square where it meets a vertical bar.
  for (bool both : {false, true}) {
    const int width = kLength + (both ? kBar : 0);
    Raster horizontal(width, kBar, kTrack);
    horizontal.fillRect({0, 0, width, 1}, solid(kTrackLine));
    horizontal.copyFrom(arrowButton(Glyph::Left, nullptr), {0, 1, kBar, kBar}, ends[0].left, 1);
    horizontal.copyFrom(arrowButton(Glyph::Right, nullptr), {0, 1, kBar, kBar}, ends[1].left, 1);
    if (both) horizontal.fillRect({kLength, 0, width, kBar}, solid(theme::kClient));
    const Rect h = atlas.add(horizontal);
    const Rect track{kBar, 0, kLength - kBar, kBar};
    writeScrollBar(controlSection(skin, both ? "bothhscrollbar" : "hscrollbar", "scrollbar", h)
                       .horizontalBand(h, kBar, width - kLength + kBar, track),
                   track, ends[1], right, ends[0], left, hThumbs);
  }
}

void addEdit(Skin& skin, Atlas& atlas) {
  const Rect normal = atlas.add(field(40, 20, theme::kFieldBorder));
  const Rect active = atlas.add(field(40, 20, theme::kFieldBorderHot));
  const Look* looks[] = {&theme::kNormalFace, &theme::kHotFace, &theme::kDownFace, &theme::kDisabledFace};
  Rect buttons[4];
  for (int i = 0; i < 4; ++i) {
    Raster b(15, 16, theme::kWindow);
    drawFace(b, {0, 0, 15, 16}, 2, *looks[i]);
    drawGlyph(b, Glyph::Down, 7.5, 8.5, 7, i == 3 ? theme::kTextDisabled : theme::kText);
    buttons[i] = atlas.add(b);
  }
  Section& s = controlSection(skin, "edit", "edit", normal).ninePart(normal, 3, 3, 3, 3);
  s.rect("activeskinrect", active);
  s.font("", "", theme::kText);
  s.color("disabledfontcolor", theme::kTextDisabled);
  s.color("activefontcolor", theme::kText);
  s.rect("buttonrect", buttons[0]);
  s.rect("activebuttonrect", buttons[1]);
  s.rect("downbuttonrect", buttons[2]);
  s.rect("unenabledbuttonrect", buttons[3]);
}

// Up-down buttons: the face shows both buttons at rest; the pictures of the pressed and hot
// buttons are cut separately. Decrease is left or bottom, increase right or top.
void addUpDown(Skin& skin, Atlas& atlas, const std::string& name, bool vertical) {
  const int bw = 16, bh = vertical ? 12 : 16;
  const Glyph increase = vertical ? Glyph::Up : Glyph::Right, decrease = vertical ? Glyph::Down : Glyph::Left;
  const Rect incPlace = vertical ? Rect{0, 0, bw, bh} : Rect{bw, 0, 2 * bw, bh};
  const Rect decPlace = vertical ? Rect{0, bh, bw, 2 * bh} : Rect{0, 0, bw, bh};
  auto button = [&](Glyph g, const Look& look) {
    Raster r(bw, bh, theme::kClient);
    drawFace(r, {0, 0, bw, bh}, 2, look);
    drawGlyph(r, g, bw / 2.0, bh / 2.0, vertical ? 6 : 7, theme::kText);
    return r;
  };
  Raster face(vertical ? bw : 2 * bw, vertical ? 2 * bh : bh, theme::kClient);
  face.copyFrom(button(increase, theme::kNormalFace), {0, 0, bw, bh}, incPlace.left, incPlace.top);
  face.copyFrom(button(decrease, theme::kNormalFace), {0, 0, bw, bh}, decPlace.left, decPlace.top);
  const Rect f = atlas.add(face);
  Section& s = controlSection(skin, name, "updown", f);
  s.point("lefttoppoint", {});
  s.point("righttoppoint", {});
  s.point("leftbottompoint", {});
  s.point("rightbottompoint", {});
  s.rect("clientrect", {});
  s.rect("upbuttonrect", incPlace);
  s.rect("activeupbuttonrect", atlas.add(button(increase, theme::kHotFace)));
  s.rect("downupbuttonrect", atlas.add(button(increase, theme::kDownFace)));
  s.rect("downbuttonrect", decPlace);
  s.rect("activedownbuttonrect", atlas.add(button(decrease, theme::kHotFace)));
  s.rect("downdownbuttonrect", atlas.add(button(decrease, theme::kDownFace)));
}

}  // namespace

void addListControls(Skin& skin, Atlas& atlas) {
  addListBox(skin, atlas);
  addScrollBars(skin, atlas);
  addEdit(skin, atlas);
  addUpDown(skin, atlas, "hupdown", false);
  addUpDown(skin, atlas, "vupdown", true);
}

}  // namespace skingen
