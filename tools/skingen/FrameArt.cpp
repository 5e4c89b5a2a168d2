// The window frame: the frame pictures, their mask, the form information, the caption and the
// caption buttons, and the buttons and items of a main menu bar.
#include <cmath>

#include "tools/skingen/Art.h"
#include "tools/skingen/Theme.h"

namespace skingen {
namespace {

constexpr int kFrameWidth = 300, kFrameHeight = 120;
constexpr Rect kClient{4, 30, 296, 116};
constexpr Rect kCaption{6, 1, 294, 29};
constexpr double kCornerRadius = 7;
constexpr int kButtonHeight = 24, kButtonWidth = 27, kCloseWidth = 41;

struct FrameColors {
  Rgb outline, glassTop, glassUpper, glassLower, glassBottom, innerLine, captionText;
  double highlight;
  Rgb glyph, glyphHot, glyphDown;
};

const FrameColors kActive{rgb(82, 112, 152),  rgb(232, 242, 253), rgb(210, 228, 249), rgb(188, 212, 243),
                          rgb(206, 225, 248), rgb(156, 181, 214), rgb(24, 40, 64),    0.8,
                          rgb(52, 72, 102),   rgb(20, 50, 96),    rgb(16, 40, 80)};
const FrameColors kInactive{rgb(146, 158, 176), rgb(244, 246, 249), rgb(234, 238, 243), rgb(223, 229, 237),
                            rgb(232, 236, 242), rgb(194, 203, 216), rgb(120, 130, 146), 0.6,
                            rgb(140, 150, 165), rgb(140, 150, 165), rgb(140, 150, 165)};

Paint glass(const FrameColors& c) {
  const double mid = kCaption.top + kCaption.height() * 0.46;
  return verticalGradient({{1, c.glassTop}, {mid, c.glassUpper}, {mid + 0.01, c.glassLower}, {29, c.glassBottom}});
}

Shape outerShape() { return roundedRect(0, 0, kFrameWidth, kFrameHeight, kCornerRadius, 0); }

Raster drawFramePicture(const FrameColors& c) {
  Raster r(kFrameWidth, kFrameHeight, c.outline);
  const Shape inner = roundedRect(1, 1, kFrameWidth - 1, kFrameHeight - 1, kCornerRadius - 1, 0);
  r.fill(inner, glass(c));
  // A thin light line just inside the outline catches the light on the glass.
  const Shape rim = subtract(inner, roundedRect(2, 2, kFrameWidth - 2, kFrameHeight - 2, kCornerRadius - 2, 0));
  r.fill([rim](double x, double y) { return y < kCaption.height() / 2 && rim(x, y); }, solid(rgb(255, 255, 255)),
         c.highlight);
  r.fillRect({kClient.left - 1, kClient.top - 1, kClient.right + 1, kClient.bottom + 1}, solid(c.innerLine));
  r.fillRect(kClient, solid(theme::kClient));
  return r;
}

Raster drawFrameMask() {
  Raster r(kFrameWidth, kFrameHeight, rgb(255, 255, 255));
  const std::vector<double> cover = r.coverage(outerShape());
  for (int y = 0; y < kFrameHeight; ++y)
    for (int x = 0; x < kFrameWidth; ++x)
      if (cover[static_cast<size_t>(y) * kFrameWidth + x] >= 0.5) r.set(x, y, rgb(0, 0, 0));
  return r;
}

// The caption behind a caption button, so the button can be copied over the frame as it is.
Raster captionUnder(const FrameColors& c, int width, int height, int frameTop) {
  const Paint g = glass(c);
  return background(width, height, [g, frameTop](double x, double y) { return g(x, y + frameTop); });
}

enum class State { Normal, Hot, Down, Inactive };

Raster captionButton(Glyph glyph, int width, State state, bool close) {
  const FrameColors& c = state == State::Inactive ? kInactive : kActive;
  Raster r = captionUnder(c, width, kButtonHeight, kCaption.top);
  const Rect pill{0, 4, width, kButtonHeight - 1};
  Rgb ink = c.glyph;
  if (state == State::Normal || state == State::Inactive) {
    // At rest the button is only a faint outline on the glass.
    const Shape inside = roundedRect(1, pill.top + 1, width - 1, pill.bottom - 1, 3, 3);
    r.fill(subtract(roundedRect(0, pill.top, width, pill.bottom, 4, 4), inside), solid(c.outline), 0.35);
    r.fill(inside, solid(rgb(255, 255, 255)), 0.25);
  } else {
    // Light blue under the pointer, deeper when pressed; the close button turns red.
    static const Look kBlueHot{rgb(98, 146, 206), rgb(236, 246, 255), rgb(186, 218, 250), 0.5};
    static const Look kBlueDown{rgb(78, 122, 182), rgb(170, 202, 238), rgb(196, 222, 248), 0};
    static const Look kRedHot{rgb(168, 52, 44), rgb(238, 122, 106), rgb(206, 62, 46), 0.3};
    static const Look kRedDown{rgb(132, 36, 30), rgb(190, 58, 44), rgb(214, 86, 70), 0};
    const bool hot = state == State::Hot;
    drawFace(r, pill, 4, close ? (hot ? kRedHot : kRedDown) : (hot ? kBlueHot : kBlueDown));
    ink = close ? rgb(255, 255, 255) : hot ? c.glyphHot : c.glyphDown;
  }
  const double cx = width / 2.0, cy = (pill.top + pill.bottom) / 2.0;
  drawGlyph(r, glyph, cx, cy, glyph == Glyph::Close ? 8 : 10, ink);
  return r;
}

// A small window with a blue title bar stands for the system menu.
Raster systemMenuButton(State state) {
  const FrameColors& c = state == State::Inactive ? kInactive : kActive;
  constexpr int kSize = 16;
  const int top = kCaption.top + kCaption.height() / 2 - kSize / 2;
  Raster r = captionUnder(c, kSize, kSize, top);
  if (state == State::Hot || state == State::Down)
    drawFace(r, {0, 0, kSize, kSize}, 3, state == State::Hot ? theme::kHotFace : theme::kDownFace);
  const Rgb title = state == State::Inactive ? rgb(150, 164, 184) : rgb(70, 120, 190);
  r.fill(roundedRect(2, 3, 14, 13, 1.5, 1.5), solid(title));
  r.fill(roundedRect(3, 6, 13, 12, 0, 0.5), solid(rgb(255, 255, 255)));
  return r;
}

struct ButtonSet {
  Rect normal, hot, down, inactive;
};

ButtonSet addCaptionButton(Atlas& atlas, Glyph glyph, int width, bool close) {
  return {atlas.add(captionButton(glyph, width, State::Normal, close)),
          atlas.add(captionButton(glyph, width, State::Hot, close)),
          atlas.add(captionButton(glyph, width, State::Down, close)),
          atlas.add(captionButton(glyph, width, State::Inactive, close))};
}

// A caption or menu bar button; kind is "stdbutton" or "mainmenubarbutton".
void addStdButton(Skin& skin, const std::string& name, const std::string& kind, const ButtonSet& images,
                  const std::string& command, const ButtonSet* restore, bool inactiveLook) {
  Section& s = objectSection(skin, name, kind, {images.normal, images.hot, inactiveLook ? images.inactive : Rect{}});
  s.rect("downrect", images.down);
  s.rect("disableskinrsect", images.inactive);
  s.integer("groupindex", -1);
  s.text("command", command);
  s.rect("restorerect", restore ? restore->normal : Rect{});
  s.rect("restoreactiverect", restore ? restore->hot : Rect{});
  s.rect("restoredownrect", restore ? restore->down : Rect{});
}

void writeFormInfo(Section& f) {
  f.point("lefttoppoint", {40, kClient.top});
  f.point("righttoppoint", {kFrameWidth - 40, kClient.top});
  f.point("leftbottompoint", {40, kClient.bottom});
  f.point("rightbottompoint", {kFrameWidth - 40, kClient.bottom});
  f.rect("clientrect", kClient);
  f.integer("bgpictureindex", -1);
  f.integer("mdibgpictureindex", -1);
  // Every edge is uniform along its length, so tiling needs no stretching.
  f.flag("leftstretch", false);
  f.flag("rightstretch", false);
  f.flag("topstretch", false);
  f.flag("bottomstretch", false);
  f.rect("buttonsrect", {});
  f.rect("captionrect", kCaption);
  f.integer("buttonsoffset", 2);
  f.flag("buttonsinleft", false);
  // Only the rows with the rounded corners need the mask; the rest of the frame is opaque, which
  // keeps the window region to a handful of runs.
  f.rect("maskrectarea", {0, static_cast<int>(kCornerRadius) + 1, kFrameWidth, kFrameHeight});
  f.point("hittestlefttoppoint", {40, kClient.top});
  f.point("hittestrighttoppoint", {kFrameWidth - 40, kClient.top});
  f.point("hittestleftbottompoint", {40, kClient.bottom});
  f.point("hittestrightbottompoint", {kFrameWidth - 40, kClient.bottom});
  f.point("rollupleftpoint", {});
  f.point("rolluprightpoint", {});
  f.rect("mainmenurect", {});
  f.rect("iconrect", {kCaption.left, 7, kCaption.left + 16, 23});
  f.flag("mainmenupopupup", false);
  f.integer("borderwidth", 4);
  f.integer("cursorindex", -1);
  f.flag("autorenderinginactiveimage", false);
  f.text("inactiveeffect", "iebrightness");
}

// The caption is part of the frame picture; its text is drawn straight onto it.
void addCaption(Skin& skin) {
  Section& s = objectSection(skin, "caption", "caption", {kCaption, {}, {}, -1, false});
  s.flag("defaultcaption", true);
  s.rect("textrect", {4, 0, kCaption.width() - 4, kCaption.height()});
  s.text("fontname", kFontFace);
  s.integer("fontheight", 14);
  s.text("fontstyle", "fsbold");
  s.color("fontcolor", kInactive.captionText);
  s.color("activefontcolor", kActive.captionText);
  s.text("alignment", "taleftjustify");
  // A soft light shadow lifts the text off the glass.
  s.flag("shadow", true);
  s.color("shadowcolor", rgb(246, 248, 251));
  s.color("activeshadowcolor", rgb(236, 244, 253));
  s.rect("framerect", {});
  s.rect("activeframerect", {});
  s.rect("frametextrect", {});
  s.integer("frameleftoffset", 0);
  s.integer("framerightoffset", 0);
}

// Buttons and items of a main menu bar lie on the bar's own gradient.
Raster onMenuBar(int width, int height, int barTop) {
  const Paint bar = verticalGradient({{0, theme::kPanelTop}, {22, theme::kPanelBottom}});
  return background(width, height, [bar, barTop](double x, double y) { return bar(x, y + barTop); });
}

ButtonSet addMenuBarButton(Atlas& atlas, Glyph glyph) {
  ButtonSet set;
  Rect* slots[] = {&set.normal, &set.hot, &set.down};
  const Look* looks[] = {nullptr, &theme::kHotFace, &theme::kDownFace};
  for (int i = 0; i < 3; ++i) {
    Raster r = onMenuBar(16, 14, 4);
    if (looks[i]) drawFace(r, {0, 0, 16, 14}, 2, *looks[i]);
    drawGlyph(r, glyph, 8, 7, glyph == Glyph::Close ? 6 : 8, theme::kText);
    *slots[i] = atlas.add(r);
  }
  set.inactive = set.normal;
  return set;
}

void addMenuBarObjects(Skin& skin, Atlas& atlas) {
  Raster item[3] = {onMenuBar(30, 20, 1), onMenuBar(30, 20, 1), onMenuBar(30, 20, 1)};
  drawFace(item[1], {0, 0, 30, 20}, 3, theme::kHotFace);
  drawFace(item[2], {0, 0, 30, 20}, 3, theme::kDownFace);
  const Rect normal = atlas.add(item[0]), hot = atlas.add(item[1]), down = atlas.add(item[2]);
  Section& s = objectSection(skin, "mainmenubaritem", "mainmenubaritem", {normal, hot, {}});
  s.integer("itemleftoffset", 4);
  s.integer("itemrightoffset", 4);
  s.rect("downrect", down);
  s.rect("textrect", {6, 0, 24, 20});
  s.font("", "", theme::kText);
  s.color("activefontcolor", theme::kTextHot);
  s.color("downfontcolor", theme::kTextHot);
  s.color("unenabledfontColor", theme::kTextDisabled);

  const struct {
    const char* name;
    Glyph glyph;
    const char* command;
  } buttons[] = {{"menubarsysmenubutton", Glyph::Down, "cmsysmenu"},
                 {"menubarclosebutton", Glyph::Close, "cmclose"},
                 {"menubarmaxbutton", Glyph::Restore, "cmmaximize"},
                 {"menubarminbutton", Glyph::Minimize, "cmminimize"}};
  for (const auto& b : buttons) {
    addStdButton(skin, b.name, "mainmenubarbutton", addMenuBarButton(atlas, b.glyph), b.command, nullptr, false);
  }
}

}  // namespace

void addFrame(Skin& skin, Atlas& atlas) {
  skin.frame = {"frame.bmp", drawFramePicture(kActive)};
  skin.inactiveFrame = {"frameinactive.bmp", drawFramePicture(kInactive)};
  skin.frameMask = {"framemask.bmp", drawFrameMask(), true};
  writeFormInfo(skin.definition.section("FORMINFO"));

  addCaption(skin);
  const ButtonSet close = addCaptionButton(atlas, Glyph::Close, kCloseWidth, true);
  const ButtonSet maximize = addCaptionButton(atlas, Glyph::Maximize, kButtonWidth, false);
  const ButtonSet restore = addCaptionButton(atlas, Glyph::Restore, kButtonWidth, false);
  const ButtonSet minimize = addCaptionButton(atlas, Glyph::Minimize, kButtonWidth, false);
  const ButtonSet sysMenu{atlas.add(systemMenuButton(State::Normal)), atlas.add(systemMenuButton(State::Hot)),
                          atlas.add(systemMenuButton(State::Down)), atlas.add(systemMenuButton(State::Inactive))};
  addStdButton(skin, "closebutton", "stdbutton", close, "cmclose", nullptr, true);
  addStdButton(skin, "minimizebutton", "stdbutton", minimize, "cmminimize", &restore, true);
  addStdButton(skin, "maximizebutton", "stdbutton", maximize, "cmmaximize", &restore, true);
  addStdButton(skin, "sysmenubutton", "stdbutton", sysMenu, "cmsysmenu", nullptr, true);
  addMenuBarObjects(skin, atlas);
  // Placed last in the picture, so the pieces before keep their places. The arrow points where
  // the window goes: up to roll it up, down (while rolled up) to let it down again.
  const ButtonSet rollUp = addCaptionButton(atlas, Glyph::Up, kButtonWidth, false);
  const ButtonSet letDown = addCaptionButton(atlas, Glyph::Down, kButtonWidth, false);
  addStdButton(skin, "rollupbutton", "stdbutton", rollUp, "cmrollup", &letDown, true);
}

}  // namespace skingen
