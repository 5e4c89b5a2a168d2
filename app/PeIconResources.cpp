#include "app/PeIconResources.h"

#include <algorithm>
#include <map>
#include <set>

namespace tmv {

namespace {

constexpr uint16_t kIconType = 3;
constexpr uint16_t kGroupIconType = 14;
constexpr uint32_t kSubdirectory = 0x80000000u;
constexpr uint64_t kDirectoryHeaderSize = 16;
constexpr uint64_t kDirectoryEntrySize = 8;
constexpr uint64_t kDataEntrySize = 16;
constexpr uint64_t kGroupHeaderSize = 6;
constexpr uint64_t kGroupEntrySize = 14;
constexpr uint64_t kSectionHeaderSize = 40;

// Little-endian reads that answer false rather than step outside the bytes.
class TByteView {
public:
  TByteView(const uint8_t* data, uint64_t size) : data_(data), size_(size) {}
  uint64_t Size() const { return size_; }
  bool Holds(uint64_t offset, uint64_t length) const { return offset <= size_ && length <= size_ - offset; }
  bool U16(uint64_t offset, uint16_t& value) const {
    if (!Holds(offset, 2)) return false;
    value = static_cast<uint16_t>(data_[offset] | data_[offset + 1] << 8);
    return true;
  }
  bool U32(uint64_t offset, uint32_t& value) const {
    uint16_t low = 0, high = 0;
    if (!U16(offset, low) || !U16(offset + 2, high)) return false;
    value = low | uint32_t(high) << 16;
    return true;
  }

private:
  const uint8_t* data_;
  uint64_t size_;
};

struct TSection {
  uint32_t Address, RawSize, RawOffset;
};

struct TDirectory {
  uint64_t Offset;  // from the resource root
  uint16_t Named, Numbered;
  int Count() const { return Named + Numbered; }
};

// The headers of a PE image: where its sections lie and where its resources begin.
struct TImageLayout {
  std::vector<TSection> Sections;
  uint32_t ResourceAddress = 0;  // 0: the image carries no resources
  uint32_t HeadersSize = 0;

  bool Read(const TByteView& file) {
    uint16_t magic = 0, sectionCount = 0, optionalSize = 0;
    uint32_t peOffset = 0, signature = 0;
    if (!file.U16(0, magic) || magic != 0x5A4D || !file.U32(0x3C, peOffset)) return false;
    if (!file.U32(peOffset, signature) || signature != 0x4550) return false;
    if (!file.U16(uint64_t(peOffset) + 6, sectionCount) || !file.U16(uint64_t(peOffset) + 20, optionalSize))
      return false;
    const uint64_t optional = uint64_t(peOffset) + 24;
    if (!file.U16(optional, magic)) return false;
    // The system's reader finds the sections after a header of the standard size for the
    // kind, whatever size the file states; only files where both agree are taken.
    const bool wide = magic == 0x20B;
    if ((magic != 0x10B && !wide) || optionalSize != (wide ? 240 : 224)) return false;
    uint32_t directoryCount = 0;
    const uint64_t directories = optional + (wide ? 112 : 96);
    if (!file.U32(optional + 60, HeadersSize) || !file.U32(directories - 4, directoryCount)) return false;
    if (directoryCount > 2 && !file.U32(directories + 16, ResourceAddress)) return false;
    const uint64_t table = optional + optionalSize;
    if (!file.Holds(table, sectionCount * kSectionHeaderSize)) return false;
    for (uint64_t i = 0; i < sectionCount; ++i) {
      TSection s{0, 0, 0};
      const uint64_t at = table + i * kSectionHeaderSize;
      file.U32(at + 12, s.Address);
      file.U32(at + 16, s.RawSize);
      file.U32(at + 20, s.RawOffset);
      Sections.push_back(s);
    }
    return true;
  }

  // The file range of data at an address: every section that claims it must hold it inside
  // the file, and one must claim it.
  bool DataInFile(const TByteView& file, uint32_t address, uint32_t size) const {
    bool claimed = false;
    for (const TSection& s : Sections) {
      if (address < s.Address || uint64_t(address) + size > uint64_t(s.Address) + s.RawSize) continue;
      if (!file.Holds(uint64_t(address) - s.Address + s.RawOffset, size)) return false;
      claimed = true;
    }
    return claimed;
  }
};

// Walks the resource tree the way the system's icon reader does, checking each step first.
class TResourceWalk {
public:
  TResourceWalk(const TByteView& file, const TImageLayout& image) : file_(file), image_(image) {}

  bool FindRoot() {
    const uint32_t address = image_.ResourceAddress;
    if (address < image_.HeadersSize) return false;
    for (const TSection& s : image_.Sections) {
      if (address < s.Address || uint64_t(address) - s.Address >= s.RawSize) continue;
      root_ = uint64_t(address) - s.Address + s.RawOffset;
      const uint64_t sectionEnd = std::min<uint64_t>(uint64_t(s.RawOffset) + s.RawSize, file_.Size());
      if (root_ >= sectionEnd) return false;
      length_ = sectionEnd - root_;
      return true;
    }
    return false;
  }

  // A directory not met before, with all its entries inside the section.
  bool Directory(uint64_t offset, TDirectory& directory) {
    if (!Holds(offset, kDirectoryHeaderSize) || !visited_.insert(offset).second) return false;
    directory.Offset = offset;
    U16(offset + 12, directory.Named);
    U16(offset + 14, directory.Numbered);
    return Holds(offset + kDirectoryHeaderSize, directory.Count() * kDirectoryEntrySize);
  }

  // The target of the numbered entry with this id, found by the same halving search the system
  // uses, so that an unsorted directory yields the entry it would yield there.
  bool FindById(const TDirectory& directory, uint16_t id, uint32_t& target) const {
    int low = directory.Named, high = directory.Count() - 1;
    while (low <= high) {
      const int middle = (low + high) / 2;
      uint32_t name = 0;
      U32(EntryOffset(directory, middle), name);
      if (uint16_t(name) == id) return U32(EntryOffset(directory, middle) + 4, target);
      if (uint16_t(name) > id)
        high = middle - 1;
      else
        low = middle + 1;
    }
    return false;
  }

  bool EntryTarget(const TDirectory& directory, int index, uint32_t& target) const {
    return U32(EntryOffset(directory, index) + 4, target);
  }

  // A subdirectory entry's target: a directory of languages whose first entry, the one taken,
  // describes data lying inside the file.
  bool LanguageData(uint32_t target, uint32_t& address, uint32_t& size) {
    TDirectory languages{0, 0, 0};
    uint32_t data = 0;
    if (!(target & kSubdirectory) || !Directory(target & ~kSubdirectory, languages)) return false;
    if (languages.Count() == 0 || !EntryTarget(languages, 0, data) || (data & kSubdirectory)) return false;
    if (!Holds(data, kDataEntrySize)) return false;
    U32(data, address);
    U32(data + 4, size);
    return image_.DataInFile(file_, address, size);
  }

  // The file offset of data at an address already found inside the file.
  uint64_t FileOffset(uint32_t address) const {
    for (const TSection& s : image_.Sections)
      if (address >= s.Address && uint64_t(address) - s.Address < s.RawSize)
        return uint64_t(address) - s.Address + s.RawOffset;
    return 0;
  }

private:
  static uint64_t EntryOffset(const TDirectory& directory, int index) {
    return directory.Offset + kDirectoryHeaderSize + uint64_t(index) * kDirectoryEntrySize;
  }
  bool Holds(uint64_t offset, uint64_t size) const { return offset <= length_ && size <= length_ - offset; }
  bool U16(uint64_t offset, uint16_t& value) const { return Holds(offset, 2) && file_.U16(root_ + offset, value); }
  bool U32(uint64_t offset, uint32_t& value) const { return Holds(offset, 4) && file_.U32(root_ + offset, value); }

  const TByteView& file_;
  const TImageLayout& image_;
  uint64_t root_ = 0;
  uint64_t length_ = 0;
  std::set<uint64_t> visited_;
};

// The icon groups of one image and the icons they list.
class TIconGroupCheck {
public:
  TIconGroupCheck(const TByteView& file, TResourceWalk& walk) : file_(file), walk_(walk) {}

  // Finds the group and icon type directories; false when the tree around them is damaged.
  bool Open(bool& hasGroups) {
    TDirectory root{0, 0, 0};
    uint32_t target = 0;
    hasGroups = false;
    if (!walk_.FindRoot() || !walk_.Directory(0, root)) return false;
    if (!walk_.FindById(root, kGroupIconType, target)) return true;
    if (!(target & kSubdirectory) || !walk_.Directory(target & ~kSubdirectory, groups_)) return false;
    hasGroups = true;
    if (!walk_.FindById(root, kIconType, target)) return true;
    hasIcons_ = (target & kSubdirectory) && walk_.Directory(target & ~kSubdirectory, icons_);
    return hasIcons_;
  }

  int GroupCount() const { return groups_.Count(); }

  bool GroupSound(int index) {
    uint32_t target = 0, address = 0, size = 0;
    if (!walk_.EntryTarget(groups_, index, target) || !walk_.LanguageData(target, address, size)) return false;
    const uint64_t header = walk_.FileOffset(address);
    uint16_t reserved = 0, type = 0, count = 0;
    if (size < kGroupHeaderSize || !file_.U16(header, reserved) || !file_.U16(header + 2, type) ||
        !file_.U16(header + 4, count))
      return false;
    if (reserved != 0 || type != 1 || count == 0 || kGroupHeaderSize + count * kGroupEntrySize > size) return false;
    for (uint64_t i = 0; i < count; ++i) {
      uint16_t id = 0;
      file_.U16(header + kGroupHeaderSize + i * kGroupEntrySize + 12, id);
      if (!IconSound(id)) return false;
    }
    return true;
  }

private:
  // Remembered by id, since groups may share an icon and its directory is then met again.
  bool IconSound(uint16_t id) {
    const auto known = iconSound_.find(id);
    if (known != iconSound_.end()) return known->second;
    uint32_t target = 0, address = 0, size = 0;
    const bool sound = hasIcons_ && walk_.FindById(icons_, id, target) && walk_.LanguageData(target, address, size) &&
                       size > 0;
    iconSound_.emplace(id, sound);
    return sound;
  }

  const TByteView& file_;
  TResourceWalk& walk_;
  TDirectory groups_{0, 0, 0};
  TDirectory icons_{0, 0, 0};
  bool hasIcons_ = false;
  std::map<uint16_t, bool> iconSound_;
};

}  // namespace

TPeIconResources::TPeIconResources(const uint8_t* data, size_t size) {
  const TByteView file(data, size);
  TImageLayout image;
  if (!image.Read(file)) return;
  if (image.ResourceAddress == 0) {
    sound_ = true;
    return;
  }
  TResourceWalk walk(file, image);
  TIconGroupCheck check(file, walk);
  bool hasGroups;
  if (!check.Open(hasGroups)) return;
  sound_ = true;
  if (!hasGroups) return;
  for (int i = 0; i < check.GroupCount(); ++i) groups_.push_back(check.GroupSound(i));
}

bool TPeIconResources::GroupSound(int index) const {
  return index >= 0 && index < GroupCount() && groups_[static_cast<size_t>(index)];
}

}  // namespace tmv
