#include "framework/gui/Registration.h"

#include "framework/core/ClassInfo.h"
#include "framework/gui/ComCtrls.h"
#include "framework/gui/Dialogs.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Forms.h"
#include "framework/gui/ImgList.h"
#include "framework/gui/Menus.h"
#include "framework/gui/StdCtrls.h"

namespace tmv {

void RegisterFrameworkClasses() {
  static bool done = false;
  if (done) return;
  RegisterClasses({&TForm::StaticClassInfo(), &TPanel::StaticClassInfo(), &TStatusBar::StaticClassInfo(),
                   &TStatusPanel::StaticClassInfo(), &TImage::StaticClassInfo(), &TTimer::StaticClassInfo(),
                   &TLabel::StaticClassInfo(), &TLinkLabel::StaticClassInfo(), &TMemo::StaticClassInfo(),
                   &TBitBtn::StaticClassInfo(), &TRadioButton::StaticClassInfo(),
                   &TComboBox::StaticClassInfo(), &TListView::StaticClassInfo(),
                   &TImageList::StaticClassInfo(), &TOpenDialog::StaticClassInfo(),
                   &TPopupMenu::StaticClassInfo(), &TMainMenu::StaticClassInfo(), &TMenuItem::StaticClassInfo()});
  done = true;
}

}  // namespace tmv
