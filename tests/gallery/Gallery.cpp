// The gallery: one window per page, each page a form resource of controls in their styles,
// for looking at them (tools/gallery-shots photographs every page). Not part of the program.
//
//   gallery.exe PAGE      shows pages/PAGE.form
//
// A page is a form of class TGalleryPage. Pages of skinned controls carry a skin registry
// and the stored default skin as the main form does; a twin page without them shows the
// same controls with no skin. A page may give its skin a main-menu row (TGalleryMainMenuRow).
#include <windows.h>

#include <string>

#include "framework/core/TextUtils.h"
#include "framework/gui/FormResource.h"
#include "framework/gui/Forms.h"
#include "framework/gui/Registration.h"
#include "labels/RzRegistration.h"
#include "skin/controls/SkinChangeRelay.h"
#include "skin/controls/SkinCtrlsRegistration.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/hint/SkinHint.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/tray/spTrayIcon.h"
#include "tests/win/form/MainMenuRowSkin.h"
#include "tests/win/form/RollUpTestSkin.h"

namespace tmv {

class TGalleryPage : public TForm {
public:
  explicit TGalleryPage(TComponent* owner) : TForm(owner) {
    ReadComponentRes(*this, PageName().c_str());
    DoCreate();
  }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("TGalleryPage", &TForm::StaticClassInfo(), nullptr, {},
                                 {Method<&TGalleryPage::ShowCustomObject>("ShowCustomObject")});
    return info;
  }
  // Shows a skinned frame's objects that have no command of their own.
  void ShowCustomObject(TObject*, const std::string&, bool& visible) { visible = true; }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  // The page's registry announces its skin to the skinned controls, as a skinned form does.
  void WndProc(TMessage& message) override {
    RelaySkinChange(*this, message);
    TForm::WndProc(message);
  }
  static std::string& PageName() {
    static std::string name;
    return name;
  }
};

// Once the page is read, its registry's stored skin gets a main-menu row and is loaded again,
// so a form's main menu shows on the frame.
class TGalleryMainMenuRow : public TComponent {
public:
  using TComponent::TComponent;
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("TGalleryMainMenuRow", &TComponent::StaticClassInfo(),
                                 &CreateComponent<TGalleryMainMenuRow>,
                                 {prop::Reference<&TGalleryMainMenuRow::SetSkinData>("SkinData")});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void SetSkinData(TspSkinData* skinData) { skinData_ = skinData; }

protected:
  void Loaded() override {
    TComponent::Loaded();
    TspCompressedStoredSkin* stored = skinData_ ? skinData_->CompressedStoredSkin() : nullptr;
    if (!stored) return;
    AddMainMenuRow(*stored);
    skinData_->ApplyStoredSkin(*stored);
  }

private:
  TspSkinData* skinData_ = nullptr;
};

// The stored skin of the pages of a form without a non-client area: the tests' skin with a
// roll-up picture, made in code.
class TGalleryRollUpSkin : public TspCompressedStoredSkin {
public:
  explicit TGalleryRollUpSkin(TComponent* owner) : TspCompressedStoredSkin(owner) {
    SetCompressedData(rollupskin::Bytes());
  }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("TGalleryRollUpSkin", &TspCompressedStoredSkin::StaticClassInfo(),
                                 &CreateComponent<TGalleryRollUpSkin>);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace tmv

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  using namespace tmv;
  RegisterFrameworkClasses();
  RegisterSkinControlClasses();
  RegisterSkinHintClasses();
  RegisterSkinMenuClasses();
  RegisterDynamicSkinFormClasses();
  RegisterLabelClasses();
  RegisterTrayClasses();
  RegisterClasses({&TGalleryMainMenuRow::StaticClassInfo(), &TGalleryRollUpSkin::StaticClassInfo()});
  TGalleryPage::PageName() = Trim(commandLine);
  Application()->SetTitle("Gallery " + TGalleryPage::PageName());
  Application()->CreateForm<TGalleryPage>();
  Application()->Run();
  return 0;
}
