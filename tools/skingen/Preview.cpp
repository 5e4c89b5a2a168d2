#include "tools/skingen/Preview.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "tools/skingen/Compose.h"
#include "tools/skingen/IniFile.h"

namespace skingen {
namespace {

constexpr int kClientWidth = 667, kClientHeight = 363;

struct Label {
  int x, y;  // top-left of the text
  std::string text;  // UTF-8
  Rgb color;
  bool bold;
};

class Sheet {
public:
  Sheet(const Skin& skin, int width, int height)
      : skin_(skin), ini_(skin.definition.text()), canvas_(width, height) {
    canvas_.fillRect({0, 0, width, height}, verticalGradient({{0, rgb(84, 120, 150)}, {double(height), rgb(48, 76, 104)}}));
  }
  Raster& canvas() { return canvas_; }
  const IniFile& ini() const { return ini_; }
  std::vector<Label>& labels() { return labels_; }

  const Raster& picture(int index) const { return skin_.activePictures.at(index).image; }
  const Skin& skin() const { return skin_; }

  void put(const Raster& r, int x, int y) { canvas_.copyFrom(r, {0, 0, r.width(), r.height()}, x, y); }

  // Draws the piece with its bottom-left pixel's colour left out.
  void putTransparent(const Raster& picture, const Rect& piece, int x, int y) {
    const Rgb key = picture.at(piece.left, piece.bottom - 1);
    for (int j = 0; j < piece.height(); ++j)
      for (int i = 0; i < piece.width(); ++i) {
        const Rgb& c = picture.at(piece.left + i, piece.top + j);
        if (colorValue(c) != colorValue(key)) canvas_.set(x + i, y + j, c);
      }
  }

  // A control's face from its section at any size, by the mode its division points give.
  Raster face(const std::string& name, int w, int h, const std::string& rectKey = "skinrect") const {
    const Raster& p = picture(ini_.integer(name, "pictureindex", -1));
    const Rect s = ini_.rect(name, rectKey);
    const Division d{ini_.point(name, "lefttoppoint"), ini_.point(name, "righttoppoint"),
                     ini_.point(name, "leftbottompoint"), ini_.point(name, "rightbottompoint"),
                     ini_.rect(name, "clientrect")};
    if (d.rightBottom.x && d.rightBottom.y) return composeNinePart(p, s, d, w, h);
    if (d.rightTop.x || d.rightTop.y) return composeHorizontal(p, s, d.leftTop.x, s.width() - d.rightTop.x, w);
    if (d.leftBottom.x || d.leftBottom.y) return composeVertical(p, s, d.leftTop.y, s.height() - d.leftBottom.y, h);
    return p.crop(s);
  }

  // A panel without a caption: the rows of its caption bar left out, as the program does.
  Raster captionlessPanel(const std::string& name, int w, int h) const {
    const Rect bar = ini_.rect(name, "captionrect");
    const Raster whole = face(name, w, h + bar.height());
    Raster r(w, h, rgb(0, 0, 0));
    r.copyFrom(whole, {0, 0, w, bar.top}, 0, 0);
    r.copyFrom(whole, {0, bar.bottom, w, h + bar.height()}, 0, bar.top);
    return r;
  }

  void text(int x, int centreY, const std::string& utf8, const Rgb& color, bool bold = false) {
    labels_.push_back({x, centreY - 7, utf8, color, bold});
  }

  Rgb fontColor(const std::string& section, const std::string& key) const {
    const int v = ini_.integer(section, key, 0);
    return rgb(v & 0xFF, v >> 8 & 0xFF, v >> 16 & 0xFF);
  }

private:
  const Skin& skin_;
  IniFile ini_;
  Raster canvas_;
  std::vector<Label> labels_;
};

enum class Shown { Normal, Hot, Down, Inactive };

// The frame at the window's size, cut by its mask, with the caption and its buttons.
void drawWindow(Sheet& sheet, int x0, int y0, int clientW, int clientH, bool active, Shown closeLook,
                const std::string& caption, bool maximized = false) {
  const IniFile& ini = sheet.ini();
  const Raster& picture = active ? sheet.skin().frame.image : sheet.skin().inactiveFrame.image;
  const Raster& mask = sheet.skin().frameMask.image;
  const Rect c = ini.rect("FORMINFO", "clientrect");
  const int pw = picture.width(), ph = picture.height();
  const int w = clientW + c.left + (pw - c.right), h = clientH + c.top + (ph - c.bottom), dx = w - pw, dy = h - ph;
  const Division d{ini.point("FORMINFO", "lefttoppoint"), ini.point("FORMINFO", "righttoppoint"),
                   ini.point("FORMINFO", "leftbottompoint"), ini.point("FORMINFO", "rightbottompoint"), c};
  const Raster body = composeNinePart(picture, {0, 0, pw, ph}, d, w, h);
  const Raster cut = composeNinePart(mask, {0, 0, pw, ph}, d, w, h);
  Rect opaque = ini.rect("FORMINFO", "maskrectarea");
  opaque.right += dx;
  opaque.bottom += dy;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool inside = (x >= opaque.left && x < opaque.right && y >= opaque.top && y < opaque.bottom) ||
                          cut.at(x, y).r < 128;
      if (inside) sheet.canvas().set(x0 + x, y0 + y, body.at(x, y));
    }

  const Rect cr = ini.rect("FORMINFO", "captionrect");
  const int offset = ini.integer("FORMINFO", "buttonsoffset", 0);
  int x = cr.right + dx;
  for (const char* name : {"closebutton", "maximizebutton", "minimizebutton", "rollupbutton"}) {
    const Raster& parts = sheet.picture(ini.integer(name, "activepictureindex", -1));
    const bool isClose = std::string(name) == "closebutton";
    const Shown look = !active ? Shown::Inactive : isClose ? closeLook : Shown::Normal;
    const char* key = look == Shown::Hot ? "activeskinrect" : look == Shown::Down ? "downrect"
                      : look == Shown::Inactive ? "inactiveskinrect" : "skinrect";
    const bool restore = maximized && std::string(name) == "maximizebutton";
    const Rect image = ini.rect(name, restore ? "restorerect" : key);
    sheet.put(parts.crop(image), x0 + x - image.width(), y0 + cr.top);
    x -= image.width() + offset;
  }
  const int captionRight = x + offset;
  const Rect sys = ini.rect("sysmenubutton", active ? "skinrect" : "inactiveskinrect");
  sheet.put(sheet.picture(ini.integer("sysmenubutton", "activepictureindex", -1)).crop(sys), x0 + cr.left,
            y0 + cr.top + cr.height() / 2 - sys.height() / 2);
  const int captionLeft = cr.left + sys.width();
  const Rect text = ini.rect("caption", "textrect");
  const Rect object = ini.rect("caption", "skinrect");
  (void)captionRight;
  const int ty = y0 + object.top + text.top + text.height() / 2;
  sheet.text(x0 + captionLeft + text.left + 1, ty + 1, caption, sheet.fontColor("caption", active ? "activeshadowcolor" : "shadowcolor"), true);
  sheet.text(x0 + captionLeft + text.left, ty, caption, sheet.fontColor("caption", active ? "activefontcolor" : "fontcolor"), true);
}

// A 16 x 16 stand-in for a tool button's picture.
Raster toolGlyph(const Rgb& color) {
  Raster r(16, 16, rgb(255, 0, 255));
  r.fillRect({2, 2, 14, 14}, solid(color));
  r.fillRect({4, 5, 12, 7}, solid(rgb(255, 255, 255)));
  return r;
}

void putGlyph(Sheet& sheet, const Raster& glyph, int x, int y) {
  sheet.putTransparent(glyph, {0, 0, glyph.width(), glyph.height()}, x, y);
}

void drawButton(Sheet& sheet, int x, int y, int w, int h, const char* rectKey, const Raster* glyph,
                const std::string& caption = "", const char* colorKey = "fontcolor") {
  sheet.put(sheet.face("button", w, h, rectKey), x, y);
  const int shift = std::string(rectKey) == "downskinrect" ? 1 : 0;
  if (glyph) putGlyph(sheet, *glyph, x + w / 2 - 8 + shift, y + h / 2 - 8 + shift);
  if (!caption.empty()) sheet.text(x + w / 2 - 12 + shift, y + h / 2 + shift, caption, sheet.fontColor("button", colorKey));
}

void drawFlatBox(Sheet& sheet, const std::string& name, int x, int y, int h, bool checked, bool hot,
                 const std::string& caption) {
  const IniFile& ini = sheet.ini();
  const Raster& p = sheet.picture(ini.integer(name, "pictureindex", -1));
  const Rect mark = ini.rect(name, std::string(hot ? "active" : "") + (checked ? "checkimagerect" : "uncheckimagerect"));
  sheet.putTransparent(p, mark, x + 3, y + h / 2 - mark.height() / 2);
  sheet.text(x + mark.width() + 7, y + h / 2, caption, sheet.fontColor(name, "framefontcolor"));
}

void drawCombo(Sheet& sheet, int x, int y, int w, const std::string& item, bool focused, const char* buttonKey) {
  const IniFile& ini = sheet.ini();
  const Raster& p = sheet.picture(ini.integer("combobox", "pictureindex", -1));
  const Rect skin = ini.rect("combobox", "skinrect");
  const Raster face = sheet.face("combobox", w, skin.height());
  sheet.put(face, x, y);
  const int dw = w - skin.width();
  const Rect button = ini.rect("combobox", "buttonrect").offset(dw, 0);
  if (buttonKey) sheet.put(p.crop(ini.rect("combobox", buttonKey)), x + button.left, y + button.top);
  Rect area = ini.rect("combobox", "clientrect");
  area.right += dw;
  if (focused) {
    const Rect f = ini.rect("combobox", "focusitemrect");
    sheet.put(composeHorizontal(p, f, ini.integer("combobox", "itemleftoffset", 0),
                                ini.integer("combobox", "itemrightoffset", 0), area.width()),
              x + area.left, y + area.top);
  }
  const Rect t = ini.rect("combobox", "itemtextrect");
  sheet.text(x + area.left + t.left + 2, y + area.top + area.height() / 2, item,
             sheet.fontColor("combobox", focused ? "focusfontcolor" : "fontcolor"));
}

// The program's window: tool panel, list of icons, status bar.
void drawMainWindow(Sheet& sheet, int x0, int y0) {
  const IniFile& ini = sheet.ini();
  drawWindow(sheet, x0, y0, kClientWidth, kClientHeight, true, Shown::Normal, u8"TalvexMorvane V2.5(文件图标提取器)");
  const Rect c = ini.rect("FORMINFO", "clientrect");
  const int cx = x0 + c.left, cy = y0 + c.top;
  sheet.put(sheet.captionlessPanel("panel", kClientWidth, 41), cx, cy);
  const Raster open = toolGlyph(rgb(226, 170, 60)), save = toolGlyph(rgb(70, 130, 200)),
               saveAll = toolGlyph(rgb(60, 150, 110)), help = toolGlyph(rgb(90, 110, 200)),
               update = toolGlyph(rgb(200, 110, 80));
  drawButton(sheet, cx + 8, cy + 8, 41, 25, "skinrect", &open);
  drawFlatBox(sheet, "radiobox", cx + 56, cy + 8, 25, false, false, u8"16×16");
  drawFlatBox(sheet, "radiobox", cx + 124, cy + 8, 25, true, false, u8"32×32");
  drawButton(sheet, cx + 192, cy + 8, 29, 25, "activeskinrect", &save);
  drawButton(sheet, cx + 224, cy + 8, 29, 25, "skinrect", &saveAll);
  drawCombo(sheet, cx + 257, cy + 10, 54, u8"图标", false, nullptr);
  drawButton(sheet, cx + 349, cy + 8, 33, 25, "skinrect", &help);
  drawButton(sheet, cx + 389, cy + 8, 33, 25, "skinrect", &update);
  const Rgb link = rgb(60, 60, 120);
  sheet.text(cx + 461, cy + 13, u8"主页:", rgb(0, 0, 0));
  sheet.text(cx + 496, cy + 12, u8"www.talvexmorvane.example", link);
  sheet.text(cx + 462, cy + 29, u8"邮箱:", rgb(0, 0, 0));
  sheet.text(cx + 496, cy + 28, u8"mail@talvexmorvane.example", link);

  const int listTop = 41, listBottom = kClientHeight - 21;
  sheet.canvas().fillRect({cx, cy + listTop, cx + kClientWidth, cy + listBottom}, solid(rgb(255, 255, 255)));
  for (int i = 0; i < 7; ++i) {
    const int ix = cx + 24 + i * 90, iy = cy + listTop + 14;
    Raster icon(32, 32, rgb(255, 255, 255));
    icon.fill(roundedRect(2, 2, 30, 30, 4, 4), verticalGradient({{2, rgb(120, 170, 230)}, {30, rgb(60, 110, 180)}}));
    icon.fill(roundedRect(8, 9, 24, 13, 1, 1), solid(rgb(255, 255, 255)), 0.85);
    sheet.put(icon, ix + 14, iy);
    sheet.text(ix, iy + 44, std::to_string(i + 1) + u8":C:\\Tools\\", rgb(0, 0, 0));
  }

  const Rect barSkin = ini.rect("statusbar", "skinrect");
  const int barTop = cy + kClientHeight - barSkin.height();
  sheet.put(sheet.face("statusbar", kClientWidth, barSkin.height()), cx, barTop);
  Rect inside = ini.rect("statusbar", "clientrect");
  inside.right += kClientWidth - barSkin.width();
  const Raster panel = sheet.face("statuspanel", inside.width(), ini.rect("statuspanel", "skinrect").height());
  sheet.put(panel, cx + inside.left, barTop + inside.top);
  const Rect text = ini.rect("statuspanel", "clientrect");
  sheet.text(cx + inside.left + text.left, barTop + inside.top + panel.height() / 2,
             u8"支持文件拖放，您可以把文件拖入本程序进行图标提取！", sheet.fontColor("statuspanel", "fontcolor"));
}

// A popup menu with a highlighted item and a divider.
void drawMenu(Sheet& sheet, int x0, int y0) {
  const IniFile& ini = sheet.ini();
  const Raster& window = sheet.picture(ini.integer("POPUPWINDOW", "windowpictureindex", -1));
  const Rect items = ini.rect("POPUPWINDOW", "itemsrect");
  const Raster& parts = sheet.picture(ini.integer("menuitem", "activepictureindex", -1));
  const Rect item = ini.rect("menuitem", "skinrect"), divider = ini.rect("menuitem", "dividerrect");
  const char* captions[] = {u8"还原", u8"最小化", "-", u8"关闭"};
  const int w = 150, h = 3 * item.height() + divider.height() + window.height() - items.height();
  const Division d{ini.point("POPUPWINDOW", "lefttoppoint"), ini.point("POPUPWINDOW", "righttoppoint"),
                   ini.point("POPUPWINDOW", "leftbottompoint"), ini.point("POPUPWINDOW", "rightbottompoint"), items};
  sheet.put(composeNinePart(window, {0, 0, window.width(), window.height()}, d, w, h), x0, y0);
  const int iw = w - (window.width() - items.width());
  int y = y0 + items.top;
  for (int i = 0; i < 4; ++i) {
    const bool isDivider = std::string(captions[i]) == "-";
    const Rect src = isDivider ? divider : ini.rect("menuitem", i == 1 ? "activeskinrect" : "skinrect");
    const int a = ini.integer("menuitem", isDivider ? "dividerleftoffset" : "itemleftoffset", 0);
    const int b = ini.integer("menuitem", isDivider ? "dividerrightoffset" : "itemrightoffset", 0);
    sheet.put(composeHorizontal(parts, src, a, b, iw), x0 + items.left, y);
    if (!isDivider)
      sheet.text(x0 + items.left + ini.rect("menuitem", "textrect").left + 16, y + src.height() / 2, captions[i],
                 sheet.fontColor("menuitem", i == 1 ? "activefontcolor" : "fontcolor"));
    y += src.height();
  }
}

void drawHint(Sheet& sheet, int x0, int y0, const std::string& text, int textWidth) {
  const IniFile& ini = sheet.ini();
  const Raster& p = sheet.picture(ini.integer("HINTWINDOW", "windowpictureindex", -1));
  const Raster& m = sheet.picture(ini.integer("HINTWINDOW", "maskpictureindex", -1));
  const Rect c = ini.rect("HINTWINDOW", "clientrect");
  const int w = textWidth + c.left + p.width() - c.right, h = 14 + c.top + p.height() - c.bottom;
  const Division d{ini.point("HINTWINDOW", "lefttoppoint"), ini.point("HINTWINDOW", "righttoppoint"),
                   ini.point("HINTWINDOW", "leftbottompoint"), ini.point("HINTWINDOW", "rightbottompoint"), c};
  const Raster body = composeNinePart(p, {0, 0, p.width(), p.height()}, d, w, h);
  const Raster cut = composeNinePart(m, {0, 0, m.width(), m.height()}, d, w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (cut.at(x, y).r < 128) sheet.canvas().set(x0 + x, y0 + y, body.at(x, y));
  sheet.text(x0 + c.left, y0 + h / 2, text, sheet.fontColor("HINTWINDOW", "fontcolor"));
}

void drawList(Sheet& sheet, int x0, int y0, int w, int rows) {
  const IniFile& ini = sheet.ini();
  const Raster& p = sheet.picture(ini.integer("listbox", "pictureindex", -1));
  const Rect skin = ini.rect("listbox", "skinrect"), client = ini.rect("listbox", "clientrect");
  const Rect item = ini.rect("listbox", "itemrect");
  const int h = skin.height() - client.height() + rows * item.height();
  sheet.put(sheet.face("listbox", w, h), x0, y0);
  const Rect bar = ini.rect("vscrollbar", "skinrect");
  const int listW = w - (skin.width() - client.width()) - bar.width();
  const char* names[] = {u8"图标", u8"图片", u8"光标", u8"位图", u8"动画"};
  for (int i = 0; i < rows; ++i) {
    const char* key = i == 1 ? "focusitemrect" : i == 3 ? "activeitemrect" : "itemrect";
    const Rect src = ini.rect("listbox", key);
    sheet.put(composeHorizontal(p, src, ini.integer("listbox", "itemleftoffset", 0),
                                ini.integer("listbox", "itemrightoffset", 0), listW),
              x0 + client.left, y0 + client.top + i * item.height());
    sheet.text(x0 + client.left + ini.rect("listbox", "itemtextrect").left + 2,
               y0 + client.top + i * item.height() + item.height() / 2, names[i % 5],
               sheet.fontColor("listbox", i == 1 ? "focusfontcolor" : i == 3 ? "activefontcolor" : "fontcolor"));
  }
  // The vertical bar with its thumb near the top.
  const int barH = rows * item.height();
  const Raster v = sheet.face("vscrollbar", bar.width(), barH);
  sheet.put(v, x0 + client.left + listW, y0 + client.top);
  const Rect track = ini.rect("vscrollbar", "trackarea");
  const Rect thumb = ini.rect("vscrollbar", "thumbrect"), grip = ini.rect("vscrollbar", "glyphrect");
  const int tx = x0 + client.left + listW + bar.width() / 2 - thumb.width() / 2, ty = y0 + client.top + track.top + 6;
  sheet.put(p.crop(thumb), tx, ty);
  sheet.put(p.crop(grip), tx + thumb.width() / 2 - grip.width() / 2, ty + thumb.height() / 2 - grip.height() / 2);
}

// Every state and control beside the window.
void drawSamples(Sheet& sheet, int x0, int y0) {
  const IniFile& ini = sheet.ini();
  drawWindow(sheet, x0, y0, 250, 40, false, Shown::Normal, u8"未激活的窗口");
  drawWindow(sheet, x0, y0 + 86, 250, 40, true, Shown::Hot, u8"关闭按钮: 热");
  drawWindow(sheet, x0, y0 + 172, 250, 40, true, Shown::Down, u8"关闭按钮: 按下", true);

  int y = y0 + 262;
  const char* keys[] = {"skinrect", "activeskinrect", "downskinrect", "disabledskinrect"};
  const char* colors[] = {"fontcolor", "activefontcolor", "downfontcolor", "disabledfontcolor"};
  for (int i = 0; i < 4; ++i) drawButton(sheet, x0 + i * 70, y, 64, 25, keys[i], nullptr, u8"按钮", colors[i]);
  y += 36;
  sheet.canvas().fillRect({x0, y, x0 + 286, y + 66}, solid(rgb(240, 244, 249)));
  const Raster& p = sheet.picture(ini.integer("checkbox", "pictureindex", -1));
  int x = x0 + 6;
  for (const char* name : {"checkbox", "radiobox"})
    for (const char* key : {"checkimagerect", "uncheckimagerect", "activecheckimagerect", "activeuncheckimagerect",
                            "unenabledcheckimagerect", "unenableduncheckimagerect"}) {
      sheet.putTransparent(p, ini.rect(name, key), x, y + 6);
      x += 22;
    }
  drawCombo(sheet, x0 + 6, y + 28, 90, u8"图标", true, "activebuttonrect");
  drawCombo(sheet, x0 + 104, y + 28, 90, u8"图片", false, "downbuttonrect");
  sheet.put(sheet.face("edit", 80, 20), x0 + 202, y + 28);
  sheet.put(sheet.face("hupdown", 0, 0), x0 + 6, y + 50);
  sheet.put(sheet.face("vupdown", 0, 0), x0 + 44, y + 44);
  y += 76;
  drawList(sheet, x0, y, 150, 5);
  drawMenu(sheet, x0 + 160, y);
  drawHint(sheet, x0 + 160, y + 90, u8"保存全部图标", 72);
  const Raster h = sheet.face("bothhscrollbar", 200, 0);
  sheet.put(h, x0, y + 116);
}

std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char ch : text) quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return quoted + "'";
}

}  // namespace

bool writePreview(const Skin& skin, const std::string& pngPath) {
  Sheet sheet(skin, 1060, 560);
  drawMainWindow(sheet, 16, 16);
  drawSamples(sheet, 720, 16);

  const std::string bmpPath = pngPath + ".bmp";
  {
    const std::vector<uint8_t> bytes = sheet.canvas().bmp24();
    std::ofstream out(bmpPath, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) return false;
  }
  std::string command = "convert " + shellQuoted(bmpPath) + " -font /usr/share/fonts/truetype/wqy/wqy-zenhei.ttc -pointsize 12 -gravity NorthWest";
  for (const Label& l : sheet.labels()) {
    char color[16];
    std::snprintf(color, sizeof color, "#%02X%02X%02X", colorValue(l.color) & 0xFF, colorValue(l.color) >> 8 & 0xFF,
                  colorValue(l.color) >> 16 & 0xFF);
    command += std::string(" -fill '") + color + "' -stroke '" + (l.bold ? color : "none") + "' -strokewidth 0.4" +
               " -annotate +" + std::to_string(l.x) + "+" + std::to_string(l.y) + " " + shellQuoted(l.text);
  }
  command += " " + shellQuoted(pngPath);
  const bool ok = std::system(command.c_str()) == 0;
  std::remove(bmpPath.c_str());
  return ok;
}

}  // namespace skingen
