#pragma once
// A picture of the skin as the user will meet it: the program's window at its real size with its
// tool panel, list and status bar, and beside it the other states and controls of the skin.
// Drawn from the definition text and the pictures only, with plain nine-part tiling.
#include <string>

#include "tools/skingen/Art.h"

namespace skingen {

// Writes the preview as a PNG through ImageMagick (which also sets the texts); false on failure.
bool writePreview(const Skin& skin, const std::string& pngPath);

}  // namespace skingen
