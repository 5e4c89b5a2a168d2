#include "labels/RzURLLabel.h"

#include "framework/core/TextUtils.h"
#include "labels/RzShellOpen.h"

namespace tmv {

const TClassInfo& TRzURLLabel::StaticClassInfo() {
  using C = TRzURLLabel;
  static const TClassInfo info("TRzURLLabel", &TRzLabel::StaticClassInfo(), &CreateComponent<C>,
                               {prop::String<&C::SetURL>("URL"),
                                prop::Color<&C::SetUnvisitedColor>("UnvisitedColor", "clHighlight"),
                                prop::Color<&C::SetVisitedColor>("VisitedColor", "clPurple"),
                                CursorProperty("crHandPoint")});
  return info;
}

TRzURLLabel::TRzURLLabel(TComponent* owner) : TRzLabel(owner) {
  SetCursor(crHandPoint);
  SetTextStyle(tsNormal);
  Font()->SetColor(clHighlight);
  Font()->SetStyle(fsUnderline);
}

void TRzURLLabel::UpdateLinkColor() { Font()->SetColor(visited_ ? visitedColor_ : unvisitedColor_); }

void TRzURLLabel::Click() {
  TRzLabel::Click();
  const std::string target = Trim(url_).empty() ? Caption() : url_;
  if (Trim(target).empty()) return;
  SHELLEXECUTEINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_DDEWAIT | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = "Open";
  info.lpFile = target.c_str();
  info.nShow = SW_SHOWNORMAL;
  const bool opened = RzShellCalls().Execute(&info);
  if (info.hProcess) CloseHandle(info.hProcess);
  if (opened)
    SetVisited(true);
  else if (UpperCase(ExtractFileExt(target)) == ".HTM")
    RzShellCalls().RunCommand("RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm", SW_SHOWNORMAL);
}

}  // namespace tmv
