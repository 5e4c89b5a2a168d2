#pragma once
// The program's one window: it gathers the icons of the files dropped on it or chosen in the
// open dialog into a list, and exports them as icon or bitmap files into a chosen folder.
#include <windows.h>

#include <string>

#include "app/PeIconResources.h"
#include "framework/gui/ComCtrls.h"
#include "framework/gui/Dialogs.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Forms.h"
#include "framework/gui/ImgList.h"
#include "framework/gui/Menus.h"
#include "framework/gui/StdCtrls.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinLabel.h"
#include "skin/controls/SkinPanel.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/hint/SkinHint.h"

namespace tmv {

// The classes of the window's visible parts. The window's logic asks them only for what these
// names promise (a click, Checked, ItemIndex), so other classes with the same members can
// take their place.
using TToolPanel = TspSkinPanel;
using TToolButton = TspSkinButton;
using TToolRadioBox = TspSkinCheckRadioBox;
using TToolComboBox = TComboBox;
using TToolLinkLabel = TLinkLabel;
using TToolStatusBar = TspSkinStatusBar;
using TToolStatusPanel = TspSkinStatusPanel;

// The state of the icon list, shared by the window's handlers while the program runs.
// IconCount: the icons in the list, and the number of the last one taken.
extern int IconCount;
// True while the list shows 16x16 pictures.
extern bool SmallIconMode;
// True when the last export command saved every icon rather than the selected ones.
extern bool SaveAllMode;

// More icons than this are never held at once; the list is exported and begun again.
constexpr int kMaxListedIcons = 1000;

class TFormMorvane : public TForm {
public:
  explicit TFormMorvane(TComponent* owner);
  ~TFormMorvane() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TspDynamicSkinForm* spDynamicSkinForm1 = nullptr;
  TspSkinData* spSkinData1 = nullptr;
  TspCompressedStoredSkin* spCompressedStoredSkin1 = nullptr;
  TspSkinHint* spSkinHint1 = nullptr;
  TToolStatusBar* AppStatusBar = nullptr;
  TToolStatusPanel* spSkinStatusPanel1 = nullptr;
  TMemo* Memo1 = nullptr;
  TToolPanel* spSkinPanel1 = nullptr;
  TToolButton* BTNSelFile = nullptr;
  TToolRadioBox* RB16 = nullptr;
  TToolRadioBox* RB32 = nullptr;
  TToolButton* BTNSave = nullptr;
  TToolButton* BTNSaveAll = nullptr;
  TImageList* LargeImage = nullptr;
  TImageList* SmallImage = nullptr;
  TListView* ListView1 = nullptr;
  TToolButton* BTNHelp = nullptr;
  TLabel* Label5 = nullptr;
  TToolLinkLabel* RzURLLabel4 = nullptr;
  TLabel* Label6 = nullptr;
  TToolLinkLabel* RzURLLabel1 = nullptr;
  TImage* Image1 = nullptr;
  TImage* Image2 = nullptr;
  TOpenDialog* OpenDialog1 = nullptr;
  TToolComboBox* CombPicType = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TToolButton* BtnUpdate = nullptr;

  void FormCreate(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  void BTNSelFileClick(TObject* sender);
  void RB32Click(TObject* sender);
  void BTNHelpClick(TObject* sender);
  void BtnUpdateClick(TObject* sender);
  void BTNSaveClick(TObject* sender);
  void BTNSaveAllClick(TObject* sender);

  const std::string& SaveFolderName() const { return SaveFolder; }
  const std::string& ProductPage() const { return ProductPageUrl; }

  void WndProc(TMessage& message) override;

private:
  void WMDropFiles(TMessage& message);
  void StartNewSet();
  void TakeFile(const std::string& fileName);
  int CountFileIcons(const std::string& fileName, const TPeIconResources& resources);
  // Resources null: a file that is no executable or library, which gives the shell's icon.
  void GatherFileIcons(const std::string& fileName, int count, const TPeIconResources* resources);
  HICON GetShellIcon(const std::string& fileName, bool small);
  void AddToList(HICON icon, const std::string& fileName);
  void ExportChosenFormat();
  void ExportAsIcons();
  void ExportAsBitmaps();
  bool ExportWanted(int index);
  bool ChooseExportFolder();
  void ShowExportSummary(const std::string& pattern);
  TImageList* ExportSource();
  std::string ExportPath(int index, const char* extension);

  // True while files are gathered or icons exported. The boxes and dialogs shown meanwhile run
  // message loops of their own; what arrives there must not close the form or start other work
  // on the list.
  bool Working = false;
  std::string SaveFolder;
  std::string MsgCaption;
  std::string MsgTooManyIcons;
  std::string MsgChooseFolder;
  std::string MsgNoIcons;
  std::string MsgFilesSaved;
  std::string MsgSavePath;
  std::string MsgNameFormat;
  std::string ProductPageUrl;
};

}  // namespace tmv
