// Packs a skin folder into the compressed bytes a stored skin carries: a version 3 package
// deflated at the highest level.
//
//   skinpack <folder>/skin.ini <output>          writes the bytes
//   skinpack --skn <folder>/skin.ini <output>    writes them as a ".skn" file
//   skinpack --check <folder>/skin.ini <output>  fails when output differs from the bytes
#include <cstdio>
#include <cstring>
#include <string>

#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinPackage.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: skinpack [--skn | --check] <skin definition file> <output file>\n");
  return 2;
}

int Run(const std::string& mode, const std::string& ini, const std::string& output) {
  tmv::TMemoryStream compressed;
  if (!tmv::PackSkinFolder(ini, tmv::kNewestPackageVersion, compressed)) {
    std::fprintf(stderr, "skinpack: %s lacks a required section\n", ini.c_str());
    return 1;
  }
  if (mode == "--check") {
    tmv::TMemoryStream existing;
    existing.LoadFromFile(output);
    if (existing.Bytes() == compressed.Bytes()) return 0;
    std::fprintf(stderr, "skinpack: %s is out of date with %s\n", output.c_str(), ini.c_str());
    return 1;
  }
  if (mode == "--skn") {
    tmv::TspCompressedStoredSkin stored(nullptr);
    stored.SetCompressedData(compressed.Bytes());
    stored.WriteCompressedSkinFile(output);
  } else {
    compressed.SaveToFile(output);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc == 4 ? argv[1] : "";
  if (!(argc == 3 || (argc == 4 && (mode == "--skn" || mode == "--check")))) return Usage();
  try {
    return Run(mode, argv[argc - 2], argv[argc - 1]);
  } catch (const tmv::Exception& e) {
    std::fprintf(stderr, "skinpack: %s\n", e.Message.c_str());
    return 1;
  }
}
