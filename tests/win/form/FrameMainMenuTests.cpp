#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "MainMenuRowSkin.h"
#include "SkinFormTestSupport.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/form/SkinMainMenuItems.h"
#include "skin/menus/SkinPopupWindow.h"

namespace tmv {
namespace {

constexpr LPARAM kAltDown = 1 << 29;
constexpr COLORREF kDisabledText = 11181718;

// The form's menu events in the order they fire.
class TMenuEvents : public TComponent {
public:
  explicit TMenuEvents(TspDynamicSkinForm& f) : TComponent(nullptr) {
    f.OnMainMenuEnter = TNotifyEvent::Of<&TMenuEvents::Entered>(this);
    f.OnMainMenuExit = TNotifyEvent::Of<&TMenuEvents::Exited>(this);
    f.OnSkinMenuOpen = TNotifyEvent::Of<&TMenuEvents::Opened>(this);
    f.OnSkinMenuClose = TNotifyEvent::Of<&TMenuEvents::Closed>(this);
  }
  void Entered(TObject*) { seen.push_back("enter"); }
  void Exited(TObject*) { seen.push_back("exit"); }
  void Opened(TObject*) { seen.push_back("open"); }
  void Closed(TObject*) { seen.push_back("close"); }
  // What happened since the last look.
  std::vector<std::string> Take() { return std::exchange(seen, {}); }
  std::vector<std::string> seen;
};

// A skinned form whose skin has a main-menu row, with a main menu of two menus, a hidden item,
// a disabled one and a command that does not fit at the skin's own width.
struct FrameMainMenu : testing::Test {
  FrameMainMenu() {
    // The frame follows the real cursor: it starts on none of the items.
    SettleCursorAt(1000, 740);
    AddMainMenuRow(form->Stored());
    form->Skin().ApplyStoredSkin(form->Stored());
    file = Item(menu->Items(), "File", "文件(&F)");
    Item(file, "Open", "打开(&O)");
    quit = Item(file, "Quit", "退出(&X)");
    quit->SetShortCut(ShortCut('Q', scAlt));
    quit->SetOnClick(TNotifyEvent::Of<&EventLog::Clicked>(&log));
    edit = Item(menu->Items(), "Edit", "编辑(&E)");
    Item(edit, "Copy", "复制(&C)");
    Item(menu->Items(), "Hidden", "隐藏(&H)")->SetVisible(false);
    Item(Item(menu->Items(), "Off", "禁用(&D)"), "Sub", "子项");
    menu->Items()->Items(3)->SetEnabled(false);
    about = Item(menu->Items(), "About", "关于 TalvexMorvane 的作者们(&A)");
    about->SetOnClick(TNotifyEvent::Of<&EventLog::Clicked>(&log));
    Frame().SetMainMenu(menu);
    form->SetBounds(60, 50, 640, 300);
    form->Show();
    SetForegroundWindow(Window());
    PumpUntil([&] { return Frame().IsFormActive(); });
  }
  ~FrameMainMenu() override {
    if (GetCapture()) ReleaseCapture();
    delete form;
  }
  static TMenuItem* Item(TMenuItem* parent, const std::string& name, const std::string& caption) {
    auto* item = new TMenuItem(nullptr);
    item->SetName(name);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }
  HWND Window() { return form->Handle(); }
  TspDynamicSkinForm& Frame() { return form->Frame(); }
  TspSkinMenu& Menu() { return Frame().SkinMenu(); }
  TspSkinMainMenuItem& FrameItem(const std::string& name) {
    return *dynamic_cast<TspSkinMainMenuItem*>(Frame().FindObject(name));
  }
  std::string Selected() {
    TspActiveSkinObject* o = Frame().HoveredObject();
    return o ? o->IDName : "";
  }
  TMenuItem* OpenMenu() { return Menu().Showing() ? Menu().Windows(0)->ParentItem() : nullptr; }
  // The cursor over an item (the frame follows the real cursor), then a click posted there.
  void ClickItem(const std::string& name) {
    const TRect r = FrameItem(name).ObjectRect;
    const RECT w = WindowRectOf(Window());
    const int x = w.left + (r.Left + r.Right) / 2, y = w.top + (r.Top + r.Bottom) / 2;
    SettleCursorAt(x, y);
    HitTestAt(Window(), x - w.left, y - w.top);
    PumpUntil([&] { return Selected() == name; });
    PostMessageA(Window(), WM_NCLBUTTONDOWN, 19, MAKELPARAM(x, y));
    PostMessageA(Window(), WM_LBUTTONUP, 0, 0);
    Pump();
  }
  void Key(WPARAM key) {
    PostMessageA(Window(), WM_KEYDOWN, key, 1);
    Pump();
  }
  // The messages of Alt held, a key pressed and let go, and Alt let go.
  void AltKey(WPARAM key) {
    constexpr LPARAM kUp = 0xC0000001;
    PostMessageA(Window(), WM_SYSKEYDOWN, VK_MENU, kAltDown | 1);
    PostMessageA(Window(), WM_SYSKEYDOWN, key, kAltDown | 1);
    PostMessageA(Window(), WM_SYSKEYUP, key, kAltDown | kUp);
    PostMessageA(Window(), WM_SYSKEYUP, VK_MENU, kUp);
    Pump();
  }
  void AltAlone() { SendMessageA(Window(), WM_SYSCOMMAND, SC_KEYMENU, 0); }
  // Whether a key posted to the form reaches it: no menu hook holds the keys back.
  bool KeysReachTheForm() {
    TMessageRecorder recorder(*form, {WM_KEYDOWN});
    Key('Z');
    return recorder.seen == std::vector<UINT>{WM_KEYDOWN};
  }

  TSkinFormTestForm* form = new TSkinFormTestForm(nullptr);
  TMainMenu* menu = new TMainMenu(form);
  TMenuItem *file, *quit, *edit, *about;
  EventLog log;
  TMenuEvents events{form->Frame()};
};

TEST_F(FrameMainMenu, TheVisibleItemsStandInTheSkinsRowAsLongAsTheyFit) {
  std::vector<std::string> names;
  for (TspSkinMainMenuItem* item : Frame().MainMenuItems()) names.push_back(item->IDName);
  EXPECT_EQ(names, (std::vector<std::string>{"File", "Edit", "Off", "About"})) << "the hidden item makes none";
  EXPECT_EQ(Borders(Window()).top, kMenuRowBottom) << "the client area starts under the row";
  EXPECT_FALSE(FrameItem("Off").Enabled);

  const TRect row = Frame().Geometry().MainMenuRect;
  ASSERT_EQ(row, (TRect{6, kMenuRowTop + 1, 634, kMenuRowBottom})) << "the row follows the width";
  int x = row.Left;
  for (TspSkinMainMenuItem* item : Frame().MainMenuItems()) {
    const TRect r = item->ObjectRect;
    EXPECT_EQ(r, (TRect{x, 31, x + item->ItemWidth(), 51})) << item->IDName;
    EXPECT_TRUE(item->Visible) << item->IDName;
    x = r.Right;
  }
  TFont font;
  font.SetName("宋体");
  font.SetHeight(14);
  EXPECT_EQ(FrameItem("File").ItemWidth(), TextWidthIn(font, "文件(F)") + 12) << "text and the image's ends";
  ASSERT_GT(FrameItem("About").ObjectRect.Right, 294) << "it passes the row at the skin's own width";

  form->SetWidth(300);
  Pump();
  EXPECT_TRUE(FrameItem("Edit").Visible);
  EXPECT_FALSE(FrameItem("About").Visible) << "an item past the row's end is hidden";
  AltKey('A');
  EXPECT_FALSE(Frame().MainMenuMode()) << "and its accelerator does nothing";
  EXPECT_TRUE(log.entries.empty());

  Frame().SetMainMenu(nullptr);
  EXPECT_TRUE(Frame().MainMenuItems().empty());
  Frame().SetMainMenu(menu);
  EXPECT_EQ(Frame().MainMenuItems().size(), 4u);
}

// Normal, hot and pressed from the menu-bar item's three images, the caption in the middle in
// the disabled colour only where the item is disabled; the pressed item's menu opens under it.
TEST_F(FrameMainMenu, ItemsAreDrawnInTheirStateAndOpenTheirMenuUnderThemselves) {
  TBitmap& parts = *form->Skin().ActivePictures[0];
  const COLORREF normal = PictureAt(parts, 68, 51), hot = PictureAt(parts, 99, 51), down = PictureAt(parts, 130, 51);
  ASSERT_TRUE(normal != hot && hot != down && normal != down) << "the three images must differ at the point";
  const TRect fileRect = FrameItem("File").ObjectRect, offRect = FrameItem("Off").ObjectRect;
  auto at = [&](const TRect& r) { return TFrameShot(*form).At(r.Left, r.Top + 1); };
  auto disabledText = [&](const TRect& r) {
    const TFrameShot shot(*form);
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += shot.At(x, y) == kDisabledText;
    return n;
  };
  EXPECT_EQ(at(fileRect), normal);
  EXPECT_GT(disabledText(offRect), 10);
  EXPECT_EQ(disabledText(fileRect), 0);

  ClickItem("File");
  ASSERT_EQ(OpenMenu(), file);
  EXPECT_TRUE(FrameItem("File").Down());
  EXPECT_EQ(at(fileRect), down);
  const RECT w = WindowRectOf(Window());
  EXPECT_EQ(Menu().Windows(0)->BoundsRect().left, w.left + fileRect.Left);
  EXPECT_EQ(Menu().Windows(0)->BoundsRect().top, w.top + fileRect.Bottom);
  EXPECT_EQ(Menu().Windows(0)->ItemCount(), 2);

  Key(VK_ESCAPE);
  EXPECT_FALSE(Menu().Showing());
  EXPECT_FALSE(FrameItem("File").Down()) << "the closed menu releases its item";
  EXPECT_EQ(at(fileRect), hot) << "the mouse is still over it";

  ClickItem("File");
  ASSERT_EQ(OpenMenu(), file);
  ClickItem("File");
  Pump();
  EXPECT_FALSE(Menu().Showing()) << "a click on the pressed item closes its menu";
  EXPECT_FALSE(FrameItem("File").Down());
  EXPECT_EQ(events.Take(), (std::vector<std::string>{"open", "close", "open", "close"}));
  EXPECT_TRUE(KeysReachTheForm());
}

// With a menu open, the mouse on another item moves the menu there; a command item clicked
// then closes it and runs once, when the button comes up on it.
TEST_F(FrameMainMenu, AnOpenMenuFollowsTheMouseAndACommandRunsOnceAfterItClosed) {
  ClickItem("File");
  ASSERT_EQ(OpenMenu(), file);
  const TRect e = FrameItem("Edit").ObjectRect;
  const RECT w = WindowRectOf(Window());
  SettleCursorAt(w.left + e.Left + 3, w.top + e.Top + 3);
  EXPECT_TRUE(PumpUntil([&] { return OpenMenu() == edit; }));
  EXPECT_FALSE(FrameItem("File").Down());
  EXPECT_TRUE(FrameItem("Edit").Down());
  EXPECT_EQ(Menu().Windows(0)->BoundsRect().left, w.left + e.Left);

  ClickItem("About");
  EXPECT_FALSE(Menu().Showing());
  EXPECT_FALSE(FrameItem("Edit").Down() || FrameItem("About").Down());
  EXPECT_EQ(log.entries, (std::vector<std::string>{"click About"}));
  EXPECT_EQ(events.Take(), (std::vector<std::string>{"open", "close", "open", "close"}));
  EXPECT_FALSE(Frame().MainMenuMode());
  EXPECT_TRUE(KeysReachTheForm());
}

// Changes of the main menu reach the frame from the message loop: a new caption or item makes
// the items anew, a change below the top level leaves them as they are, and nothing is made
// anew under a menu open from them until it has closed.
TEST_F(FrameMainMenu, ItemsFollowTheMenuOnceNoMenuOfTheirsIsOpen) {
  TspSkinMainMenuItem* before = &FrameItem("Edit");
  quit->SetChecked(true);
  Pump();
  EXPECT_EQ(&FrameItem("Edit"), before) << "a sub-item's change makes nothing anew";

  const int width = FrameItem("Edit").ItemWidth();
  edit->SetCaption("编辑和查找(&E)");
  Item(menu->Items(), "Help", "帮助(&H)");
  Pump();
  EXPECT_GT(FrameItem("Edit").ItemWidth(), width);
  ASSERT_NE(Frame().FindObject("Help"), nullptr);
  EXPECT_EQ(FrameItem("Help").ObjectRect.Left, FrameItem("About").ObjectRect.Right);

  ClickItem("File");
  ASSERT_EQ(OpenMenu(), file);
  edit->SetVisible(false);
  Pump();
  EXPECT_EQ(OpenMenu(), file) << "the open menu stays";
  EXPECT_NE(Frame().FindObject("Edit"), nullptr);
  Key(VK_ESCAPE);
  EXPECT_TRUE(PumpUntil([&] { return Frame().FindObject("Edit") == nullptr; })) << "made anew once it closed";
  EXPECT_TRUE(KeysReachTheForm());

  delete menu;
  menu = nullptr;
  Pump();
  EXPECT_TRUE(Frame().MainMenuItems().empty());
}

// Alt alone enters the mode and leaves it; the arrows walk the enabled items round; Enter opens
// the selected item's menu, Right moves it on, Escape closes it and then leaves.
TEST_F(FrameMainMenu, AltAloneStartsAModeTheArrowsEnterAndEscapeUse) {
  AltAlone();
  EXPECT_TRUE(Frame().MainMenuMode());
  EXPECT_EQ(Selected(), "File");
  std::vector<std::string> walk;
  for (WPARAM key : {VK_LEFT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_LEFT}) {
    Key(key);
    walk.push_back(Selected());
  }
  EXPECT_EQ(walk, (std::vector<std::string>{"About", "File", "Edit", "About", "Edit"})) << "the disabled one skipped";
  about->SetEnabled(false);
  Frame().RepaintFrame();
  Key(VK_RIGHT);
  EXPECT_EQ(Selected(), "File") << "an item disabled since follows at the next paint";
  about->SetEnabled(true);
  Frame().RepaintFrame();
  AltAlone();
  EXPECT_FALSE(Frame().MainMenuMode());
  EXPECT_EQ(Selected(), "");
  EXPECT_EQ(events.Take(), (std::vector<std::string>{"enter", "exit"}));
  EXPECT_TRUE(KeysReachTheForm());

  AltAlone();
  Key(VK_RETURN);
  ASSERT_EQ(OpenMenu(), file);
  EXPECT_EQ(Menu().Windows(0)->CurrentIndex(), 0);
  Key(VK_RIGHT);
  EXPECT_EQ(OpenMenu(), edit) << "the current item has no sub-items: the next menu opens";
  EXPECT_EQ(Selected(), "Edit");
  Key(VK_ESCAPE);
  EXPECT_FALSE(Menu().Showing());
  EXPECT_TRUE(Frame().MainMenuMode()) << "Escape closes the menu first";
  EXPECT_FALSE(FrameItem("Edit").Down());
  Key(VK_ESCAPE);
  EXPECT_FALSE(Frame().MainMenuMode());
  EXPECT_EQ(events.Take(), (std::vector<std::string>{"enter", "open", "close", "open", "close", "exit"}));
  EXPECT_TRUE(KeysReachTheForm());

  // A click anywhere ends the mode.
  AltAlone();
  PostMessageA(Window(), WM_LBUTTONDOWN, 0, MAKELPARAM(100, 100));
  PostMessageA(Window(), WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
  Pump();
  EXPECT_FALSE(Frame().MainMenuMode());
  EXPECT_EQ(events.Take(), (std::vector<std::string>{"enter", "exit"}));
  EXPECT_TRUE(KeysReachTheForm());
}

// Alt and an item's accelerator open it from anywhere; on a command item the command runs
// once and the mode ends; the main menu's own Alt shortcuts still run once a press.
TEST_F(FrameMainMenu, AltAndAnAcceleratorOpenTheItemAndShortcutsStillRunOnce) {
  AltKey('E');
  EXPECT_TRUE(Frame().MainMenuMode());
  EXPECT_EQ(OpenMenu(), edit);
  AltKey('A');
  EXPECT_FALSE(Menu().Showing());
  EXPECT_FALSE(Frame().MainMenuMode());
  EXPECT_EQ(log.entries, (std::vector<std::string>{"click About"}));
  EXPECT_EQ(events.Take(), (std::vector<std::string>{"enter", "open", "close", "exit"}));

  // In the mode a plain letter is an accelerator too, but an open menu's own ones come first.
  AltAlone();
  Key('F');
  ASSERT_EQ(OpenMenu(), file);
  Key('E');
  EXPECT_EQ(OpenMenu(), edit);
  Key('C');
  EXPECT_TRUE(PumpUntil([&] { return !Frame().MainMenuMode(); })) << "the menu's item ran and the mode ended";
  events.Take();

  AltKey('Q');
  AltKey('Q');
  EXPECT_EQ(log.entries, (std::vector<std::string>{"click About", "click Quit", "click Quit"}));
  EXPECT_FALSE(Frame().MainMenuMode());
  EXPECT_TRUE(events.Take().empty());
  EXPECT_TRUE(KeysReachTheForm());
}

// Freeing a menu item or the main menu while its menu is open in the mode leaves nothing of
// it behind; freeing the form in the mode neither crashes nor leaves the keys held.
TEST_F(FrameMainMenu, FreeingTheMenuOrTheFormInTheModeLeavesNothingBehind) {
  // An item freed on its own leaves its frame item inert until the frame makes its items anew.
  delete edit;
  EXPECT_EQ(FrameItem("Edit").MenuItem(), nullptr);
  FrameItem("Edit").HandleMouseDown(1, 1, mbLeft);
  EXPECT_FALSE(Menu().Showing() || FrameItem("Edit").Down());
  Frame().RepaintFrame();
  EXPECT_FALSE(FrameItem("Edit").Enabled);
  Pump();
  EXPECT_EQ(Frame().FindObject("Edit"), nullptr);
  AltKey('E');
  EXPECT_FALSE(Frame().MainMenuMode() || Menu().Showing());
  EXPECT_TRUE(events.Take().empty());

  AltKey('F');
  ASSERT_EQ(OpenMenu(), file);
  delete menu;
  EXPECT_FALSE(Menu().Showing());
  EXPECT_FALSE(Frame().MainMenuMode());
  EXPECT_TRUE(Frame().MainMenuItems().empty());
  EXPECT_EQ(Frame().MainMenu(), nullptr);
  EXPECT_EQ(events.Take(), (std::vector<std::string>{"enter", "open", "close", "exit"}));
  EXPECT_TRUE(KeysReachTheForm());

  menu = new TMainMenu(form);
  Item(Item(menu->Items(), "File", "文件(&F)"), "Open", "打开(&O)");
  Frame().SetMainMenu(menu);
  AltKey('F');
  ASSERT_TRUE(Frame().MainMenuMode() && Menu().Showing());
  delete form;
  form = nullptr;
  TForm other(nullptr);
  other.Show();
  TMessageRecorder recorder(other, {WM_KEYDOWN});
  PostMessageA(other.Handle(), WM_KEYDOWN, 'Z', 1);
  Pump();
  EXPECT_EQ(recorder.seen, std::vector<UINT>{WM_KEYDOWN});
}

}  // namespace
}  // namespace tmv
