// skingen: draws the default skin and writes its folder.
//
//   skingen DIR              writes the skin folder (pictures and skin.ini) into DIR
//   skingen --check DIR      exits 1 when DIR differs from what this generator writes
//   skingen --preview FILE   writes a PNG of the skin in use (needs ImageMagick's convert)
//
// Every picture is drawn by code and the output is the same byte for byte on every run: no
// dates, no randomness, and the pieces are packed in a fixed order. The folder is committed;
// after changing the art, build the "default_skin" target (native build) to rewrite it, and
// "default_skin_preview" to look at it. The test "default_skin_up_to_date" fails while the
// committed folder and the generator disagree.
//
// Layout of the skin folder:
//   frame.bmp, frameinactive.bmp  the frame of the active and the inactive window, 300 x 120:
//                                 a 30-pixel glass caption, 4-pixel borders, the client area
//                                 inside. The corners are 40 pixels wide; every edge is uniform
//                                 along its length and is tiled to the window's size.
//   framemask.bmp                 1-bit mask: black is window. Only the rounded top corners are
//                                 cut, and only the first rows lie outside "maskrectarea".
//   frameparts.bmp  (picture 0)   caption buttons (close, maximize, restore, minimize: normal,
//                                 hot, pressed, inactive), the system-menu picture, the menu
//                                 item and divider, and the items and buttons of a menu bar.
//   controls.bmp    (picture 1)   faces of every control in their states, the check and radio
//                                 marks (bottom-left pixel transparent, in the tool panel's
//                                 colour behind them), scroll-bar thumbs and arrows.
//   menuwindow.bmp  (picture 2)   the popup menu window, divided by its points.
//   hint.bmp, hintmask.bmp (3, 4) the hint window and the mask that rounds its corners.
//   skin.ini                      the definition, in the program's code page, CR LF lines.
#include <iostream>
#include <string>

#include "tools/skingen/Art.h"
#include "tools/skingen/Preview.h"
#include "tools/skingen/SkinFolder.h"

namespace {

int writeFolder(const std::string& dir) {
  const std::string error = skingen::writeSkinFolder(skingen::buildSkin(), dir);
  if (error.empty()) return 0;
  std::cerr << "skingen: " << error << "\n";
  return 1;
}

int checkFolder(const std::string& dir) {
  const std::vector<std::string> stale = skingen::staleFiles(skingen::buildSkin(), dir);
  for (const std::string& name : stale) std::cerr << "skingen: " << dir << "/" << name << " is not what the generator writes\n";
  if (!stale.empty()) std::cerr << "skingen: build the default_skin target to bring the folder up to date\n";
  return stale.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  try {
    if (argc == 3 && mode == "--check") return checkFolder(argv[2]);
    if (argc == 3 && mode == "--preview") {
      if (skingen::writePreview(skingen::buildSkin(), argv[2])) return 0;
      std::cerr << "skingen: the preview could not be written\n";
      return 1;
    }
    if (argc == 2 && mode.rfind("--", 0) != 0) return writeFolder(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "skingen: " << e.what() << "\n";
    return 1;
  }
  std::cerr << "usage: skingen DIR | skingen --check DIR | skingen --preview FILE.png\n";
  return 2;
}
