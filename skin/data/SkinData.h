#pragma once
// The skin registry: owns a loaded skin (frame pictures, active pictures, form information,
// window descriptors and the object, area and control descriptors) and tells every form
// when it changes. Forms and controls look descriptors up by exact name and never keep them
// past a change.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Bitmap.h"
#include "framework/core/ClassInfo.h"
#include "framework/core/Component.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinControlDescriptors.h"
#include "skin/data/SkinObjectDescriptors.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/SkinWindowDescriptors.h"
#include "skin/imaging/SkinGeometry.h"
#include "skin/imaging/SkinIniValues.h"

namespace tmv {

class TMemIniFile;
class TspSkinCursors;

// Sent to forms with the registry as WPARAM and kSkinMessageTag as LPARAM.
constexpr uint32_t SKM_SKINCHANGING = 0x0400 + 201;
constexpr uint32_t SKM_SKINCHANGED = 0x0400 + 202;
constexpr uint32_t SKM_SKINCHANGEDONE = 0x0400 + 203;
// The registry's resource strings were set: forms rebuild the texts they took from them.
constexpr uint32_t SKM_STRINGSCHANGED = 0x0400 + 250;
constexpr intptr_t kSkinMessageTag = 1000;

struct TspDataSkinArea {
  std::string IDName;
  TRect AreaRect;
};

// The [FORMINFO] section: how the frame picture is divided and where the frame parts stand.
struct TspFormInfo {
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect;
  int32_t BGPictureIndex = -1;
  int32_t MDIBGPictureIndex = -1;
  bool LeftStretch = false;
  bool RightStretch = false;
  bool TopStretch = false;
  bool BottomStretch = false;
  TRect ButtonsRect;
  TRect CaptionRect;
  int32_t ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  TRect MaskRectArea;
  TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
  TPoint RollUpLeftPoint, RollUpRightPoint;
  TRect MainMenuRect;
  TRect IconRect;
  bool MainMenuPopupUp = false;
  int32_t BorderWidth = 0;
  int32_t FormCursorIndex = -1;
  bool AutoRenderingInActiveImage = false;
  TspEffect InActiveEffect = ieBrightness;

  void LoadFromIni(const TMemIniFile& ini);
  // Makes the mask area cover the client area and fills unset hit-test points (only for a
  // skin with a mask), then draws the corner points into the client area.
  void Adjust(bool hasMask);
};

// A cursor of the skin: an active picture, whose bottom-left colour is transparent, and the
// hot spot in it. The string list "cursors" of [CURSORS] ("cursorscount", then the keys 0,
// 1, ...) holds them as "pictureindex:x,y"; an unreadable entry keeps its place (and so the
// numbers of the cursors after it) with no picture.
struct TspSkinCursorData {
  int32_t PictureIndex = -1;
  TPoint HotSpot;
};

class TspSkinData : public TComponent {
public:
  explicit TspSkinData(TComponent* owner);
  ~TspSkinData() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TspCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
  // Outside the designer a non-empty stored skin is loaded at once; nothing keeps the skin.
  void SetCompressedStoredSkin(TspCompressedStoredSkin* value);

  TspResourceStrData* ResourceStrData() const { return resourceStrData_; }
  // Outside the designer every form hears of it (SKM_STRINGSCHANGED), also when value is nothing.
  void SetResourceStrData(TspResourceStrData* value);

  // Drops the current skin and loads the stored one. A damaged skin never escapes as an
  // exception: the registry is left empty (SkinEmpty) and LastError() says why; every form
  // still hears of the change, so it falls back to its built-in look.
  void ApplyStoredSkin(TspCompressedStoredSkin& skin);
  void ClearSkin();
  void ClearDescriptors();

  // Index of the first descriptor bearing exactly that name (letter case counts); -1 if none.
  int FindObjectIndex(const std::string& name) const;
  int FindAreaIndex(const std::string& name) const;
  int FindControlIndex(const std::string& name) const;

  bool SkinEmpty() const { return skinEmpty_; }
  const std::string& LastError() const { return lastError_; }

  // Sends message to the owner form first, then to every other form.
  void BroadcastSkinMessage(uint32_t message);
  // Hears every broadcast before the forms do; for tools and tests without windows.
  std::function<void(TspSkinData&, uint32_t)> OnBroadcast;

  TspFormInfo FormInfo;
  int32_t StartCursorIndex = 1;
  // Cursor number StartCursorIndex + i is Cursors[i].
  std::vector<TspSkinCursorData> Cursors;
  TspDataSkinPopupWindow PopupWindow;
  TspDataSkinHintWindow HintWindow;

  TspFramePictures FramePictures = MakeFramePictures();
  TBitmap& Picture() { return *FramePictures[fpPicture]; }
  TBitmap& InActivePicture() { return *FramePictures[fpInactivePicture]; }
  TBitmap& Mask() { return *FramePictures[fpMask]; }
  TBitmap& RollUpPicture() { return *FramePictures[fpRollUpPicture]; }
  TBitmap& RollUpMask() { return *FramePictures[fpRollUpMask]; }
  std::vector<std::unique_ptr<TBitmap>> ActivePictures;

  std::string PictureName, MaskName, RollUpPictureName, RollUpMaskName;
  std::vector<std::string> ActivePictureNames;

  std::vector<std::unique_ptr<TspDataSkinObject>> ObjectList;
  std::vector<std::unique_ptr<TspDataSkinArea>> AreaList;
  std::vector<std::unique_ptr<TspDataSkinControl>> CtrlList;

  std::string SkinName, SkinAuthor, AuthorEmail, AuthorURL, SkinComments;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  // False when the package is of a newer version and nothing was loaded.
  bool LoadPackage(TspCompressedStoredSkin& skin);
  void LoadDefinition(const TMemIniFile& ini);
  void LoadAreas(const TMemIniFile& ini);

  TspCompressedStoredSkin* compressedStoredSkin_ = nullptr;
  TspResourceStrData* resourceStrData_ = nullptr;
  bool skinEmpty_ = true;
  std::string lastError_;
#ifdef _WIN32
  // The loaded skin's cursors, in the screen's cursor table while the skin is loaded.
  std::unique_ptr<TspSkinCursors> cursors_;
#endif
};

// Makes TspCompressedStoredSkin and TspSkinData known to the form reader.
void RegisterSkinDataClasses();

}  // namespace tmv
