#include "skin/controls/SkinCtrlsRegistration.h"

#include "framework/core/ClassInfo.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinLabel.h"
#include "skin/controls/SkinPanel.h"

namespace tmv {

void RegisterSkinControlClasses() {
  RegisterSkinDataClasses();
  RegisterClasses({&TspSkinPanel::StaticClassInfo(), &TspSkinStatusBar::StaticClassInfo(),
                   &TspSkinLabel::StaticClassInfo(), &TspSkinStatusPanel::StaticClassInfo(),
                   &TspSkinCheckRadioBox::StaticClassInfo(),
                   &TspSkinButton::StaticClassInfo()});
}

}  // namespace tmv
