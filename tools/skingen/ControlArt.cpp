// Buttons, check and radio boxes, panels, the status bar, labels, the combo box and the main
// menu bar.
#include <cmath>

#include "tools/skingen/Art.h"
#include "tools/skingen/Theme.h"

namespace skingen {
namespace {

struct FourFaces {
  Rect normal, hot, down, disabled;
};

FourFaces addFaces(Atlas& atlas, int width, int height, double radius, const Rgb& under) {
  const Look* looks[] = {&theme::kNormalFace, &theme::kHotFace, &theme::kDownFace, &theme::kDisabledFace};
  Rect out[4];
  for (int i = 0; i < 4; ++i) {
    Raster r(width, height, under);
    drawFace(r, {0, 0, width, height}, radius, *looks[i]);
    out[i] = atlas.add(r);
  }
  return {out[0], out[1], out[2], out[3]};
}

void writeButtonKeys(Section& s, const FourFaces& faces) {
  s.font("", "", theme::kText);
  s.color("activefontcolor", theme::kTextHot);
  s.color("disabledfontcolor", theme::kTextDisabled);
  s.color("downfontcolor", theme::kTextHot);
  s.flag("morphing", true);
  s.text("morphkind", "mkdefault");
  s.rect("activeskinrect", faces.hot);
  s.rect("downskinrect", faces.down);
  s.rect("disabledskinrect", faces.disabled);
}

void addButtons(Skin& skin, Atlas& atlas) {
  // As high as the window's tool buttons, so they show the face row for row.
  const FourFaces button = addFaces(atlas, 24, 25, 3, theme::kPanelTop);
  writeButtonKeys(controlSection(skin, "button", "button", button.normal).ninePart(button.normal, 4, 4, 4, 4), button);
  const FourFaces small = addFaces(atlas, 16, 16, 2, theme::kClient);
  writeButtonKeys(controlSection(skin, "resizebutton", "button", small.normal).ninePart(small.normal, 3, 3, 3, 3), small);
}

// The colour of the tool panel's middle, behind its flat boxes; the mark pictures use it as
// their transparent colour (their bottom-left pixel).
Rgb panelMiddle() { return mix(theme::kPanelTop, theme::kPanelBottom, 0.3); }

Raster markPicture(bool radio, bool checked, int state) {
  constexpr int kSize = 13;
  const Rgb key = quantize(panelMiddle());
  Raster r(kSize, kSize, key);
  const Look& look = state == 1 ? theme::kHotFace : state == 2 ? theme::kDisabledFace : theme::kNormalFace;
  const Rgb border = state == 0 ? rgb(132, 152, 182) : look.border;
  const Shape outer = radio ? disc(6.5, 6.5, 6.5) : roundedRect(0, 0, kSize, kSize, 2.5, 2.5);
  const Shape inner = radio ? disc(6.5, 6.5, 5.5) : roundedRect(1, 1, kSize - 1, kSize - 1, 1.5, 1.5);
  const Rgb fillTop = state == 1 ? rgb(244, 250, 255) : look.top;
  const Rgb fillBottom = state == 1 ? rgb(212, 232, 252) : look.bottom;
  r.fill(outer, solid(border));
  r.fill(inner, verticalGradient({{1, fillTop}, {12, fillBottom}}));
  const Rgb mark = state == 2 ? theme::kTextDisabled : rgb(44, 98, 170);
  if (checked) {
    if (radio) {
      r.fill(disc(6.5, 6.5, 3.2), verticalGradient({{3, mix(mark, rgb(255, 255, 255), 0.35)}, {10, mark}}));
    } else {
      drawGlyph(r, Glyph::Check, 6.5, 6.3, 7, mark);
    }
  }
  // Only untouched pixels may keep the transparent colour.
  const std::vector<double> cover = r.coverage(outer);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      if (cover[static_cast<size_t>(y) * kSize + x] > 0 && colorValue(r.at(x, y)) == colorValue(key))
        r.set(x, y, mix(key, rgb(0, 0, 0), 0.01));
  // The bottom-left pixel names the transparent colour, so it stays clear of the rounded corner.
  r.set(0, kSize - 1, key);
  return r;
}

// The checked and unchecked marks of a box, as the panel's caption shows them too.
struct CheckMarks {
  Rect checked, unchecked;
};

CheckMarks addCheckRadio(Skin& skin, Atlas& atlas, const std::string& name, bool radio) {
  Raster face(60, 21, theme::kClient), hotFace(60, 21, theme::kClient);
  drawFace(hotFace, {0, 0, 60, 21}, 3, {theme::kSelectionBorder, rgb(246, 250, 255), rgb(226, 239, 253), 0});
  const Rect normal = atlas.add(face), hot = atlas.add(hotFace);
  Rect marks[6];  // checked and unchecked, normal, hot and disabled
  for (int state = 0; state < 3; ++state) {
    marks[state * 2] = atlas.add(markPicture(radio, true, state));
    marks[state * 2 + 1] = atlas.add(markPicture(radio, false, state));
  }
  Section& s = controlSection(skin, name, "checkradio", normal).ninePart(normal, 3, 3, 3, 3);
  s.font("", "", theme::kText);
  s.color("activefontcolor", theme::kTextHot);
  s.color("unenabledfontcolor", theme::kTextDisabled);
  s.color("framefontcolor", theme::kText);
  s.flag("morphing", true);
  s.text("morphkind", "mkdefault");
  s.rect("activeskinrect", hot);
  s.rect("checkimagearea", {3, 4, 16, 17});
  s.rect("textarea", {20, 0, 57, 21});
  s.rect("checkimagerect", marks[0]);
  s.rect("uncheckimagerect", marks[1]);
  s.rect("activecheckimagerect", marks[2]);
  s.rect("activeuncheckimagerect", marks[3]);
  s.rect("unenabledcheckimagerect", marks[4]);
  s.rect("unenableduncheckimagerect", marks[5]);
  return {marks[0], marks[1]};
}

// A panel without a caption bar has no caption place, and no marks to show in it.
void writePanelKeys(Section& s, const Rgb& color, const Rect& caption = {}, const CheckMarks& marks = {}) {
  s.integer("bgpictureindex", -1);
  s.rect("captionrect", caption);
  s.text("alignment", "taleftjustify");
  s.font("", "", color);
  s.rect("checkimagerect", marks.checked);
  s.rect("uncheckimagerect", marks.unchecked);
}

Paint statusGradient() {
  return verticalGradient({{0, theme::kPanelLine}, {1, rgb(252, 253, 255)}, {2, rgb(244, 247, 251)}, {21, rgb(226, 233, 243)}});
}

void addPanels(Skin& skin, Atlas& atlas, const CheckMarks& marks) {
  // The caption bar stands above the tool panel's own face; a panel without a caption leaves
  // the bar's rows out and shows the tool panel alone. The panel's middle is of one colour,
  // so a panel of any height repeats it without seams; its shade lies in the bottom edge.
  constexpr int kBar = 22, kBody = 41, kSide = 6, kShade = 5;
  const Rgb middle = panelMiddle();
  Raster panel = background(40, kBar + kBody, solid(middle));
  panel.fillRect({0, 0, 40, kBar}, verticalGradient({{1, rgb(244, 248, 253)}, {kBar - 1, rgb(216, 228, 244)}}));
  panel.fillRect({0, 0, 40, 1}, solid(rgb(255, 255, 255)));
  panel.fillRect({0, kBar - 1, 40, kBar}, solid(theme::kPanelLine));
  panel.fillRect({0, kBar, 40, kBar + 1}, solid(rgb(255, 255, 255)));
  panel.fillRect({0, kBar + 1, 40, kBar + 2}, solid(mix(theme::kPanelTop, middle, 0.5)));
  const int shadeTop = kBar + kBody - kShade;
  panel.fillRect({0, shadeTop, 40, kBar + kBody - 1}, verticalGradient({{shadeTop, middle}, {kBar + kBody - 1, theme::kPanelBottom}}));
  panel.fillRect({0, kBar + kBody - 1, 40, kBar + kBody}, solid(theme::kPanelLine));
  const Rect p = atlas.add(panel);
  writePanelKeys(controlSection(skin, "panel", "panel", p).ninePart(p, kSide, kBar + 2, kSide, kShade), theme::kText,
                 {kSide, 0, 40 - kSide, kBar}, marks);

  const Paint status = statusGradient();
  const Rect bar = atlas.add(background(40, 21, status));
  writePanelKeys(controlSection(skin, "statusbar", "panel", bar).horizontalBand(bar, 2, 2, {2, 2, 38, 21}), theme::kText);

  // The status panel continues the bar below its top lines, so the text seems to lie on the bar.
  const Rect statusPanel = atlas.add(background(40, 19, [status](double x, double y) { return status(x, y + 2); }));
  controlSection(skin, "statuspanel", "label", statusPanel)
      .horizontalBand(statusPanel, 3, 3, {4, 0, 36, 19})
      .font("", "", rgb(52, 66, 88));

  const Rect label = atlas.add(background(40, 19, solid(theme::kClient)));
  controlSection(skin, "label", "label", label).horizontalBand(label, 2, 2, {2, 0, 38, 19}).font("", "", theme::kText);
}

void addComboBox(Skin& skin, Atlas& atlas) {
  constexpr int kWidth = 54, kHeight = 20;
  const Rect button{kWidth - 17, 2, kWidth - 2, kHeight - 2};
  Raster face(kWidth, kHeight, theme::kPanelTop);
  face.fill(roundedRect(0, 0, kWidth, kHeight, 2.5, 2.5), solid(theme::kFieldBorder));
  face.fill(roundedRect(1, 1, kWidth - 1, kHeight - 1, 1.5, 1.5), solid(theme::kWindow));
  const Look* looks[] = {&theme::kNormalFace, &theme::kHotFace, &theme::kDownFace, &theme::kDisabledFace};
  Rect buttons[4];
  for (int i = 0; i < 4; ++i) {
    Raster b(button.width(), button.height(), theme::kWindow);
    drawFace(b, {0, 0, button.width(), button.height()}, 2, *looks[i]);
    drawGlyph(b, Glyph::Down, button.width() / 2.0, button.height() / 2.0 + 0.5, 7,
              i == 3 ? theme::kTextDisabled : theme::kText);
    if (i == 0) face.copyFrom(b, {0, 0, b.width(), b.height()}, button.left, button.top);
    buttons[i] = atlas.add(b);
  }
  const Rect f = atlas.add(face);
  Raster focused(20, 16, theme::kWindow);
  drawFace(focused, {0, 0, 20, 16}, 2, {theme::kSelectionBorder, rgb(228, 241, 255), theme::kSelection, 0});
  const Rect item = atlas.add(background(20, 16, solid(theme::kWindow))), focusItem = atlas.add(focused);

  Section& s = controlSection(skin, "combobox", "combobox", f).horizontalBand(f, 3, kWidth - button.left + 1, {3, 2, button.left - 1, kHeight - 2});
  s.rect("itemrect", item);
  s.rect("focusitemrect", focusItem);
  s.integer("itemleftoffset", 3);
  s.integer("itemrightoffset", 3);
  s.rect("itemtextrect", {3, 0, item.width() - 3, item.height()});
  s.font("", "", theme::kText);
  s.color("focusfontcolor", theme::kTextHot);
  s.text("listboxname", "listbox");
  s.rect("buttonrect", button);
  s.rect("activebuttonrect", buttons[1]);
  s.rect("downbuttonrect", buttons[2]);
  s.rect("unenabledbuttonrect", buttons[3]);
}

void addMainMenuBar(Skin& skin, Atlas& atlas) {
  const Rect bar = atlas.add(background(40, 22, verticalGradient({{0, theme::kPanelTop}, {22, theme::kPanelBottom}})));
  Section& s = controlSection(skin, "mainmenubar", "mainmenubar", bar);
  s.rect("itemsrect", {2, 1, 38, 21});
  s.text("menubaritem", "mainmenubaritem");
  s.text("closebutton", "menubarclosebutton");
  s.text("minbutton", "menubarminbutton");
  s.text("maxbutton", "menubarmaxbutton");
  s.text("sysmenubutton", "menubarsysmenubutton");
  s.color("trackmarkcolor", rgb(120, 134, 156));
  s.color("trackmarkactivecolor", theme::kTextHot);
  s.flag("itemtransparent", false);
}

}  // namespace

void addControls(Skin& skin, Atlas& atlas) {
  addButtons(skin, atlas);
  const CheckMarks marks = addCheckRadio(skin, atlas, "checkbox", false);
  addCheckRadio(skin, atlas, "radiobox", true);
  addPanels(skin, atlas, marks);
  addComboBox(skin, atlas);
  addMainMenuBar(skin, atlas);
}

}  // namespace skingen
