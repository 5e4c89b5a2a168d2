// artgen ASSETS_DIR: draws the button glyphs and the program icon into ASSETS_DIR.
// artgen --check ASSETS_DIR: exits non-zero unless the files there are what it would draw.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/artgen/Artwork.h"

int main(int argc, char** argv) {
  const bool check = argc == 3 && std::string(argv[1]) == "--check";
  if (argc != 2 && !check) {
    std::fprintf(stderr, "usage: artgen [--check] ASSETS_DIR\n");
    return 2;
  }
  const std::string folder = argv[argc - 1];
  int stale = 0;
  for (const artgen::OutputFile& file : artgen::allArtwork()) {
    const std::string path = folder + "/" + file.path;
    if (check) {
      std::ifstream in(path, std::ios::binary);
      const std::vector<uint8_t> present{std::istreambuf_iterator<char>(in), {}};
      if (present != file.bytes) {
        std::fprintf(stderr, "%s differs from what artgen draws\n", path.c_str());
        ++stale;
      }
    } else {
      std::ofstream out(path, std::ios::binary);
      out.write(reinterpret_cast<const char*>(file.bytes.data()), std::streamsize(file.bytes.size()));
      if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
      }
    }
  }
  return stale ? 1 : 0;
}
