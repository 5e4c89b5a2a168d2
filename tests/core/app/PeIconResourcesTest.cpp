#include "app/PeIconResources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tmv {
namespace {

// A PE32 image with one resource section laid out as resource compilers lay it out: the root,
// the icon and icon-group type directories, one language directory per resource, the data
// entries, then the group headers and, last in the file, the icon images. The offsets of the
// fields the tests damage are kept.
class TTestImage {
public:
  static constexpr uint32_t kSectionAddress = 0x1000;
  static constexpr uint32_t kSectionFileOffset = 0x200;
  static constexpr uint32_t kImageBytes = 48;

  // groups[g] lists the icon ids of group g; icons are numbered 1..iconCount.
  TTestImage(const std::vector<std::vector<uint16_t>>& groups, int iconCount) {
    bytes.assign(kSectionFileOffset, 0);
    Put16(0, 0x5A4D);
    Put32(0x3C, 0x40);
    Put32(0x40, 0x4550);
    Put16(0x44, 0x14C);
    Put16(0x46, 1);
    Put16(0x54, 224);
    const size_t optional = 0x58;
    Put16(optional, 0x10B);
    Put32(optional + 60, kSectionFileOffset);
    Put32(optional + 92, 16);
    ResourceAddressField = optional + 96 + 16;
    Put32(ResourceAddressField, kSectionAddress);
    SectionHeader = optional + 224;

    const size_t iconTypes = 16 + 2 * 8, groupTypes = iconTypes + 16 + size_t(iconCount) * 8;
    const size_t languages = groupTypes + 16 + groups.size() * 8;
    const size_t dataEntries = languages + (size_t(iconCount) + groups.size()) * 24;
    size_t data = dataEntries + (size_t(iconCount) + groups.size()) * 16;
    Grow(data);
    RootNumberedField = Root() + 14;
    Put16(RootNumberedField, 2);
    PutEntry(Root() + 16, 3, 0x80000000u | uint32_t(iconTypes));
    PutEntry(Root() + 24, 14, 0x80000000u | uint32_t(groupTypes));
    IconTypeNumberedField = Root() + iconTypes + 14;
    Put16(IconTypeNumberedField, uint16_t(iconCount));
    GroupTypeNumberedField = Root() + groupTypes + 14;
    Put16(GroupTypeNumberedField, uint16_t(groups.size()));

    size_t language = languages, entry = dataEntries;
    auto addResource = [&](size_t typeEntry, uint16_t id, uint32_t size) {
      PutEntry(typeEntry, id, 0x80000000u | uint32_t(language));
      Put16(Root() + language + 14, 1);
      PutEntry(Root() + language + 16, 0x409, uint32_t(entry));
      Put32(Root() + entry, uint32_t(kSectionAddress + data));
      Put32(Root() + entry + 4, size);
      language += 24;
      entry += 16;
      data += size;
      Grow(data);
    };
    for (size_t g = 0; g < groups.size(); ++g) {
      GroupTypeEntries.push_back(Root() + groupTypes + 16 + g * 8);
      GroupLanguageDirectories.push_back(language);
      GroupDataEntries.push_back(Root() + entry);
      GroupHeaders.push_back(Root() + data);
      const size_t header = Root() + data;
      addResource(GroupTypeEntries.back(), uint16_t(g + 1), uint32_t(6 + 14 * groups[g].size()));
      Put16(header + 2, 1);
      Put16(header + 4, uint16_t(groups[g].size()));
      for (size_t i = 0; i < groups[g].size(); ++i) Put16(header + 6 + 14 * i + 12, groups[g][i]);
    }
    for (int i = 0; i < iconCount; ++i) {
      IconDataEntries.push_back(Root() + entry);
      addResource(Root() + iconTypes + 16 + size_t(i) * 8, uint16_t(i + 1), kImageBytes);
    }
    Put32(SectionHeader + 8, uint32_t(data));
    Put32(SectionHeader + 12, kSectionAddress);
    Put32(SectionHeader + 16, uint32_t(data));
    Put32(SectionHeader + 20, kSectionFileOffset);
  }

  static size_t Root() { return kSectionFileOffset; }
  void Put16(size_t at, uint16_t v) {
    bytes[at] = uint8_t(v);
    bytes[at + 1] = uint8_t(v >> 8);
  }
  void Put32(size_t at, uint32_t v) {
    Put16(at, uint16_t(v));
    Put16(at + 2, uint16_t(v >> 16));
  }

  TPeIconResources Read() const { return TPeIconResources(bytes.data(), bytes.size()); }

  std::vector<uint8_t> bytes;
  size_t ResourceAddressField, SectionHeader, RootNumberedField, IconTypeNumberedField, GroupTypeNumberedField;
  std::vector<size_t> GroupTypeEntries, GroupLanguageDirectories, GroupDataEntries, GroupHeaders, IconDataEntries;

private:
  void Grow(size_t sectionBytes) { bytes.resize(kSectionFileOffset + sectionBytes); }
  void PutEntry(size_t at, uint32_t name, uint32_t target) {
    Put32(at, name);
    Put32(at + 4, target);
  }
};

// Three groups: icons 1 and 2, icon 3, and icon 2 again (groups may share an icon).
TTestImage ThreeGroups() { return TTestImage({{1, 2}, {3}, {2}}, 3); }

std::vector<bool> GroupsSound(const TPeIconResources& resources) {
  std::vector<bool> sound;
  for (int i = 0; i < resources.GroupCount(); ++i) sound.push_back(resources.GroupSound(i));
  return sound;
}

TEST(PeIconResources, AWellFormedImageHasEveryGroupSoundIncludingSharedIcons) {
  const TPeIconResources resources = ThreeGroups().Read();
  EXPECT_TRUE(resources.Sound());
  EXPECT_EQ(GroupsSound(resources), (std::vector<bool>{true, true, true}));
  EXPECT_FALSE(resources.GroupSound(3));
  EXPECT_FALSE(resources.GroupSound(-1));
}

TEST(PeIconResources, ImagesWithoutResourcesOrWithoutIconsAreSoundAndEmpty) {
  TTestImage noResources = ThreeGroups();
  noResources.Put32(noResources.ResourceAddressField, 0);
  EXPECT_TRUE(noResources.Read().Sound());
  EXPECT_EQ(noResources.Read().GroupCount(), 0);
  TTestImage noIcons({}, 0);
  EXPECT_TRUE(noIcons.Read().Sound());
  EXPECT_EQ(noIcons.Read().GroupCount(), 0);
}

TEST(PeIconResources, DamagedHeadersAndDirectoriesFailTheWholeFile) {
  struct Damage {
    const char* what;
    void (*apply)(TTestImage&);
  };
  const Damage damages[] = {
      {"not an executable", [](TTestImage& i) { i.Put16(0, 0x4241); }},
      {"header offset past the end", [](TTestImage& i) { i.Put32(0x3C, 0xFFFFFFF0u); }},
      {"no PE signature", [](TTestImage& i) { i.Put32(0x40, 0x454E); }},
      {"odd optional header size", [](TTestImage& i) { i.Put16(0x54, 200); }},
      {"section table past the end", [](TTestImage& i) { i.Put16(0x46, 0xFFFF); }},
      {"resources past the end of the file",
       [](TTestImage& i) { i.Put32(i.SectionHeader + 20, uint32_t(i.bytes.size() + 0x1000)); }},
      {"resources outside every section", [](TTestImage& i) { i.Put32(i.ResourceAddressField, 0x9000); }},
      {"root with 0xFFFF numbered entries", [](TTestImage& i) { i.Put16(i.RootNumberedField, 0xFFFF); }},
      {"root with 0xFFFF named entries", [](TTestImage& i) { i.Put16(i.RootNumberedField - 2, 0xFFFF); }},
      {"0xFFFF icon groups", [](TTestImage& i) { i.Put16(i.GroupTypeNumberedField, 0xFFFF); }},
      {"0xFFFF named icons", [](TTestImage& i) { i.Put16(i.IconTypeNumberedField - 2, 0xFFFF); }},
      {"group type pointing back at the root",
       [](TTestImage& i) { i.Put32(TTestImage::Root() + 16 + 8 + 4, 0x80000000u); }},
  };
  for (const Damage& damage : damages) {
    TTestImage image = ThreeGroups();
    damage.apply(image);
    EXPECT_FALSE(image.Read().Sound()) << damage.what;
  }
}

TEST(PeIconResources, ADamagedGroupFailsAloneWhileTheOthersStaySound) {
  struct Damage {
    const char* what;
    void (*apply)(TTestImage&);
    std::vector<bool> sound;
  };
  const Damage damages[] = {
      {"0xFFFF entries in a group", [](TTestImage& i) { i.Put16(i.GroupHeaders[0] + 4, 0xFFFF); }, {false, true, true}},
      {"a group of no entries", [](TTestImage& i) { i.Put16(i.GroupHeaders[1] + 4, 0); }, {true, false, true}},
      {"a group listing a missing icon", [](TTestImage& i) { i.Put16(i.GroupHeaders[1] + 6 + 12, 9); }, {true, false, true}},
      {"a group larger than its section",
       [](TTestImage& i) { i.Put32(i.GroupDataEntries[1] + 4, 0x7FFFFFFF); }, {true, false, true}},
      {"a group outside every section",
       [](TTestImage& i) { i.Put32(i.GroupDataEntries[1], 0x40); }, {true, false, true}},
      {"an icon larger than its section",
       [](TTestImage& i) { i.Put32(i.IconDataEntries[1] + 4, 0x10000); }, {false, true, false}},
      {"a group's language directory is the root",
       [](TTestImage& i) { i.Put32(i.GroupTypeEntries[0] + 4, 0x80000000u); }, {false, true, true}},
      {"two groups sharing one language directory",
       [](TTestImage& i) { i.Put32(i.GroupTypeEntries[2] + 4, 0x80000000u | uint32_t(i.GroupLanguageDirectories[1])); },
       {true, true, false}},
      {"a group whose language entry is a directory",
       [](TTestImage& i) { i.Put32(TTestImage::Root() + i.GroupLanguageDirectories[2] + 20, 0x80000000u); },
       {true, true, false}},
  };
  for (const Damage& damage : damages) {
    TTestImage image = ThreeGroups();
    damage.apply(image);
    const TPeIconResources resources = image.Read();
    EXPECT_TRUE(resources.Sound()) << damage.what;
    EXPECT_EQ(GroupsSound(resources), damage.sound) << damage.what;
  }
}

TEST(PeIconResources, EveryTruncationFailsTheFileOrAGroup) {
  // The last bytes of the file are an icon's image, so each cut takes something a group needs.
  const TTestImage image = ThreeGroups();
  for (size_t size = 0; size < image.bytes.size(); ++size) {
    const std::vector<uint8_t> cut(image.bytes.begin(), image.bytes.begin() + long(size));
    const TPeIconResources resources(cut.data(), cut.size());
    const std::vector<bool> sound = GroupsSound(resources);
    const bool whole = resources.Sound() && sound == std::vector<bool>{true, true, true};
    EXPECT_FALSE(whole) << "cut at " << size;
  }
}

}  // namespace
}  // namespace tmv
