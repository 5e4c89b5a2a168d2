// Checks the committed default skin folder as the program will read it: every entry the
// window's controls and frame look up, every key their descriptors read, rectangles that lie
// inside their pictures, pictures the package can carry, and a small window region.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "framework/core/Bitmap.h"
#include "tools/skingen/Art.h"
#include "tools/skingen/Atlas.h"
#include "tools/skingen/Compose.h"
#include "tools/skingen/IniFile.h"
#include "tools/skingen/SkinFolder.h"

namespace skingen {
namespace {

std::vector<uint8_t> readFile(const std::string& name) {
  std::ifstream in(std::string(TM_DEFAULT_SKIN) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// A BMP file as the package stores it: bottom-up rows, 24 or 1 bits.
struct Bitmap {
  int width = 0, height = 0, bits = 0;
  std::vector<uint8_t> file;
  bool valid() const { return width > 0 && height > 0; }
  // Red, green and blue of a pixel as one 0xRRGGBB value.
  uint32_t pixel(int x, int y) const {
    const size_t offset = le32(file, 10);
    const size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
    const size_t row = offset + stride * (height - 1 - y);
    if (bits == 24) return file[row + x * 3 + 2] << 16 | file[row + x * 3 + 1] << 8 | file[row + x * 3];
    const int index = file[row + x / 8] >> (7 - x % 8) & 1;
    return le32(file, 54 + 4 * index) & 0xFFFFFF;
  }
};

Bitmap readBitmap(const std::string& name) {
  Bitmap b;
  b.file = readFile(name);
  if (b.file.size() < 54 || b.file[0] != 'B' || b.file[1] != 'M') return b;
  b.width = static_cast<int>(le32(b.file, 18));
  b.height = static_cast<int>(le32(b.file, 22));
  b.bits = b.file[28];
  return b;
}

class DefaultSkin : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    const std::vector<uint8_t> bytes = readFile("skin.ini");
    text_ = new std::string(bytes.begin(), bytes.end());
    ini_ = new IniFile(*text_);
  }
  static void TearDownTestSuite() {
    delete ini_;
    delete text_;
  }
  const IniFile& ini() const { return *ini_; }
  const std::string& text() const { return *text_; }

  // Entries of [SKINOBJECTS] or [SKINCONTROLS] as name -> kind.
  std::map<std::string, std::string> entries(const std::string& list) const {
    std::map<std::string, std::string> out;
    const int count = ini().integer(list, "count", 0);
    for (int i = 0; i < count; ++i) {
      const std::string e = ini().text(list, std::to_string(i));
      const size_t colon = e.find(':');
      if (colon != std::string::npos) out[e.substr(0, colon)] = e.substr(colon + 1);
    }
    return out;
  }
  Bitmap activePicture(int index) const {
    return readBitmap(ini().text("PICTURES", std::to_string(index)));
  }

private:
  static std::string* text_;
  static IniFile* ini_;
};
std::string* DefaultSkin::text_ = nullptr;
IniFile* DefaultSkin::ini_ = nullptr;

TEST(SkinGenerator, WritesTheSameBytesOnEveryRun) {
  const auto first = buildSkin().files(), second = buildSkin().files();
  ASSERT_EQ(first.size(), second.size());
  for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i], second[i]) << first[i].first;
}

TEST(Atlas, PiecesNeverOverlapAndStayInsideThePicture) {
  Atlas atlas("test.bmp", 64, {});
  std::vector<Rect> placed;
  for (int i = 0; i < 40; ++i) placed.push_back(atlas.add(Raster(5 + i % 23, 3 + i % 7)));
  const Raster picture = atlas.picture();
  for (size_t i = 0; i < placed.size(); ++i) {
    const Rect& a = placed[i];
    EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= picture.width() && a.bottom <= picture.height()) << i;
    for (size_t j = i + 1; j < placed.size(); ++j) {
      const Rect& b = placed[j];
      EXPECT_TRUE(a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top) << i << " " << j;
    }
  }
  EXPECT_THROW(atlas.add(Raster(65, 1)), std::invalid_argument);
}

TEST(Compose, HorizontalBandRepeatsTheMiddleAndCutsTheLastCopy) {
  // A 20-pixel piece with ends of 4 and 5 pixels: each column holds its own x as colour.
  Raster piece(20, 2);
  for (int x = 0; x < 20; ++x)
    for (int y = 0; y < 2; ++y) piece.set(x, y, rgb(x, 0, 0));
  const Raster wide = composeHorizontal(piece, {0, 0, 20, 2}, 4, 5, 76);
  ASSERT_EQ(76, wide.width());
  EXPECT_EQ(0, colorValue(wide.at(0, 0)));
  EXPECT_EQ(3, colorValue(wide.at(3, 1)));
  EXPECT_EQ(4, colorValue(wide.at(4, 0)));     // first copy of the middle
  EXPECT_EQ(4, colorValue(wide.at(70, 0)));    // seventh copy, cut to one pixel
  EXPECT_EQ(15, colorValue(wide.at(71, 0)));   // the right end
  EXPECT_EQ(19, colorValue(wide.at(75, 0)));
}

TEST(Compose, NinePartKeepsCornersAndFillsTheCentre) {
  Raster piece(12, 12, rgb(0, 0, 200));
  piece.fillRect({0, 0, 3, 3}, solid(rgb(200, 0, 0)));
  piece.fillRect({9, 9, 12, 12}, solid(rgb(0, 200, 0)));
  const Division d{{3, 3}, {9, 3}, {3, 9}, {9, 9}, {3, 3, 9, 9}};
  const Raster big = composeNinePart(piece, {0, 0, 12, 12}, d, 50, 31);
  EXPECT_EQ(colorValue(rgb(200, 0, 0)), colorValue(big.at(2, 2)));
  EXPECT_EQ(colorValue(rgb(0, 200, 0)), colorValue(big.at(47, 28)));
  EXPECT_EQ(colorValue(rgb(0, 0, 200)), colorValue(big.at(25, 15)));
  EXPECT_EQ(colorValue(rgb(0, 0, 200)), colorValue(big.at(46, 27)));
}

TEST(Definition, NumbersEachListOnItsOwn) {
  Definition d;
  d.section("SKINOBJECTS");
  d.section("SKINCONTROLS");
  d.entry("SKINCONTROLS", "button", "button").integer("pictureindex", 1);
  d.entry("SKINOBJECTS", "caption", "caption");
  d.entry("SKINCONTROLS", "panel", "panel");
  const IniFile ini(d.text());
  EXPECT_EQ(1, ini.integer("SkinObjects", "count", 0));
  EXPECT_EQ(2, ini.integer("skincontrols", "COUNT", 0));
  EXPECT_EQ("caption:caption", ini.text("SKINOBJECTS", "0"));
  EXPECT_EQ("panel:panel", ini.text("SKINCONTROLS", "1"));
  EXPECT_EQ(1, ini.integer("button", "pictureindex", -1));
}

class SkinFolder : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("skingen-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(SkinFolder, WrittenFolderMatchesAndChangesAreFound) {
  const Skin skin = buildSkin();
  ASSERT_EQ("", writeSkinFolder(skin, (dir_ / "skin").string()));
  EXPECT_TRUE(staleFiles(skin, (dir_ / "skin").string()).empty());

  std::ofstream((dir_ / "skin" / "skin.ini").string(), std::ios::app) << "x";
  std::filesystem::remove(dir_ / "skin" / "hint.bmp");
  EXPECT_EQ((std::vector<std::string>{"hint.bmp", "skin.ini"}), staleFiles(skin, (dir_ / "skin").string()));
}

TEST_F(SkinFolder, UnwritablePlaceGivesAnErrorText) {
  std::filesystem::create_directories(dir_);
  std::ofstream((dir_ / "plain-file").string()) << "in the way";
  EXPECT_NE("", writeSkinFolder(buildSkin(), (dir_ / "plain-file" / "skin").string()));
  EXPECT_EQ(buildSkin().files().size(), staleFiles(buildSkin(), (dir_ / "missing").string()).size());
}

TEST_F(DefaultSkin, HasEverySectionTheRegistryReads) {
  for (const char* s : {"VERSION", "PICTURES", "FORMINFO", "POPUPWINDOW", "HINTWINDOW", "SKINAREAS", "SKINOBJECTS",
                        "SKINCONTROLS"})
    EXPECT_TRUE(ini().hasSection(s)) << s;
}

TEST_F(DefaultSkin, ListsTheEntriesTheWindowAndLaterControlsLookUp) {
  const std::map<std::string, std::string> controls = entries("SKINCONTROLS");
  const std::map<std::string, std::string> wanted = {
      {"button", "button"},        {"resizebutton", "button"},   {"checkbox", "checkradio"},
      {"radiobox", "checkradio"},  {"panel", "panel"},           {"statusbar", "panel"},
      {"statuspanel", "label"},    {"label", "label"},           {"combobox", "combobox"},
      {"listbox", "listbox"},      {"vscrollbar", "scrollbar"},  {"hscrollbar", "scrollbar"},
      {"bothhscrollbar", "scrollbar"}, {"edit", "edit"},         {"hupdown", "updown"},
      {"vupdown", "updown"},       {"mainmenubar", "mainmenubar"}};
  for (const auto& [name, kind] : wanted) {
    ASSERT_TRUE(controls.count(name)) << name;
    EXPECT_EQ(kind, controls.at(name)) << name;
  }
  const std::map<std::string, std::string> objects = entries("SKINOBJECTS");
  const std::map<std::string, std::string> frame = {
      {"menuitem", "menuitem"},          {"caption", "caption"},
      {"closebutton", "stdbutton"},      {"minimizebutton", "stdbutton"},
      {"maximizebutton", "stdbutton"},   {"sysmenubutton", "stdbutton"},
      {"rollupbutton", "stdbutton"},     {"mainmenubaritem", "mainmenubaritem"}, {"menubarsysmenubutton", "mainmenubarbutton"},
      {"menubarclosebutton", "mainmenubarbutton"}, {"menubarmaxbutton", "mainmenubarbutton"},
      {"menubarminbutton", "mainmenubarbutton"}};
  for (const auto& [name, kind] : frame) {
    ASSERT_TRUE(objects.count(name)) << name;
    EXPECT_EQ(kind, objects.at(name)) << name;
  }
  for (const auto& [name, command] : std::map<std::string, std::string>{{"closebutton", "cmclose"},
                                                                         {"minimizebutton", "cmminimize"},
                                                                         {"maximizebutton", "cmmaximize"},
                                                                         {"sysmenubutton", "cmsysmenu"},
                                                                         {"rollupbutton", "cmrollup"}})
    EXPECT_EQ(command, ini().text(name, "command")) << name;
}

// The keys each descriptor reads, by kind.
const std::map<std::string, std::vector<std::string>>& keysByKind() {
  static const std::vector<std::string> control = {"pictureindex", "maskpictureindex", "cursorindex", "skinrect"};
  static const std::vector<std::string> custom = {"lefttoppoint", "righttoppoint", "leftbottompoint",
                                                  "rightbottompoint", "clientrect"};
  static const std::vector<std::string> font = {"fontname", "fontheight", "fontstyle", "fontcolor"};
  static const std::vector<std::string> object = {"hint", "rollup", "activepictureindex", "skinrectinapicture",
                                                  "cursorindex", "skinrect", "activeskinrect", "inactiveskinrect",
                                                  "morphing", "morphkind"};
  static const std::vector<std::string> stdButton = {"downrect", "disableskinrsect", "groupindex", "command",
                                                     "restorerect", "restoreactiverect", "restoredownrect"};
  static const std::vector<std::string> mainMenuItem = {"itemleftoffset", "itemrightoffset", "downrect", "textrect",
                                                        "activefontcolor", "downfontcolor", "unenabledfontcolor"};
  auto join = [](std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
  };
  static const std::map<std::string, std::vector<std::string>> keys = {
      {"button", join({control, custom, font,
                       {"activefontcolor", "disabledfontcolor", "downfontcolor", "morphing", "morphkind",
                        "activeskinrect", "downskinrect", "disabledskinrect"}})},
      {"checkradio", join({control, custom, font,
                           {"activefontcolor", "unenabledfontcolor", "framefontcolor", "morphing", "morphkind",
                            "activeskinrect", "checkimagearea", "textarea", "checkimagerect", "uncheckimagerect",
                            "activecheckimagerect", "activeuncheckimagerect", "unenabledcheckimagerect",
                            "unenableduncheckimagerect"}})},
      {"panel", join({control, custom, font, {"bgpictureindex", "captionrect", "alignment", "checkimagerect",
                                              "uncheckimagerect"}})},
      {"label", join({control, custom, font})},
      {"combobox", join({control, custom, font,
                         {"itemrect", "focusitemrect", "itemleftoffset", "itemrightoffset", "itemtextrect",
                          "focusfontcolor", "listboxname", "buttonrect", "activebuttonrect", "downbuttonrect",
                          "unenabledbuttonrect"}})},
      {"listbox", join({control, custom, font,
                        {"itemrect", "activeitemrect", "focusitemrect", "itemleftoffset", "itemrightoffset",
                         "itemtextrect", "activefontcolor", "focusfontcolor", "captionrect", "captionfontname",
                         "captionfontheight", "captionfontstyle", "captionfontcolor", "upbuttonrect",
                         "activeupbuttonrect", "downupbuttonrect", "downbuttonrect", "activedownbuttonrect",
                         "downdownbuttonrect", "checkbuttonrect", "activecheckbuttonrect", "downcheckbuttonrect",
                         "vscrollbarname", "hscrollbarname", "bothhscrollbarname"}})},
      {"scrollbar", join({control, custom,
                          {"trackarea", "upbuttonrect", "activeupbuttonrect", "downupbuttonrect", "downbuttonrect",
                           "activedownbuttonrect", "downdownbuttonrect", "thumbrect", "activethumbrect",
                           "downthumbrect", "thumboffset1", "thumboffset2", "thumbtransparent",
                           "thumbtransparentcolor", "glyphrect", "activeglyphrect", "downglyphrect"}})},
      {"edit", join({control, custom, font,
                     {"activeskinrect", "disabledfontcolor", "activefontcolor", "buttonrect", "activebuttonrect",
                      "downbuttonrect", "unenabledbuttonrect"}})},
      {"updown", join({control, custom,
                       {"upbuttonrect", "activeupbuttonrect", "downupbuttonrect", "downbuttonrect",
                        "activedownbuttonrect", "downdownbuttonrect"}})},
      {"mainmenubar", join({control, {"itemsrect", "menubaritem", "closebutton", "minbutton", "maxbutton",
                                      "sysmenubutton", "trackmarkcolor", "trackmarkactivecolor"}})},
      {"stdbutton", join({object, stdButton})},
      {"mainmenubarbutton", join({object, stdButton})},
      {"caption", join({object, font,
                        {"defaultcaption", "textrect", "activefontcolor", "alignment", "shadow", "shadowcolor",
                         "activeshadowcolor", "framerect", "activeframerect", "frametextrect", "frameleftoffset",
                         "framerightoffset"}})},
      {"menuitem", join({object, font,
                         {"itemleftoffset", "itemrightoffset", "dividerrect", "dividerleftoffset",
                          "dividerrightoffset", "textrect", "activefontcolor", "unenabledfontcolor"}})},
      {"mainmenubaritem", join({object, font, mainMenuItem})},
      {"POPUPWINDOW", {"windowpictureindex", "maskpictureindex", "lefttoppoint", "righttoppoint", "leftbottompoint",
                       "rightbottompoint", "cursorindex", "itemsrect", "scrollmarkercolor",
                       "scrollmarkeractivecolor", "leftstretch", "rightstretch", "topstretch", "bottomstretch"}},
      {"HINTWINDOW", join({{"windowpictureindex", "maskpictureindex", "lefttoppoint", "righttoppoint",
                            "leftbottompoint", "rightbottompoint", "clientrect", "leftstretch", "rightstretch",
                            "topstretch", "bottomstretch"},
                           font})},
      {"FORMINFO", {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint", "clientrect",
                    "bgpictureindex", "mdibgpictureindex", "leftstretch", "rightstretch", "topstretch",
                    "bottomstretch", "buttonsrect", "captionrect", "buttonsoffset", "buttonsinleft", "maskrectarea",
                    "hittestlefttoppoint", "hittestrighttoppoint", "hittestleftbottompoint",
                    "hittestrightbottompoint", "rollupleftpoint", "rolluprightpoint", "mainmenurect", "iconrect",
                    "mainmenupopupup", "borderwidth", "cursorindex", "autorenderinginactiveimage",
                    "inactiveeffect"}}};
  return keys;
}

TEST_F(DefaultSkin, EveryEntryCarriesEveryKeyItsDescriptorReads) {
  std::vector<std::pair<std::string, std::string>> all;  // section, kind
  for (const char* list : {"SKINOBJECTS", "SKINCONTROLS"})
    for (const auto& [name, kind] : entries(list)) all.emplace_back(name, kind);
  for (const char* s : {"POPUPWINDOW", "HINTWINDOW", "FORMINFO"}) all.emplace_back(s, s);
  for (const auto& [section, kind] : all) {
    ASSERT_TRUE(keysByKind().count(kind)) << "no key list for " << kind;
    for (const std::string& key : keysByKind().at(kind)) EXPECT_TRUE(ini().has(section, key)) << section << "." << key;
  }
}

// Rectangles that place something inside a control's own image rather than cut it from a picture.
bool isPlace(const std::string& kind, const std::string& key) {
  static const std::set<std::string> places = {
      "checkradio.checkimagearea", "checkradio.textarea",   "panel.captionrect",      "combobox.itemtextrect",
      "combobox.buttonrect",       "listbox.itemtextrect",  "scrollbar.trackarea",    "scrollbar.upbuttonrect",
      "scrollbar.downbuttonrect",  "updown.upbuttonrect",   "updown.downbuttonrect",  "caption.textrect",
      "menuitem.textrect",         "mainmenubaritem.textrect", "mainmenubar.itemsrect"};
  return key == "clientrect" || places.count(kind + "." + key) > 0;
}

TEST_F(DefaultSkin, NoSectionOrKeyIsWrittenTwice) {
  // The reader takes the first of two equal names, so a second one would be silently ignored.
  std::set<std::string> sections, keys;
  std::string section;
  size_t start = 0;
  while (start < text().size()) {
    size_t end = text().find("\r\n", start);
    if (end == std::string::npos) end = text().size();
    std::string line = text().substr(start, end - start);
    start = end + 2;
    for (char& c : line) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (line.empty()) continue;
    if (line.front() == '[') {
      section = line;
      EXPECT_TRUE(sections.insert(section).second) << section;
    } else {
      EXPECT_TRUE(keys.insert(section + line.substr(0, line.find('='))).second) << section << " " << line;
    }
  }
}

TEST_F(DefaultSkin, RectanglesLieInsideTheirPictures) {
  for (const char* list : {"SKINOBJECTS", "SKINCONTROLS"})
    for (const auto& [name, kind] : entries(list)) {
      const bool isObject = std::string(list) == "SKINOBJECTS";
      const int index = ini().integer(name, isObject ? "activepictureindex" : "pictureindex", -1);
      const bool ownPicture = !isObject || ini().integer(name, "skinrectinapicture", 0) == 1;
      const Bitmap picture = index >= 0 ? activePicture(index) : readBitmap(ini().text("PICTURES", "picture"));
      ASSERT_TRUE(picture.valid()) << name;
      const Rect skin = ini().rect(name, "skinrect");
      EXPECT_FALSE(skin.empty()) << name << " has no image";
      for (const std::string& key : ini().keys(name)) {
        const std::string tail = key.size() < 4 ? key : key.substr(key.size() - 4);
        if ((tail != "rect" && tail != "area") || key == "disableskinrsect") continue;
        const Rect r = ini().rect(name, key);
        if (r.empty()) continue;
        const bool place = isPlace(kind, key) || (key == "skinrect" && !ownPicture);
        const int w = place && key != "skinrect" ? skin.width() : picture.width;
        const int h = place && key != "skinrect" ? skin.height() : picture.height;
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h)
            << name << "." << key << " lies outside " << w << "x" << h;
      }
    }
}

TEST_F(DefaultSkin, DivisionPointsLeaveEveryRepeatedPieceNonEmpty) {
  for (const auto& [name, kind] : entries("SKINCONTROLS")) {
    const Point lt = ini().point(name, "lefttoppoint"), rt = ini().point(name, "righttoppoint");
    const Point lb = ini().point(name, "leftbottompoint"), rb = ini().point(name, "rightbottompoint");
    const Rect skin = ini().rect(name, "skinrect"), client = ini().rect(name, "clientrect");
    for (const Point& p : {lt, rt, lb, rb}) EXPECT_TRUE(p.x <= skin.width() && p.y <= skin.height()) << name;
    if (rb.x && rb.y) {  // tiled on all sides
      EXPECT_GT(rt.x - lt.x, 0) << name;
      EXPECT_GT(rb.x - lb.x, 0) << name;
      EXPECT_GT(lb.y - lt.y, 0) << name;
      EXPECT_GT(rb.y - rt.y, 0) << name;
      EXPECT_FALSE(client.empty()) << name;
    } else if (rt.x || rt.y) {  // widened only
      EXPECT_GT(rt.x - lt.x, 0) << name;
    } else if (lb.x || lb.y) {  // lengthened only
      EXPECT_GT(lb.y - lt.y, 0) << name;
    }
  }
}

TEST_F(DefaultSkin, CaptionButtonImagesKeepOneSizeInEveryState) {
  for (const char* name : {"closebutton", "minimizebutton", "maximizebutton", "rollupbutton", "sysmenubutton"}) {
    const Rect normal = ini().rect(name, "skinrect");
    for (const char* key : {"activeskinrect", "downrect", "inactiveskinrect", "restorerect", "restoreactiverect",
                            "restoredownrect"}) {
      const Rect r = ini().rect(name, key);
      if (r.empty()) continue;
      EXPECT_EQ(normal.width(), r.width()) << name << "." << key;
      EXPECT_EQ(normal.height(), r.height()) << name << "." << key;
    }
  }
  for (const char* name : {"maximizebutton", "rollupbutton"})
    for (const char* key : {"restorerect", "restoreactiverect", "restoredownrect"})
      EXPECT_FALSE(ini().rect(name, key).empty()) << name << "." << key;
}

TEST_F(DefaultSkin, FrameFitsTheWindowAndItsMaskGivesFewRuns) {
  const Bitmap frame = readBitmap(ini().text("PICTURES", "picture"));
  const Bitmap inactive = readBitmap(ini().text("PICTURES", "inactivepicture"));
  const Bitmap mask = readBitmap(ini().text("PICTURES", "mask"));
  ASSERT_TRUE(frame.valid() && inactive.valid() && mask.valid());
  const Rect client = ini().rect("FORMINFO", "clientrect");
  // The window's client area is 667 x 363; the frame picture is its minimum size.
  EXPECT_LE(frame.width, 667 + client.left + (frame.width - client.right));
  EXPECT_LE(frame.height, 363 + client.top + (frame.height - client.bottom));
  EXPECT_EQ(frame.width, inactive.width);
  EXPECT_EQ(frame.height, inactive.height);
  EXPECT_EQ(frame.width, mask.width);
  EXPECT_EQ(frame.height, mask.height);
  EXPECT_EQ(1, mask.bits);

  // The part the mask leaves opaque must be black throughout, or the region would differ from it.
  const Rect opaque = ini().rect("FORMINFO", "maskrectarea");
  ASSERT_FALSE(opaque.empty());
  for (int y = opaque.top; y < opaque.bottom; ++y)
    for (int x = opaque.left; x < opaque.right; ++x) ASSERT_EQ(0u, mask.pixel(x, y)) << x << "," << y;
  int runs = 0;
  for (int y = 0; y < mask.height; ++y) {
    if (y >= opaque.top && y < opaque.bottom) continue;
    for (int x = 0; x < mask.width; ++x)
      if (mask.pixel(x, y) == 0 && (x == 0 || mask.pixel(x - 1, y) != 0)) ++runs;
  }
  EXPECT_LE(runs, 16);
  // The rounded corners are cut.
  EXPECT_NE(0u, mask.pixel(0, 0));
  EXPECT_NE(0u, mask.pixel(mask.width - 1, 0));
}

TEST_F(DefaultSkin, PicturesAreBitmapsThePackageCanCarry) {
  std::vector<std::string> names = {ini().text("PICTURES", "picture"), ini().text("PICTURES", "inactivepicture"),
                                    ini().text("PICTURES", "mask")};
  const int count = ini().integer("PICTURES", "activepicturescount", 0);
  EXPECT_GT(count, 0);
  for (int i = 0; i < count; ++i) names.push_back(ini().text("PICTURES", std::to_string(i)));
  int eightBit = 0;
  for (const std::string& name : names) {
    const Bitmap b = readBitmap(name);
    ASSERT_TRUE(b.valid()) << name;
    // The package reader takes each picture's length from this field.
    EXPECT_EQ(b.file.size(), le32(b.file, 2)) << name;
    EXPECT_TRUE(b.bits == 24 || b.bits == 1 || b.bits == 8) << name;
    eightBit += b.bits == 8;
  }
  EXPECT_LE(eightBit, 1);
  for (const char* index : {"windowpictureindex", "maskpictureindex"}) {
    EXPECT_LT(ini().integer("POPUPWINDOW", index, -1), count);
    EXPECT_LT(ini().integer("HINTWINDOW", index, -1), count);
  }
  EXPECT_EQ(1, activePicture(ini().integer("HINTWINDOW", "maskpictureindex", -1)).bits);
}

TEST_F(DefaultSkin, PicturesLoadThroughTheProgramsBitmapReader) {
  std::vector<std::string> names = {ini().text("PICTURES", "picture"), ini().text("PICTURES", "inactivepicture"),
                                    ini().text("PICTURES", "mask")};
  for (int i = 0; i < ini().integer("PICTURES", "activepicturescount", 0); ++i)
    names.push_back(ini().text("PICTURES", std::to_string(i)));
  for (const std::string& name : names) {
    const Bitmap expected = readBitmap(name);
    tmv::TBitmap bitmap;
    ASSERT_NO_THROW(bitmap.LoadFromFile(std::string(TM_DEFAULT_SKIN) + "/" + name)) << name;
    EXPECT_EQ(expected.width, bitmap.Width()) << name;
    EXPECT_EQ(expected.height, bitmap.Height()) << name;
    EXPECT_EQ(expected.bits, bitmap.BitCount()) << name;
  }
}

TEST_F(DefaultSkin, DefinitionIsCodePageTextWithCrLfLines) {
  size_t lines = 0;
  for (size_t i = 0; i < text().size(); ++i)
    if (text()[i] == '\n') {
      ++lines;
      ASSERT_TRUE(i > 0 && text()[i - 1] == '\r') << "bare line feed at byte " << i;
    }
  EXPECT_GT(lines, 100u);
  EXPECT_EQ("\xCB\xCE\xCC\xE5", ini().text("button", "fontname"));  // the default face in code page 936
  EXPECT_EQ(14, ini().integer("button", "fontheight", 0));
  EXPECT_EQ(std::string::npos, text().find("\xE5\xAE\x8B"));  // no UTF-8 left in it
}

TEST_F(DefaultSkin, MarksOfFlatBoxesBlendIntoThePanelBehindThem) {
  // A flat radio box on the window's tool panel draws its mark with the bottom-left pixel left
  // out; that pixel must be the panel's colour there, and the mark itself must not contain it.
  const Bitmap controls = activePicture(ini().integer("radiobox", "pictureindex", -1));
  const Rect panel = ini().rect("panel", "skinrect");
  const Bitmap panelPicture = activePicture(ini().integer("panel", "pictureindex", -1));
  // The tool panel shows no caption: its face starts below the caption bar's rows.
  const int captionRows = ini().rect("panel", "captionrect").bottom;
  const uint32_t behind = panelPicture.pixel(panel.left + panel.width() / 2, panel.top + captionRows + 20);
  auto close = [](uint32_t a, uint32_t b) {
    for (int shift : {0, 8, 16})
      if (std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)) > 6) return false;
    return true;
  };
  for (const char* name : {"radiobox", "checkbox"})
    for (const char* key : {"checkimagerect", "uncheckimagerect", "activecheckimagerect", "activeuncheckimagerect",
                            "unenabledcheckimagerect", "unenableduncheckimagerect"}) {
      const Rect r = ini().rect(name, key);
      ASSERT_FALSE(r.empty()) << name << "." << key;
      const uint32_t key_colour = controls.pixel(r.left, r.bottom - 1);
      EXPECT_TRUE(close(behind, key_colour)) << name << "." << key;
      EXPECT_NE(key_colour, controls.pixel(r.left + r.width() / 2, r.top + r.height() / 2)) << name << "." << key;
      EXPECT_NE(key_colour, controls.pixel(r.left + r.width() / 2, r.top)) << name << "." << key << " loses its rim";
    }
}

TEST_F(DefaultSkin, ThePanelsCaptionBarLiesInItsTopEdge) {
  // A panel without CaptionMode (the window's tool panel) leaves the caption bar's rows out of
  // its face, which the program can do only for a bar at the top of the top edge.
  const Rect caption = ini().rect("panel", "captionrect");
  ASSERT_FALSE(caption.empty());
  EXPECT_EQ(caption.top, 0);
  EXPECT_LE(caption.bottom, ini().point("panel", "lefttoppoint").y);
  EXPECT_FALSE(ini().rect("panel", "checkimagerect").empty()) << "a checked panel shows its mark";
  EXPECT_TRUE(ini().rect("statusbar", "captionrect").empty());
}

}  // namespace
}  // namespace skingen
