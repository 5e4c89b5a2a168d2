#include "labels/RzRegistration.h"

#include "labels/RzFrameController.h"
#include "labels/RzRegIniFile.h"
#include "labels/RzURLLabel.h"

namespace tmv {

void RegisterLabelClasses() {
  RegisterClasses({&TRzLabel::StaticClassInfo(), &TRzURLLabel::StaticClassInfo(),
                   &TRzFrameController::StaticClassInfo(), &TRzRegIniFile::StaticClassInfo()});
}

}  // namespace tmv
