#include "skin/data/SkinData.h"

#include <algorithm>
#include <exception>

#include "framework/core/IniFiles.h"
#include "framework/core/Strings.h"
#include "framework/core/TextUtils.h"
#include "skin/data/ZlibStreams.h"

#ifdef _WIN32
#include "skin/data/SkinChangeNotifier.h"
#include "skin/data/SkinCursors.h"
#endif

namespace tmv {

namespace {

const char kFormInfo[] = "FORMINFO";

// The entries under the keys "0" to "count-1" that the section holds, in key order; a gap in
// the numbering hides none of the entries after it.
std::vector<std::string> ListingEntries(const TMemIniFile& ini, const char* section) {
  std::vector<std::string> entries;
  for (int32_t index : ItemKeysPresent(ini, section, "", ReadSkinInteger(ini, section, "count", 0)))
    entries.push_back(ini.ReadString(section, IntToStr(index), ""));
  return entries;
}

template <class T>
int IndexOfName(const std::vector<std::unique_ptr<T>>& list, const std::string& name) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i]->IDName == name) return static_cast<int>(i);
  return -1;
}

// Entries are "name:kind"; an entry without a colon or of an unknown kind is skipped.
template <class T>
void LoadDescriptors(const TMemIniFile& ini, const char* section,
                     std::unique_ptr<T> (*create)(const std::string&, const std::string&),
                     size_t activePictureCount, std::vector<std::unique_ptr<T>>& list) {
  std::string name, kind;
  for (const std::string& entry : ListingEntries(ini, section)) {
    if (!SplitNameAndKind(entry, name, kind)) continue;
    std::unique_ptr<T> descriptor = create(kind, name);
    if (!descriptor) continue;
    descriptor->ReadFromDefinition(ini);
    descriptor->ForgetMissingPictures(activePictureCount);
    list.push_back(std::move(descriptor));
  }
}

bool IsUnset(const TPoint& p) { return p.X == 0 || p.Y == 0; }

TspSkinCursorData ParseCursorEntry(const std::string& entry) {
  TspSkinCursorData cursor;
  std::string index, hotSpot;
  if (SplitNameAndKind(entry, index, hotSpot) && ParseSkinInteger(index, cursor.PictureIndex))
    cursor.HotSpot = ParseSkinPoint(hotSpot);
  else
    cursor.PictureIndex = -1;
  return cursor;
}

}  // namespace

void TspFormInfo::LoadFromIni(const TMemIniFile& ini) {
  LTPoint = ReadSkinPoint(ini, kFormInfo, "lefttoppoint");
  RTPoint = ReadSkinPoint(ini, kFormInfo, "righttoppoint");
  LBPoint = ReadSkinPoint(ini, kFormInfo, "leftbottompoint");
  RBPoint = ReadSkinPoint(ini, kFormInfo, "rightbottompoint");
  ClRect = ReadSkinRect(ini, kFormInfo, "clientrect");
  BGPictureIndex = ReadSkinInteger(ini, kFormInfo, "bgpictureindex", -1);
  MDIBGPictureIndex = ReadSkinInteger(ini, kFormInfo, "mdibgpictureindex", -1);
  LeftStretch = ReadSkinFlag(ini, kFormInfo, "leftstretch");
  RightStretch = ReadSkinFlag(ini, kFormInfo, "rightstretch");
  TopStretch = ReadSkinFlag(ini, kFormInfo, "topstretch");
  BottomStretch = ReadSkinFlag(ini, kFormInfo, "bottomstretch");
  ButtonsRect = ReadSkinRect(ini, kFormInfo, "buttonsrect");
  CaptionRect = ReadSkinRect(ini, kFormInfo, "captionrect");
  ButtonsOffset = ReadSkinInteger(ini, kFormInfo, "buttonsoffset", 0);
  ButtonsInLeft = ReadSkinFlag(ini, kFormInfo, "buttonsinleft");
  MaskRectArea = ReadSkinRect(ini, kFormInfo, "maskrectarea");
  HitTestLTPoint = ReadSkinPoint(ini, kFormInfo, "hittestlefttoppoint");
  HitTestRTPoint = ReadSkinPoint(ini, kFormInfo, "hittestrighttoppoint");
  HitTestLBPoint = ReadSkinPoint(ini, kFormInfo, "hittestleftbottompoint");
  HitTestRBPoint = ReadSkinPoint(ini, kFormInfo, "hittestrightbottompoint");
  RollUpLeftPoint = ReadSkinPoint(ini, kFormInfo, "rollupleftpoint");
  RollUpRightPoint = ReadSkinPoint(ini, kFormInfo, "rolluprightpoint");
  MainMenuRect = ReadSkinRect(ini, kFormInfo, "mainmenurect");
  IconRect = ReadSkinRect(ini, kFormInfo, "iconrect");
  MainMenuPopupUp = ReadSkinFlag(ini, kFormInfo, "mainmenupopupup");
  BorderWidth = ReadSkinInteger(ini, kFormInfo, "borderwidth", 0);
  FormCursorIndex = ReadSkinInteger(ini, kFormInfo, "cursorindex", -1);
  AutoRenderingInActiveImage = ReadSkinFlag(ini, kFormInfo, "autorenderinginactiveimage");
  InActiveEffect = ReadImageEffect(ini, kFormInfo, "inactiveeffect");
}

void TspFormInfo::Adjust(bool hasMask) {
  if (hasMask) {
    if (MaskRectArea.IsEmpty()) {
      MaskRectArea = ClRect;
    } else {
      MaskRectArea.Left = std::min(MaskRectArea.Left, ClRect.Left);
      MaskRectArea.Top = std::min(MaskRectArea.Top, ClRect.Top);
      MaskRectArea.Right = std::max(MaskRectArea.Right, ClRect.Right);
      MaskRectArea.Bottom = std::max(MaskRectArea.Bottom, ClRect.Bottom);
    }
    if (IsUnset(HitTestLTPoint)) HitTestLTPoint = LTPoint;
    if (IsUnset(HitTestRTPoint)) HitTestRTPoint = RTPoint;
    if (IsUnset(HitTestLBPoint)) HitTestLBPoint = LBPoint;
    if (IsUnset(HitTestRBPoint)) HitTestRBPoint = RBPoint;
  }
  if (LTPoint.X != RBPoint.X && LTPoint.Y != RBPoint.Y) {
    LTPoint.X = std::max(LTPoint.X, ClRect.Left);
    LBPoint.X = std::max(LBPoint.X, ClRect.Left);
    LTPoint.Y = std::max(LTPoint.Y, ClRect.Top);
    RTPoint.Y = std::max(RTPoint.Y, ClRect.Top);
    RTPoint.X = std::min(RTPoint.X, ClRect.Right);
    RBPoint.X = std::min(RBPoint.X, ClRect.Right);
    LBPoint.Y = std::min(LBPoint.Y, ClRect.Bottom);
    RBPoint.Y = std::min(RBPoint.Y, ClRect.Bottom);
  }
}

TspSkinData::TspSkinData(TComponent* owner) : TComponent(owner) {}

TspSkinData::~TspSkinData() {
  skinEmpty_ = true;
  if (compressedStoredSkin_) compressedStoredSkin_->RemoveFreeNotification(this);
  if (resourceStrData_) resourceStrData_->RemoveFreeNotification(this);
}

const TClassInfo& TspSkinData::StaticClassInfo() {
  static const TClassInfo info(
      "TspSkinData", &TComponent::StaticClassInfo(), &CreateComponent<TspSkinData>,
      {
          prop::Reference<&TspSkinData::SetCompressedStoredSkin>("CompressedStoredSkin"),
          prop::Reference<&TspSkinData::SetResourceStrData>("ResourceStrData"),
      });
  return info;
}

void TspSkinData::SetCompressedStoredSkin(TspCompressedStoredSkin* value) {
  if (compressedStoredSkin_ && compressedStoredSkin_ != value)
    compressedStoredSkin_->RemoveFreeNotification(this);
  compressedStoredSkin_ = value;
  if (!value) return;
  value->FreeNotification(this);
  if (!IsDesigning()) ApplyStoredSkin(*value);
}

void TspSkinData::SetResourceStrData(TspResourceStrData* value) {
  if (resourceStrData_ && resourceStrData_ != value) resourceStrData_->RemoveFreeNotification(this);
  resourceStrData_ = value;
  if (value) value->FreeNotification(this);
  if (!IsDesigning()) BroadcastSkinMessage(SKM_STRINGSCHANGED);
}

void TspSkinData::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == compressedStoredSkin_) compressedStoredSkin_ = nullptr;
  if (component == resourceStrData_) resourceStrData_ = nullptr;
}

void TspSkinData::ApplyStoredSkin(TspCompressedStoredSkin& skin) {
  if (skin.IsStoreEmpty()) return;
  skinEmpty_ = true;
  lastError_.clear();
  BroadcastSkinMessage(SKM_SKINCHANGING);
  ClearSkin();
  try {
    skinEmpty_ = !LoadPackage(skin);
  } catch (const std::exception& e) {
    ClearSkin();
    lastError_ = e.what();
  }
#ifdef _WIN32
  if (!skinEmpty_) cursors_ = std::make_unique<TspSkinCursors>(*this);
#endif
  BroadcastSkinMessage(SKM_SKINCHANGED);
  BroadcastSkinMessage(SKM_SKINCHANGEDONE);
}

bool TspSkinData::LoadPackage(TspCompressedStoredSkin& skin) {
  // Read as it inflates: the pictures land in their own pixel memory and the definition in
  // its text, so the package as a whole is never held.
  TMemoryStream& compressed = skin.CompressedData();
  compressed.SetPosition(0);
  TDecompressionStream packed(compressed);
  TspSkinPackage package;
  if (!ReadSkinPackagePictures(packed, package)) {
    lastError_ = Format("Skin package version %d is not supported", package.Version);
    return false;
  }
  TMemIniFile ini;
  ini.SetText(ReadToEnd(packed));
  FramePictures.swap(package.FramePictures);
  ActivePictures.swap(package.ActivePictures);
  LoadDefinition(ini);
  return true;
}

void TspSkinData::LoadDefinition(const TMemIniFile& ini) {
  SkinName = ini.ReadString("VERSION", "skinname", "");
  SkinAuthor = ini.ReadString("VERSION", "skinauthor", "");
  AuthorEmail = ini.ReadString("VERSION", "authoremail", "");
  AuthorURL = ini.ReadString("VERSION", "authorurl", "");
  SkinComments = ini.ReadString("VERSION", "skincomments", "");

  PictureName = ini.ReadString("PICTURES", "picture", "");
  MaskName = ini.ReadString("PICTURES", "mask", "");
  RollUpPictureName = ini.ReadString("PICTURES", "rolluppicture", "");
  RollUpMaskName = ini.ReadString("PICTURES", "rollupmask", "");
  ActivePictureNames = ReadSkinStringList(ini, "PICTURES", "activepictures");
  for (const std::string& entry : ReadSkinStringList(ini, "CURSORS", "cursors"))
    Cursors.push_back(ParseCursorEntry(entry));

  FormInfo.LoadFromIni(ini);
  FormInfo.Adjust(!MaskName.empty());
  PopupWindow.ReadFromDefinition(ini);
  HintWindow.ReadFromDefinition(ini);
  PopupWindow.ForgetMissingPictures(ActivePictures.size());
  HintWindow.ForgetMissingPictures(ActivePictures.size());
  LoadAreas(ini);
  LoadDescriptors(ini, "SKINOBJECTS", &CreateSkinObjectData, ActivePictures.size(), ObjectList);
  LoadDescriptors(ini, "SKINCONTROLS", &CreateSkinControlData, ActivePictures.size(), CtrlList);
}

void TspSkinData::LoadAreas(const TMemIniFile& ini) {
  std::string name, rect;
  for (const std::string& entry : ListingEntries(ini, "SKINAREAS")) {
    if (!SplitNameAndKind(entry, name, rect)) continue;
    auto area = std::make_unique<TspDataSkinArea>();
    area->IDName = name;
    area->AreaRect = ParseSkinRect(rect);
    AreaList.push_back(std::move(area));
  }
}

void TspSkinData::ClearDescriptors() {
  ObjectList.clear();
  AreaList.clear();
  CtrlList.clear();
  ActivePictures.clear();
  ActivePictureNames.clear();
  Cursors.clear();
  PopupWindow.WindowPictureIndex = -1;
  HintWindow.WindowPictureIndex = -1;
}

void TspSkinData::ClearSkin() {
#ifdef _WIN32
  cursors_.reset();
#endif
  ClearDescriptors();
  FramePictures = MakeFramePictures();
  PictureName.clear();
  MaskName.clear();
  RollUpPictureName.clear();
  RollUpMaskName.clear();
  skinEmpty_ = true;
}

int TspSkinData::FindObjectIndex(const std::string& name) const { return IndexOfName(ObjectList, name); }
int TspSkinData::FindAreaIndex(const std::string& name) const { return IndexOfName(AreaList, name); }
int TspSkinData::FindControlIndex(const std::string& name) const { return IndexOfName(CtrlList, name); }

void TspSkinData::BroadcastSkinMessage(uint32_t message) {
  if (OnBroadcast) OnBroadcast(*this, message);
#ifdef _WIN32
  SendSkinMessageToForms(*this, message);
#endif
}

void RegisterSkinDataClasses() {
  RegisterClasses({&TspCompressedStoredSkin::StaticClassInfo(), &TspSkinData::StaticClassInfo(),
                   &TspResourceStrData::StaticClassInfo()});
}

}  // namespace tmv
