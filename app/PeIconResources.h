#pragma once
// The icon resources of an executable or library, checked before the system's icon extraction
// reads them: that reader trusts every offset, count and size in the file, and a damaged file
// takes the whole program down with it.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tmv {

class TPeIconResources {
public:
  // Reads the file's bytes; nothing outside them is touched, whatever they say.
  TPeIconResources(const uint8_t* data, size_t size);

  // The headers, the section table and the resource directories the icon groups hang from all
  // lie inside the file. A file without resources, or without icons, is sound.
  bool Sound() const { return sound_; }
  // The icon groups in the order the system numbers them (named groups first).
  int GroupCount() const { return static_cast<int>(groups_.size()); }
  // The group's directory, its header and every icon it lists lie inside the file and inside
  // their section, and no directory on the way was met before. False for an index past the end.
  bool GroupSound(int index) const;

private:
  std::vector<bool> groups_;
  bool sound_ = false;
};

}  // namespace tmv
