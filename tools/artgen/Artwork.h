#pragma once
// The program's own artwork, drawn by code: the 16×16 glyphs of the tool buttons and the program
// icon at 16, 32 and 48 pixels. Same bytes on every run.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/skingen/Raster.h"

namespace artgen {

// A picture with opacity, built from anti-aliased shapes laid over each other.
class Layer {
public:
  explicit Layer(int size);
  int size() const { return size_; }
  void paint(const skingen::Shape& shape, const skingen::Paint& paint, double opacity = 1.0);
  const skingen::Rgb& colour(int x, int y) const { return colour_[index(x, y)]; }
  double alpha(int x, int y) const { return alpha_[index(x, y)]; }

private:
  size_t index(int x, int y) const { return size_t(y) * size_t(size_) + size_t(x); }
  int size_;
  std::vector<skingen::Rgb> colour_;  // not premultiplied
  std::vector<double> alpha_;
};

enum class Glyph { Open, Save, SaveAll, Help, Update };
Layer drawGlyph(Glyph glyph);
// The program icon at any size; the design is made for 48 and simplified below 24.
Layer drawProgramIcon(int size);

// A button glyph as the buttons draw it: the bottom-left pixel's colour is transparent, so
// uncovered pixels get the key colour and edge pixels are blended over the buttons' face.
// bitCount 8 gives a 256-colour picture, 32 one whose fourth bytes hold the opacity.
std::vector<uint8_t> glyphBitmapFile(const Layer& glyph, int bitCount);
// An icon file holding the layers as 32-bit images with opacity and masks.
std::vector<uint8_t> iconFile(const std::vector<Layer>& images);

struct OutputFile {
  std::string path;  // relative to the assets folder
  std::vector<uint8_t> bytes;
};
std::vector<OutputFile> allArtwork();

}  // namespace artgen
