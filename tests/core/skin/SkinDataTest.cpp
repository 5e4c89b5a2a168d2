#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "SkinTestSupport.h"
#include "framework/core/ClassInfo.h"
#include "framework/core/FormReader.h"
#include "framework/core/IniFiles.h"
#include "framework/core/Strings.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"

using namespace tmv;

namespace {

std::vector<std::string> Definition(std::vector<std::string> extra = {}) {
  std::vector<std::string> lines = {
      "; a comment",
      "[Version]",
      "SkinName = Test skin",
      "skinauthor=someone",
      "[PICTURES]",
      "picture=frame.bmp",
      "mask=mask.bmp",
      "activepicturescount=2",
      "0=a.bmp",
      "1=b.bmp",
      "[FORMINFO]",
      "lefttoppoint=5,20",
      "righttoppoint=695,28",
      "leftbottompoint=8,283",
      "rightbottompoint=695,283",
      "clientrect=8,28,696,284",
      "maskrectarea=0,0,100,300",
      "hittestlefttoppoint=0,4",
      "hittestrighttoppoint=690,4",
      "inactiveeffect=iesepia",
      "BORDERWIDTH=4",
      "[HINTWINDOW]",
      "windowpictureindex=1",
      "fontstyle=fsboldfsitalic",
      "[SkinAreas]",
      "count=3",
      "0=top:0,0,10,10",
      "1=broken",
      "2=bottom:0,10,10,20",
      "[SKINOBJECTS]",
      "count=4",
      "0=closebutton:stdbutton",
      "1=odd:nosuchkind",
      "2=user:userobject",
      "3=menuitem:menuitem",
      "[closebutton]",
      "activepictureindex=0",
      "skinrect=-1,2,30,22",
      "morphkind=mkpush",
      "[user]",
      "activepictureindex=1",
      "rollup=1",
      "[SKINCONTROLS]",
      "count=5",
      "0=button:button",
      "1=Button:button",
      "2=button:panel",
      "3=radiobox:checkradio",
      "4=statusbar:panel",
      "[BUTTON]",
      "pictureindex=1",
      "skinrect=0,0,20,20",
      "clientrect=2,2,18,18",
      "lefttoppoint=3,3",
  };
  lines.insert(lines.end(), extra.begin(), extra.end());
  return lines;
}

std::vector<uint8_t> StoredBytes(int32_t version, const std::vector<std::string>& definition,
                                 int activeCount = 2) {
  return skintest::Compress(skintest::PackageBytes(*skintest::MakePackage(version, definition, activeCount)));
}

struct Fixture {
  TComponent owner{nullptr};
  TspCompressedStoredSkin* stored = new TspCompressedStoredSkin(&owner);
  TspSkinData* data = new TspSkinData(&owner);
  std::vector<uint32_t> messages;
  Fixture() {
    data->OnBroadcast = [this](TspSkinData& sender, uint32_t m) {
      EXPECT_EQ(&sender, data);
      messages.push_back(m);
    };
  }
  void Apply(const std::vector<uint8_t>& bytes) {
    stored->SetCompressedData(bytes);
    data->SetCompressedStoredSkin(stored);
  }
};

const std::vector<uint32_t> kFullChange = {SKM_SKINCHANGING, SKM_SKINCHANGED, SKM_SKINCHANGEDONE};

}  // namespace

TEST(SkinData, LoadsEverySectionOfAPackage) {
  Fixture f;
  f.Apply(StoredBytes(3, Definition()));
  TspSkinData& d = *f.data;
  ASSERT_FALSE(d.SkinEmpty()) << d.LastError();
  EXPECT_EQ(kFullChange, f.messages);
  EXPECT_EQ("Test skin", d.SkinName);
  EXPECT_EQ("someone", d.SkinAuthor);
  EXPECT_EQ("mask.bmp", d.MaskName);
  EXPECT_EQ((std::vector<std::string>{"a.bmp", "b.bmp"}), d.ActivePictureNames);
  EXPECT_FALSE(d.Picture().Empty());
  EXPECT_FALSE(d.InActivePicture().Empty());
  EXPECT_TRUE(d.RollUpPicture().Empty());
  EXPECT_EQ(2u, d.ActivePictures.size());
  EXPECT_EQ(4, d.FormInfo.BorderWidth);
  EXPECT_EQ(ieGrayScale, d.FormInfo.InActiveEffect);
  EXPECT_EQ(-1, d.FormInfo.BGPictureIndex);
  EXPECT_EQ(1, d.HintWindow.WindowPictureIndex);
  EXPECT_TRUE(d.HintWindow.FontStyle.Bold && d.HintWindow.FontStyle.Italic);
  EXPECT_EQ(14, d.HintWindow.FontHeight);
  EXPECT_EQ(-1, d.PopupWindow.WindowPictureIndex);
}

TEST(SkinData, FormInfoIsAdjustedToTheClientAreaAndTheMask) {
  Fixture f;
  f.Apply(StoredBytes(3, Definition()));
  const TspFormInfo& fi = f.data->FormInfo;
  EXPECT_EQ((TPoint{8, 28}), fi.LTPoint);
  EXPECT_EQ((TPoint{695, 28}), fi.RTPoint);
  EXPECT_EQ((TPoint{8, 283}), fi.LBPoint);
  EXPECT_EQ((TPoint{695, 283}), fi.RBPoint);
  EXPECT_EQ((TRect{0, 0, 696, 300}), fi.MaskRectArea);
  EXPECT_EQ((TPoint{5, 20}), fi.HitTestLTPoint) << "unset (a zero coordinate) takes the corner as read";
  EXPECT_EQ((TPoint{690, 4}), fi.HitTestRTPoint);
  EXPECT_EQ((TPoint{8, 283}), fi.HitTestLBPoint);

  TspFormInfo noMask;
  noMask.ClRect = TRect{8, 28, 696, 284};
  noMask.LTPoint = TPoint{8, 28};
  noMask.RTPoint = TPoint{695, 28};
  noMask.LBPoint = TPoint{8, 283};
  noMask.RBPoint = TPoint{695, 283};
  TspFormInfo before = noMask;
  noMask.Adjust(false);
  EXPECT_EQ(before.LTPoint, noMask.LTPoint);
  EXPECT_EQ(before.RBPoint, noMask.RBPoint);
  EXPECT_TRUE(noMask.MaskRectArea.IsEmpty());
  EXPECT_EQ((TPoint{0, 0}), noMask.HitTestLTPoint);

  TspFormInfo sameCorner;
  sameCorner.ClRect = TRect{10, 10, 20, 20};
  sameCorner.LTPoint = TPoint{1, 1};
  sameCorner.RBPoint = TPoint{1, 30};
  sameCorner.Adjust(false);
  EXPECT_EQ((TPoint{1, 1}), sameCorner.LTPoint) << "corners equal in x stay as read";
}

TEST(SkinData, DescriptorsAreFoundByExactName) {
  Fixture f;
  f.Apply(StoredBytes(3, Definition()));
  TspSkinData& d = *f.data;
  ASSERT_EQ(3u, d.ObjectList.size()) << "the unknown kind is skipped";
  EXPECT_EQ(0, d.FindObjectIndex("closebutton"));
  EXPECT_EQ(-1, d.FindObjectIndex("odd"));
  EXPECT_EQ(-1, d.FindObjectIndex("CloseButton"));
  auto* close = dynamic_cast<TspDataSkinStdButton*>(d.ObjectList[0].get());
  ASSERT_NE(nullptr, close);
  EXPECT_EQ((TRect{1, 2, 30, 22}), close->SkinRect);
  EXPECT_EQ(mkPush, close->MorphKind);
  auto* user = dynamic_cast<TspDataUserObject*>(d.ObjectList[d.FindObjectIndex("user")].get());
  ASSERT_NE(nullptr, user);
  EXPECT_TRUE(user->RollUp);
  EXPECT_EQ(-1, user->ActivePictureIndex) << "a user object reads only its place keys";
  EXPECT_NE(nullptr, dynamic_cast<TspDataSkinMenuItem*>(d.ObjectList[2].get()));

  ASSERT_EQ(5u, d.CtrlList.size());
  EXPECT_EQ(0, d.FindControlIndex("button")) << "the first of two equal names";
  EXPECT_EQ(1, d.FindControlIndex("Button"));
  EXPECT_EQ(-1, d.FindControlIndex("BUTTON"));
  EXPECT_EQ(-1, d.FindControlIndex("combobox"));
  auto* button = dynamic_cast<TspDataSkinButtonControl*>(d.CtrlList[0].get());
  ASSERT_NE(nullptr, button);
  EXPECT_EQ(1, button->PictureIndex) << "section names ignore letter case";
  EXPECT_EQ((TRect{2, 2, 18, 18}), button->ClRect);
  EXPECT_EQ((TPoint{3, 3}), button->LTPoint);
  EXPECT_NE(nullptr, dynamic_cast<TspDataSkinPanelControl*>(d.CtrlList[2].get()));
  auto* radio = dynamic_cast<TspDataSkinCheckRadioControl*>(d.CtrlList[d.FindControlIndex("radiobox")].get());
  ASSERT_NE(nullptr, radio);
  EXPECT_EQ(-1, radio->PictureIndex) << "a control without a section keeps its defaults";
  EXPECT_TRUE(radio->SkinRect.IsEmpty());

  ASSERT_EQ(2u, d.AreaList.size()) << "an area without a colon is skipped";
  EXPECT_EQ(1, d.FindAreaIndex("bottom"));
  EXPECT_EQ((TRect{0, 10, 10, 20}), d.AreaList[1]->AreaRect);
}

TEST(SkinData, CountsOfZeroOrBeyondTheSectionGiveShortLists) {
  Fixture f;
  std::vector<std::string> def = {"[VERSION]", "[FORMINFO]", "[SKINCONTROLS]", "count=0", "0=button:button",
                                  "[SKINOBJECTS]", "count=2147483647", "0=caption:caption"};
  f.Apply(StoredBytes(3, def, 0));
  ASSERT_FALSE(f.data->SkinEmpty()) << f.data->LastError();
  EXPECT_TRUE(f.data->CtrlList.empty());
  EXPECT_EQ(-1, f.data->FindControlIndex("button"));
  EXPECT_EQ(1u, f.data->ObjectList.size());
  EXPECT_TRUE(f.data->ActivePictures.empty());
}

TEST(SkinData, GapsInAListingDropNoEntryAfterThem) {
  Fixture f;
  std::vector<std::string> def = {"[VERSION]", "[FORMINFO]", "[SKINCONTROLS]", "count=4", "0=button:button",
                                  "3=statusbar:panel", "[SKINAREAS]", "count=3", "2=bottom:0,10,10,20",
                                  "[SKINOBJECTS]", "count=2147483647", "2147483646=caption:caption",
                                  "01=zero:caption", "-1=minus:caption", "5=close:stdbutton"};
  f.Apply(StoredBytes(3, def, 0));
  ASSERT_FALSE(f.data->SkinEmpty()) << f.data->LastError();
  ASSERT_EQ(2u, f.data->CtrlList.size());
  EXPECT_EQ(1, f.data->FindControlIndex("statusbar"));
  ASSERT_EQ(1u, f.data->AreaList.size());
  EXPECT_EQ((TRect{0, 10, 10, 20}), f.data->AreaList[0]->AreaRect);
  ASSERT_EQ(2u, f.data->ObjectList.size()) << "keys are plain decimal numbers below the count";
  EXPECT_EQ(0, f.data->FindObjectIndex("close"));
  EXPECT_EQ(1, f.data->FindObjectIndex("caption"));
}

TEST(SkinData, ANewerPackageLeavesTheRegistryEmptyAndStillAnnouncesIt) {
  Fixture f;
  f.Apply(StoredBytes(3, Definition()));
  std::vector<uint8_t> newer;
  skintest::PutInt32(newer, 4);
  f.messages.clear();
  f.stored->SetCompressedData(skintest::Compress(newer));
  f.data->ApplyStoredSkin(*f.stored);
  EXPECT_TRUE(f.data->SkinEmpty());
  EXPECT_TRUE(f.data->CtrlList.empty());
  EXPECT_TRUE(f.data->Picture().Empty());
  EXPECT_EQ(kFullChange, f.messages);
  EXPECT_NE(std::string::npos, f.data->LastError().find("version 4"));
}

TEST(SkinData, ADamagedSkinNeverEscapesAndLeavesTheRegistryEmpty) {
  std::vector<uint8_t> good = StoredBytes(3, Definition());
  std::vector<uint8_t> truncatedPackage = skintest::PackageBytes(*skintest::MakePackage(3, Definition()));
  truncatedPackage.resize(30);
  const std::vector<std::vector<uint8_t>> damaged = {
      std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(good.size() / 2)),
      skintest::Compress(truncatedPackage),
      StoredBytes(3, {"[FORMINFO]", "clientrect=1,2"}),
      StoredBytes(3, {"[SKINCONTROLS]", "count=1", "0=b:button", "[b]", "skinrect=1,2,x,4"}),
      StoredBytes(3, {"[FORMINFO]", "clientrect=a,b,c,d"}),
      StoredBytes(3, {"[SKINAREAS]", "count=1", "0=x:1,2"}),
      skintest::Compress(skintest::PackageClaimingManyActivePictures()),
  };
  for (size_t i = 0; i < damaged.size(); ++i) {
    Fixture f;
    f.Apply(good);
    ASSERT_FALSE(f.data->SkinEmpty());
    f.messages.clear();
    f.stored->SetCompressedData(damaged[i]);
    EXPECT_NO_THROW(f.data->ApplyStoredSkin(*f.stored)) << i;
    EXPECT_TRUE(f.data->SkinEmpty()) << i;
    EXPECT_FALSE(f.data->LastError().empty()) << i;
    EXPECT_TRUE(f.data->CtrlList.empty() && f.data->ObjectList.empty() && f.data->ActivePictures.empty()) << i;
    EXPECT_TRUE(f.data->Picture().Empty()) << i;
    EXPECT_EQ(kFullChange, f.messages) << i;
  }
}

TEST(SkinData, PaddingAfterTheCompressedSkinIsIgnored) {
  std::vector<uint8_t> padded = StoredBytes(3, Definition());
  padded.resize(padded.size() + 512, 0);
  Fixture f;
  f.Apply(padded);
  ASSERT_FALSE(f.data->SkinEmpty()) << f.data->LastError();
  EXPECT_EQ(2u, f.data->ActivePictures.size());
  EXPECT_EQ(5u, f.data->CtrlList.size());
}

TEST(SkinData, AnEmptyStoreOrADesignerChangesNothing) {
  Fixture f;
  f.Apply({});
  EXPECT_TRUE(f.messages.empty());
  EXPECT_TRUE(f.data->SkinEmpty());
  f.data->SetCompressedStoredSkin(nullptr);
  f.data->SetDesigning(true);
  f.stored->SetCompressedData(StoredBytes(3, Definition()));
  f.data->SetCompressedStoredSkin(f.stored);
  EXPECT_TRUE(f.messages.empty());
  EXPECT_TRUE(f.data->SkinEmpty());
}

TEST(SkinData, LinkingTheStoredSkinLoadsItEachTimeAndItsEndClearsTheLink) {
  Fixture f;
  f.Apply(StoredBytes(3, Definition()));
  f.messages.clear();
  f.data->SetCompressedStoredSkin(f.stored);
  EXPECT_EQ(kFullChange, f.messages);
  delete f.stored;
  EXPECT_EQ(nullptr, f.data->CompressedStoredSkin());
  EXPECT_FALSE(f.data->SkinEmpty()) << "the loaded skin stays";
}

TEST(CompressedStoredSkin, CompressedDataComesFromTheFormResourceByteForByte) {
  RegisterSkinDataClasses();
  TComponent root(nullptr);
  ReadComponentText(root,
                    "object Root: TComponent\n"
                    "  object spCompressedStoredSkin1: TspCompressedStoredSkin\n"
                    "    CompressedFileName = \"skin.skn\"\n"
                    "    CompressedData = { 78DA 00FF 7f }\n"
                    "  end\n"
                    "  object spCompressedStoredSkin2: TspCompressedStoredSkin\n"
                    "    CompressedData = { }\n"
                    "  end\n"
                    "end\n");
  auto* one = dynamic_cast<TspCompressedStoredSkin*>(root.FindComponent("spCompressedStoredSkin1"));
  auto* two = dynamic_cast<TspCompressedStoredSkin*>(root.FindComponent("spCompressedStoredSkin2"));
  ASSERT_TRUE(one && two);
  EXPECT_EQ((std::vector<uint8_t>{0x78, 0xDA, 0x00, 0xFF, 0x7F}), one->CompressedData().Bytes());
  EXPECT_EQ("skin.skn", one->CompressedFileName());
  EXPECT_TRUE(two->IsStoreEmpty());
}

TEST(CompressedStoredSkin, SknFilesRoundTripAndBadLengthsAreRefused) {
  const std::string path = TM_BUILD_DIR "/stored-skin-test.skn";
  TspCompressedStoredSkin stored(nullptr);
  stored.SetCompressedData(StoredBytes(1, Definition()));
  stored.WriteCompressedSkinFile(path);
  TspCompressedStoredSkin back(nullptr);
  back.ReadCompressedSkinFile(path);
  EXPECT_EQ(stored.CompressedData().Bytes(), back.CompressedData().Bytes());

  auto writeFile = [&path](int32_t version, int32_t length, size_t actual) {
    std::vector<uint8_t> bytes;
    skintest::PutInt32(bytes, version);
    skintest::PutInt32(bytes, length);
    bytes.resize(bytes.size() + actual, 0x55);
    TMemoryStream(bytes).SaveToFile(path);
  };
  for (auto [version, length, actual] : {std::tuple<int32_t, int32_t, size_t>{3, -1, 10}, {3, 11, 10},
                                         {3, 0x7FFFFFFF, 10}, {4, 10, 10}}) {
    writeFile(version, length, actual);
    back.SetCompressedData({9});
    EXPECT_THROW(back.ReadCompressedSkinFile(path), EReadError) << version << " " << length;
    EXPECT_TRUE(back.IsStoreEmpty());
  }
  writeFile(3, 10, 12);
  back.ReadCompressedSkinFile(path);
  EXPECT_EQ(std::vector<uint8_t>(10, 0x55), back.CompressedData().Bytes());
  TMemoryStream(std::vector<uint8_t>{1, 0}).SaveToFile(path);
  EXPECT_THROW(back.ReadCompressedSkinFile(path), EReadError);
  std::remove(path.c_str());
}

TEST(CompressedStoredSkin, SettersTakeFilesOnlyInTheDesigner) {
  // The second byte of this GBK character is a backslash, and must not cut the name.
  const std::string name = "stored-skin-\x81\x5C.skn";
  const std::string path = TM_BUILD_DIR "/" + name;
  TspCompressedStoredSkin source(nullptr);
  source.SetCompressedData({1, 2, 3});
  source.WriteCompressedSkinFile(path);

  TspCompressedStoredSkin s(nullptr);
  s.SetCompressedFileName(path);
  EXPECT_EQ(path, s.CompressedFileName());
  EXPECT_TRUE(s.IsStoreEmpty());
  s.SetDesigning(true);
  s.SetCompressedFileName(path);
  EXPECT_EQ(name, s.CompressedFileName());
  EXPECT_EQ((std::vector<uint8_t>{1, 2, 3}), s.CompressedData().Bytes());
  std::remove(path.c_str());
}

TEST(DefaultSkin, InflatesToItsFolderAndLoadsEveryDescriptor) {
  const std::string folder = skintest::SourcePath("assets/skins/default/");
  TStringList lines;
  lines.LoadFromFile(folder + "skin.ini");
  TMemIniFile ini(lines);
  int64_t expectedSize = 4 + 4 + static_cast<int64_t>(lines.Text().size());
  for (const char* key : {"picture", "inactivepicture", "mask"}) {
    TMemoryStream file;
    file.LoadFromFile(folder + ini.ReadString("PICTURES", key, ""));
    expectedSize += 1 + file.Size();
  }
  const int activeCount = ini.ReadInteger("PICTURES", "activepicturescount", -1);
  for (int i = 0; i < activeCount; ++i) {
    TMemoryStream file;
    file.LoadFromFile(folder + ini.ReadString("PICTURES", std::to_string(i), ""));
    expectedSize += file.Size();
  }

  Fixture f;
  TMemoryStream packed;
  packed.LoadFromFile(TM_DEFAULT_SKIN_PACKAGE);
  f.Apply(packed.Bytes());
  TMemoryStream package;
  f.stored->ExtractPackage(package);
  EXPECT_EQ(expectedSize, package.Size());
  package.SetPosition(0);
  EXPECT_EQ(3, package.ReadInt32());

  TspSkinData& d = *f.data;
  ASSERT_FALSE(d.SkinEmpty()) << d.LastError();
  EXPECT_EQ(static_cast<size_t>(activeCount), d.ActivePictures.size());
  EXPECT_EQ(static_cast<size_t>(ini.ReadInteger("SKINOBJECTS", "count", -1)), d.ObjectList.size());
  EXPECT_EQ(static_cast<size_t>(ini.ReadInteger("SKINCONTROLS", "count", -1)), d.CtrlList.size());
  for (const char* name : {"button", "radiobox", "panel", "statusbar", "statuspanel", "combobox"})
    EXPECT_NE(-1, d.FindControlIndex(name)) << name;
  EXPECT_NE(-1, d.FindObjectIndex("menuitem"));
  EXPECT_FALSE(d.Mask().Empty());
  EXPECT_EQ(1, d.Mask().BitCount());
}
