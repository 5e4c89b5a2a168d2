#include "tools/skingen/SkinFolder.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace skingen {

namespace fs = std::filesystem;

std::string writeSkinFolder(const Skin& skin, const std::string& dir) {
  std::error_code error;
  fs::create_directories(dir, error);
  if (error) return "cannot create " + dir + ": " + error.message();
  for (const auto& [name, bytes] : skin.files()) {
    const fs::path path = fs::path(dir) / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) return "cannot write " + path.string();
  }
  return {};
}

std::vector<std::string> staleFiles(const Skin& skin, const std::string& dir) {
  std::vector<std::string> stale;
  for (const auto& [name, bytes] : skin.files()) {
    std::ifstream in(fs::path(dir) / name, std::ios::binary);
    const std::vector<uint8_t> found((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || found != bytes) stale.push_back(name);
  }
  return stale;
}

}  // namespace skingen
