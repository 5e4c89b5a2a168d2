#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/core/FormReader.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Forms.h"
#include "framework/gui/Menus.h"
#include "framework/gui/StdCtrls.h"
#include "TestSupport.h"

namespace tmv {
namespace {

class TMenuForm : public TForm {
public:
  explicit TMenuForm(const std::string& text) : TForm(nullptr) { ReadComponentText(*this, text); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("TMenuForm", &TForm::StaticClassInfo(), nullptr, {},
                                 {Method<&TMenuForm::ItemClick>("ItemClick")},
                                 {Field<&TMenuForm::Popup1>("Popup1"), Field<&TMenuForm::Main1>("Main1"),
                                  Field<&TMenuForm::Panel1>("Panel1"), Field<&TMenuForm::Open>("Open"),
                                  Field<&TMenuForm::Recent>("Recent"), Field<&TMenuForm::Save>("Save")});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void ItemClick(TObject* sender) {
    clicked.push_back(static_cast<TComponent*>(sender)->Name());
    // The menu has closed by the time its command runs.
    menuWasOpen = menuWasOpen || IsWindowVisible(FindWindowA("#32768", nullptr));
  }

  TPopupMenu* Popup1 = nullptr;
  TMainMenu* Main1 = nullptr;
  TPanel* Panel1 = nullptr;
  TMenuItem* Open = nullptr;
  TMenuItem* Recent = nullptr;
  TMenuItem* Save = nullptr;
  std::vector<std::string> clicked;
  bool menuWasOpen = false;
};

const char* const kMenuForm = R"FORM(object MenuForm: TMenuForm
  ClientWidth = 200
  ClientHeight = 120
  Menu = Main1
  object Panel1: TPanel
    Align = alClient
    PopupMenu = Popup1
  end
  object Main1: TMainMenu
    object FileMenu: TMenuItem
      Caption = "文件(&F)"
      object Open: TMenuItem
        Caption = "打开(&O)"
        ShortCut = 16463
        OnClick = ItemClick
      end
      object Save: TMenuItem
        Caption = "保存(&S)"
        ShortCut = 16467
        Enabled = False
        OnClick = ItemClick
      end
    end
  end
  object Popup1: TPopupMenu
    object Big: TMenuItem
      Caption = "大图标"
      RadioItem = True
      GroupIndex = 1
      Checked = True
      OnClick = ItemClick
    end
    object Small: TMenuItem
      Caption = "小图标"
      RadioItem = True
      GroupIndex = 1
      Checked = True
      OnClick = ItemClick
    end
    object Line1: TMenuItem
      Caption = "-"
    end
    object Hidden: TMenuItem
      Caption = "隐藏"
      Visible = False
    end
    object Recent: TMenuItem
      Caption = "最近(&R)"
      Break = mbBarBreak
      object Recent1: TMenuItem
        Caption = "a.dll"
        Default = True
        ImageIndex = 3
      end
    end
  end
end
)FORM";

std::string MenuText(HMENU menu, int position) {
  char text[64] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

UINT MenuState(HMENU menu, int position) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE | MIIM_FTYPE;
  GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
  return info.fState | info.fType;
}

TEST(Menus, ReadTheItemTreeFromTheFormResource) {
  TMenuForm form(kMenuForm);
  TMenuItem* items = form.Popup1->Items();
  ASSERT_EQ(items->Count(), 5);
  EXPECT_EQ(items->Items(0)->Caption(), "大图标");
  // Two radio items of one group read checked: the later one wins.
  EXPECT_FALSE(items->Items(0)->Checked());
  EXPECT_TRUE(items->Items(1)->Checked());
  EXPECT_TRUE(items->Items(2)->IsLine());
  EXPECT_EQ(form.Recent->Break(), mbBarBreak);
  ASSERT_EQ(form.Recent->Count(), 1);
  EXPECT_EQ(form.Recent->Items(0)->Parent(), form.Recent);
  EXPECT_TRUE(form.Recent->Items(0)->Default());
  EXPECT_EQ(form.Recent->Items(0)->ImageIndex(), 3);
  EXPECT_EQ(form.Recent->GetParentMenu(), form.Popup1);
  EXPECT_EQ(form.Open->ShortCut(), ShortCut('O', scCtrl));
  EXPECT_EQ(form.Panel1->PopupMenu(), form.Popup1);
  EXPECT_EQ(form.Menu(), form.Main1);
  EXPECT_EQ(form.Popup1->ItemCount(), 5);

  // Checking the first radio item again unchecks its sibling.
  items->Items(0)->SetChecked(true);
  EXPECT_FALSE(items->Items(1)->Checked());
  // Freeing an item takes it out of the tree; freeing the menu frees the items.
  delete form.Recent->Items(0);
  EXPECT_EQ(form.Recent->Count(), 0);
  const int before = form.ComponentCount();
  delete form.Popup1;
  EXPECT_EQ(form.ComponentCount(), before - 6);
  EXPECT_EQ(form.Panel1->PopupMenu(), nullptr);
}

TEST(Menus, BuildTheSystemMenuFromVisibleItems) {
  TMenuForm form(kMenuForm);
  HMENU popup = form.Popup1->Handle();
  ASSERT_EQ(GetMenuItemCount(popup), 4);  // the hidden item is left out
  EXPECT_EQ(MenuText(popup, 0), "大图标");
  EXPECT_EQ(MenuState(popup, 1) & (MFS_CHECKED | MFT_RADIOCHECK), UINT(MFS_CHECKED | MFT_RADIOCHECK));
  EXPECT_TRUE(MenuState(popup, 2) & MFT_SEPARATOR);
  EXPECT_TRUE(MenuState(popup, 3) & MFT_MENUBARBREAK);
  HMENU recent = GetSubMenu(popup, 3);
  ASSERT_NE(recent, nullptr);
  EXPECT_TRUE(MenuState(recent, 0) & MFS_DEFAULT);

  HMENU bar = GetMenu(form.Handle());
  ASSERT_NE(bar, nullptr);
  HMENU file = GetSubMenu(bar, 0);
  EXPECT_EQ(MenuText(file, 0), "打开(&O)\tCtrl+O");
  EXPECT_TRUE(MenuState(file, 1) & MFS_GRAYED);
  // A change reaches the window's menu bar at once.
  form.Save->SetVisible(false);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(form.Handle()), 0)), 1);
  // The window lets the menu bar go with the menu.
  delete form.Main1;
  EXPECT_EQ(GetMenu(form.Handle()), nullptr);
}

TEST(Menus, RunMenuBarCommandsAndShortCuts) {
  TMenuForm form(kMenuForm);
  form.Show();
  SendMessageA(form.Handle(), WM_COMMAND, form.Open->Command(), 0);
  ASSERT_EQ(form.clicked, std::vector<std::string>{"Open"});

  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageA(form.Panel1->Handle(), WM_KEYDOWN, 'O', 0);
  PostMessageA(form.Panel1->Handle(), WM_KEYDOWN, 'S', 0);  // disabled: not run
  Pump();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  PostMessageA(form.Panel1->Handle(), WM_KEYDOWN, 'O', 0);  // no Ctrl: not the shortcut
  Pump();
  EXPECT_EQ(form.clicked, (std::vector<std::string>{"Open", "Open"}));
}

TEST(Menus, ShowAControlsPopupMenuOnContextMenuRequests) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 200, 150);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(10, 10, 100, 80);
  auto* label = new TLabel(&form);
  label->SetParent(panel);
  label->SetBounds(5, 5, 40, 20);
  auto* panelMenu = new TRecordingPopup(&form);
  auto* labelMenu = new TRecordingPopup(&form);
  panel->SetPopupMenu(panelMenu);
  label->SetPopupMenu(labelMenu);
  form.Show();
  HWND window = panel->Handle();

  POINT onLabel = {10, 10}, onPanel = {70, 60};
  ClientToScreen(window, &onLabel);
  ClientToScreen(window, &onPanel);
  SendMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MAKELPARAM(onLabel.x, onLabel.y));
  ASSERT_EQ(labelMenu->shown.size(), 1u);
  EXPECT_EQ(labelMenu->shown[0].x, onLabel.x);
  EXPECT_EQ(labelMenu->PopupComponent(), label);
  SendMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MAKELPARAM(onPanel.x, onPanel.y));
  ASSERT_EQ(panelMenu->shown.size(), 1u);
  EXPECT_EQ(panelMenu->PopupComponent(), panel);

  // The menu key asks at the control's top-left corner.
  POINT corner = {0, 0};
  ClientToScreen(window, &corner);
  PostMessageA(window, WM_KEYUP, VK_APPS, 0);
  Pump();
  ASSERT_EQ(panelMenu->shown.size(), 2u);
  EXPECT_EQ(panelMenu->shown[1].x, corner.x);
  EXPECT_EQ(panelMenu->shown[1].y, corner.y);
  // So does Shift+F10, and F10 alone does not.
  PostMessageA(window, WM_SYSKEYDOWN, VK_F10, 0);
  Pump();
  EXPECT_EQ(panelMenu->shown.size(), 2u);
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  PostMessageA(window, WM_SYSKEYDOWN, VK_F10, 0);
  Pump();
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(panelMenu->shown.size(), 3u);

  // Without AutoPopup the control leaves the request alone; a freed menu is forgotten.
  panelMenu->SetAutoPopup(false);
  SendMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MAKELPARAM(onPanel.x, onPanel.y));
  EXPECT_EQ(panelMenu->shown.size(), 3u);
  delete labelMenu;
  EXPECT_EQ(label->PopupMenu(), nullptr);
}

// Drives the system's menu loop from inside OnPopup: keys queued before the menu shows are
// read by its loop.
class MenuDriver : public TComponent {
public:
  MenuDriver() : TComponent(nullptr) {}
  void Popped(TObject*) {
    for (WPARAM key : keys) PostThreadMessageA(GetCurrentThreadId(), WM_KEYDOWN, key, 0);
  }
  void Drawn(TObject*, TCanvas*, RECT, bool) { ++draws; }
  void Measure(TObject*, TCanvas*, int& width, int& height) { width = 50, height = 18; }
  void FreeMenu(TObject*) { delete std::exchange(menu, nullptr); }
  std::vector<WPARAM> keys;
  int draws = 0;
  TPopupMenu* menu = nullptr;
};

TEST(Menus, PopupRunsTheChosenCommandAfterTheMenuClosed) {
  TMenuForm form(kMenuForm);
  form.Show();
  MenuDriver driver;
  form.Popup1->SetOnPopup(TNotifyEvent::Of<&MenuDriver::Popped>(&driver));
  driver.keys = {VK_DOWN, VK_DOWN, VK_RETURN};
  form.Popup1->Popup(120, 120);
  EXPECT_EQ(form.clicked, std::vector<std::string>{"Small"});
  EXPECT_FALSE(form.menuWasOpen);

  // Escape closes without a command; owner-drawn items are drawn through the menu's window.
  form.clicked.clear();
  form.Popup1->Items()->Items(0)->SetOnDrawItem(TMenuDrawItemEvent::Of<&MenuDriver::Drawn>(&driver));
  form.Popup1->Items()->Items(0)->SetOnMeasureItem(TMenuMeasureItemEvent::Of<&MenuDriver::Measure>(&driver));
  driver.keys = {VK_ESCAPE};
  form.Popup1->Popup(120, 120);
  EXPECT_TRUE(form.clicked.empty());
  EXPECT_GT(driver.draws, 0);

  // A command that frees the menu it came from.
  driver.menu = form.Popup1;
  form.Popup1->Items()->Items(0)->SetOnClick(TNotifyEvent::Of<&MenuDriver::FreeMenu>(&driver));
  driver.keys = {VK_DOWN, VK_RETURN};
  form.Popup1->Popup(120, 120);
  EXPECT_EQ(driver.menu, nullptr);
}

}  // namespace
}  // namespace tmv
