// The program: one window that takes the icons out of files and saves them.
#include <windows.h>

#include "app/UnitFormMorvane.h"
#include "framework/gui/Registration.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace tmv;
  RegisterFrameworkClasses();
  Application()->SetTitle("TalvexMorvane");
  if (TFormMorvane* form = Application()->CreateForm<TFormMorvane>()) {
    HICON icon = static_cast<HICON>(LoadImageA(instance, "MAINICON", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    form->Icon()->SetHandle(icon);
    // The window exists already: its creation registered it as a drop target.
    SendMessageA(form->Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  }
  Application()->Run();
  return 0;
}
