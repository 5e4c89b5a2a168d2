#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SkinTestSupport.h"
#include "framework/core/Exceptions.h"
#include "framework/core/IniFiles.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinPackage.h"

using namespace tmv;
using skintest::BitmapBytes;

namespace {

const std::vector<std::string> kDefinition = {"[VERSION]", "skinname=t", "[FORMINFO]", "borderwidth=3"};

std::unique_ptr<TspSkinPackage> ReadBack(const std::vector<uint8_t>& bytes) {
  auto p = std::make_unique<TspSkinPackage>();
  TMemoryStream s(bytes);
  EXPECT_TRUE(ReadSkinPackage(s, *p));
  return p;
}

const std::string kDefaultSkin = skintest::SourcePath("assets/skins/default/skin.ini");

}  // namespace

TEST(SkinPackage, EachVersionCarriesItsFramePictures) {
  struct Case { int32_t version; std::vector<TspFramePicture> present; };
  for (const Case& c : {Case{-4, {fpPicture, fpMask}}, Case{0, {fpPicture, fpMask}},
                        Case{1, {fpPicture, fpMask, fpRollUpPicture, fpRollUpMask}},
                        Case{2, {fpPicture, fpInactivePicture, fpMask, fpRollUpPicture, fpRollUpMask}},
                        Case{3, {fpPicture, fpInactivePicture, fpMask}}}) {
    auto written = skintest::MakePackage(c.version, kDefinition);
    auto read = ReadBack(skintest::PackageBytes(*written));
    for (int f = 0; f < kFramePictureCount; ++f) {
      bool expected = std::find(c.present.begin(), c.present.end(), f) != c.present.end();
      EXPECT_EQ(!expected, read->FramePictures[f]->Empty()) << "version " << c.version << " picture " << f;
      if (expected) {
        EXPECT_EQ(BitmapBytes(*written->FramePictures[f]), BitmapBytes(*read->FramePictures[f]));
      }
    }
    ASSERT_EQ(2u, read->ActivePictures.size());
    EXPECT_EQ(8, read->ActivePictures[1]->BitCount());
    EXPECT_EQ(BitmapBytes(*written->ActivePictures[1]), BitmapBytes(*read->ActivePictures[1]));
    EXPECT_EQ(kDefinition, read->Definition.ToVector());
  }
}

TEST(SkinPackage, AFlagByteOfOneMeansNoPictureAndNoImage) {
  std::vector<uint8_t> bytes;
  skintest::PutInt32(bytes, 3);
  bytes.push_back(1);  // picture absent
  bytes.push_back(1);  // inactive picture absent
  bytes.push_back(0);  // mask present
  auto mask = skintest::SolidBitmap(4, 4, 0, 1);
  std::vector<uint8_t> image = BitmapBytes(*mask);
  bytes.insert(bytes.end(), image.begin(), image.end());
  skintest::PutInt32(bytes, 0);
  std::string text = "[VERSION]\r\nskinname=x\r\n";
  bytes.insert(bytes.end(), text.begin(), text.end());

  auto read = ReadBack(bytes);
  EXPECT_TRUE(read->FramePictures[fpPicture]->Empty());
  EXPECT_TRUE(read->FramePictures[fpInactivePicture]->Empty());
  EXPECT_EQ(4, read->FramePictures[fpMask]->Width());
  EXPECT_TRUE(read->ActivePictures.empty());
  EXPECT_EQ((std::vector<std::string>{"[VERSION]", "skinname=x"}), read->Definition.ToVector());
}

TEST(SkinPackage, ANewerVersionReadsNothingFurther) {
  std::vector<uint8_t> bytes;
  skintest::PutInt32(bytes, 4);
  bytes.push_back(0xEE);
  TspSkinPackage p;
  TMemoryStream s(bytes);
  EXPECT_FALSE(ReadSkinPackage(s, p));
  EXPECT_EQ(4, p.Version);
  EXPECT_EQ(4, s.Position());
}

TEST(SkinPackage, TruncatedOrLyingPackagesRaiseErrors) {
  std::vector<uint8_t> good = skintest::PackageBytes(*skintest::MakePackage(3, kDefinition));
  for (size_t cut : {size_t{2}, size_t{5}, size_t{60}, good.size() / 2}) {
    TspSkinPackage p;
    TMemoryStream s(std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(cut)));
    EXPECT_THROW(ReadSkinPackage(s, p), Exception) << cut;
  }
  TspSkinPackage p;
  TMemoryStream s(skintest::PackageClaimingManyActivePictures());
  EXPECT_THROW(ReadSkinPackage(s, p), EReadError);
  EXPECT_TRUE(p.ActivePictures.empty());
}

TEST(SkinPackage, AnEmptyActivePictureIsRefusedBeforeAnythingIsWritten) {
  auto package = skintest::MakePackage(3, kDefinition, 3);
  package->ActivePictures[1] = std::make_unique<TBitmap>();
  TMemoryStream s;
  try {
    WriteSkinPackage(*package, s);
    ADD_FAILURE() << "an empty active picture was written";
  } catch (const EWriteError& e) {
    EXPECT_NE(std::string::npos, e.Message.find("active picture 1")) << e.Message;
  }
  EXPECT_EQ(0, s.Size());
}

TEST(SkinPackage, AFolderPackedAndReadBackGivesItsPicturesAndDefinition) {
  TspSkinPackage folder;
  ASSERT_TRUE(LoadSkinFolder(kDefaultSkin, folder));
  TStringList lines;
  lines.LoadFromFile(kDefaultSkin);
  TMemIniFile ini(lines);

  TspCompressedStoredSkin stored(nullptr);
  stored.BuildFromSkinFolder(kDefaultSkin);
  ASSERT_FALSE(stored.IsStoreEmpty());
  EXPECT_EQ(0x78, stored.CompressedData().Bytes()[0]);
  EXPECT_EQ(0xDA, stored.CompressedData().Bytes()[1]);
  TMemoryStream packed;
  stored.ExtractPackage(packed);
  packed.SetPosition(0);
  TspSkinPackage read;
  ASSERT_TRUE(ReadSkinPackage(packed, read));
  EXPECT_EQ(2, read.Version);
  for (int f = 0; f < kFramePictureCount; ++f) {
    std::string name = ini.ReadString("PICTURES", FramePictureKey(static_cast<TspFramePicture>(f)), "");
    EXPECT_EQ(name.empty(), read.FramePictures[f]->Empty()) << f;
    EXPECT_EQ(BitmapBytes(*folder.FramePictures[f]), BitmapBytes(*read.FramePictures[f])) << f;
  }
  ASSERT_EQ(static_cast<size_t>(ini.ReadInteger("PICTURES", "activepicturescount", -1)),
            read.ActivePictures.size());
  for (size_t i = 0; i < read.ActivePictures.size(); ++i) {
    TBitmap fromFile;
    fromFile.LoadFromFile(skintest::SourcePath("assets/skins/default/") +
                          ini.ReadString("PICTURES", std::to_string(i), ""));
    EXPECT_EQ(BitmapBytes(fromFile), BitmapBytes(*read.ActivePictures[i])) << i;
  }
  EXPECT_EQ(lines.ToVector(), read.Definition.ToVector());
}

TEST(SkinPackage, AFolderWithoutARequiredSectionChangesNothing) {
  const std::string dir = TM_BUILD_DIR "/skinpackage-test";
  TMemoryStream none;
  std::string path = dir + ".ini";
  TStringList lines({"[VERSION]", "[PICTURES]", "[FORMINFO]", "[SKINOBJECTS]"});
  lines.SaveToFile(path);
  TspCompressedStoredSkin stored(nullptr);
  stored.SetCompressedData({1, 2, 3});
  stored.BuildFromSkinFolder(path);
  EXPECT_EQ((std::vector<uint8_t>{1, 2, 3}), stored.CompressedData().Bytes());
  EXPECT_THROW(stored.BuildFromSkinFolder(dir + "-missing.ini"), EFOpenError);
  EXPECT_EQ((std::vector<uint8_t>{1, 2, 3}), stored.CompressedData().Bytes());
}
