#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/gui/ImgList.h"
#include "framework/gui/Menus.h"
#include "skin/imaging/SPUtilsDesktop.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/menus/SkinPopupWindow.h"
#include "win/controls/SkinControlsTestSupport.h"

namespace tmv {
namespace {

// The control that opens the menus: records what the menus tell it and the keys it gets.
class TOpenerForm : public TForm {
public:
  TOpenerForm() : TForm(nullptr) {
    SetBounds(50, 50, 300, 200);
    SetOnKeyDown(TKeyEvent::Of<&TOpenerForm::Key>(this));
  }
  void WndProc(TMessage& m) override {
    if (m.Msg == SKM_MENUCLOSED) log.push_back("closed");
    if (m.Msg == SKM_MENUCOMMAND) log.push_back("command");
    if (m.Msg == WM_LBUTTONDOWN) log.push_back("click");
    TForm::WndProc(m);
  }
  void Key(TObject*, WORD& key, TShiftState) { log.push_back("key " + std::to_string(key)); }
  std::vector<std::string> log;
};

// Items and the commands they run, checking that no menu window is left when one runs.
class TMenuFixture : public TComponent {
public:
  TMenuFixture() : TComponent(nullptr) {}
  TMenuItem* Add(TMenuItem* parent, const std::string& caption, bool enabled = true) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    item->SetEnabled(enabled);
    item->SetOnClick(TNotifyEvent::Of<&TMenuFixture::Clicked>(this));
    parent->Add(item);
    return item;
  }
  void Clicked(TObject* sender) {
    clicked.push_back(static_cast<TMenuItem*>(sender)->Caption());
    windowsAtCommand = skinMenu ? skinMenu->WindowCount() : -1;
  }
  void FreeMenu(TObject*) { delete std::exchange(victim, nullptr); }
  std::vector<std::string> clicked;
  int windowsAtCommand = -1;
  TspSkinMenu* skinMenu = nullptr;
  TComponent* victim = nullptr;
};

void PostKey(HWND window, WORD key) {
  PostMessageA(window, WM_KEYDOWN, key, 0);
  Pump();
}

// Pumps messages for ms milliseconds.
void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Pump();
  }
}

POINT ItemCentre(TspSkinPopupWindow& window, int index) {
  const RECT r = window.ItemScreenRect(index);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

struct SkinMenus : testing::Test {
  SkinMenus() {
    SetCursorPos(1000, 700);
    form.Show();
    SetForegroundWindow(form.Handle());
    Pump();
    menu = new TspSkinMenu(&form);
    items.skinMenu = menu;
    root = new TMenuItem(&items);
    skin.Load(StoredSkinBytes());
  }
  ~SkinMenus() override {
    delete menu;
    Pump();
  }
  // Whether a key posted to the form reaches it: no menu hook swallows it.
  bool KeysReachTheForm() {
    form.log.clear();
    PostKey(form.Handle(), 'Q');
    return form.log == std::vector<std::string>{"key 81"};
  }
  TspSkinPopupWindow& Window(int level) { return *menu->Windows(level); }

  TOpenerForm form;
  TMenuFixture items;
  TspSkinMenu* menu;
  TMenuItem* root;
  TSkinSource skin;
};

TEST_F(SkinMenus, OpenAtThePointWithTheFirstEnabledItemCurrentAndWithoutActivating) {
  items.Add(root, "禁用", false);
  items.Add(root, "打开(&O)");
  items.Add(root, "-");
  items.Add(root, "保存(&S)");
  menu->PopupAt(root, 120, 130, skin.data, &form);
  Pump();
  ASSERT_EQ(menu->WindowCount(), 1);
  TspSkinPopupWindow& window = Window(0);
  RECT bounds;
  GetWindowRect(window.Handle(), &bounds);
  EXPECT_EQ(bounds.left, 120);
  EXPECT_EQ(bounds.top, 130);
  EXPECT_TRUE(IsWindowVisible(window.Handle()));
  EXPECT_EQ(GetActiveWindow(), form.Handle());
  EXPECT_EQ(window.CurrentIndex(), 1);
  // The stored skin's items are 22 pixels high and its separator 7, inside a frame of 2.
  EXPECT_EQ(window.Item(0).Rect.Top, 2);
  EXPECT_EQ(window.Item(2).Rect.Height(), 7);
  EXPECT_EQ(bounds.bottom - bounds.top, 3 * 22 + 7 + 4);
  // The hook takes the keys while the menu shows.
  EXPECT_FALSE(KeysReachTheForm());
  menu->CloseAll();
  EXPECT_EQ(form.log, std::vector<std::string>{"closed"});
  EXPECT_TRUE(KeysReachTheForm());
}

TEST_F(SkinMenus, KeysMoveSkippingDisabledItemsRunCommandsAfterClosingAndEndWithoutChoice) {
  items.Add(root, "一");
  items.Add(root, "-");
  items.Add(root, "二", false);
  items.Add(root, "三(&T)");
  menu->PopupAt(root, 100, 100, skin.data, &form);
  Pump();
  TspSkinPopupWindow& window = Window(0);
  PostKey(form.Handle(), VK_DOWN);
  EXPECT_EQ(window.CurrentIndex(), 3);
  PostKey(form.Handle(), VK_DOWN);  // wraps round
  EXPECT_EQ(window.CurrentIndex(), 0);
  PostKey(form.Handle(), VK_UP);
  EXPECT_EQ(window.CurrentIndex(), 3);
  form.log.clear();
  PostKey(form.Handle(), VK_RETURN);
  Pump();
  EXPECT_EQ(items.clicked, std::vector<std::string>{"三(&T)"});
  EXPECT_EQ(items.windowsAtCommand, 0);
  EXPECT_EQ(form.log, (std::vector<std::string>{"closed", "command"}));
  EXPECT_TRUE(KeysReachTheForm());

  // An accelerator chooses its item at once.
  items.clicked.clear();
  menu->PopupAt(root, 100, 100, skin.data, &form);
  PostKey(form.Handle(), 'T');
  Pump();
  EXPECT_EQ(items.clicked, std::vector<std::string>{"三(&T)"});

  // Nothing to choose: the keys find no item and stop; Escape still closes.
  TMenuItem* dead = new TMenuItem(&items);
  items.Add(dead, "甲", false);
  items.Add(dead, "-");
  menu->PopupAt(dead, 100, 100, skin.data, &form);
  ASSERT_EQ(menu->WindowCount(), 1);
  EXPECT_EQ(Window(0).CurrentIndex(), -1);
  PostKey(form.Handle(), VK_DOWN);
  PostKey(form.Handle(), VK_UP);
  PostKey(form.Handle(), VK_RETURN);
  EXPECT_EQ(Window(0).CurrentIndex(), -1);
  PostKey(form.Handle(), VK_ESCAPE);
  EXPECT_EQ(menu->WindowCount(), 0);
  EXPECT_FALSE(menu->Showing());
  EXPECT_TRUE(KeysReachTheForm());
}

TEST_F(SkinMenus, SubmenusOpenByKeysBesideTheirItemAndCloseWithLeft) {
  items.Add(root, "一");
  TMenuItem* more = items.Add(root, "更多");
  items.Add(more, "甲");
  items.Add(more, "乙");
  menu->PopupAt(root, 100, 100, skin.data, &form);
  PostKey(form.Handle(), VK_DOWN);
  PostKey(form.Handle(), VK_RIGHT);
  ASSERT_EQ(menu->WindowCount(), 2);
  RECT parent, sub;
  GetWindowRect(Window(0).Handle(), &parent);
  GetWindowRect(Window(1).Handle(), &sub);
  const RECT item = Window(0).ItemScreenRect(1);
  EXPECT_EQ(sub.left, item.right + 1);
  EXPECT_EQ(sub.top + Window(1).Item(0).Rect.Top, item.top);
  EXPECT_TRUE(Window(0).Item(1).Open);
  EXPECT_EQ(Window(1).CurrentIndex(), 0);
  PostKey(form.Handle(), VK_DOWN);
  EXPECT_EQ(Window(1).CurrentIndex(), 1);
  PostKey(form.Handle(), VK_LEFT);
  EXPECT_EQ(menu->WindowCount(), 1);
  EXPECT_FALSE(Window(0).Item(1).Open);
  PostKey(form.Handle(), VK_LEFT);  // the first level stays
  EXPECT_EQ(menu->WindowCount(), 1);
}

TEST_F(SkinMenus, HoverOpensASubmenuAfterItsPauseAndAClickRunsTheCommand) {
  items.Add(root, "一");
  TMenuItem* more = items.Add(root, "更多");
  more->SetOnClick(TNotifyEvent());
  items.Add(more, "甲");
  menu->PopupAt(root, 100, 100, skin.data, &form);
  Pump();
  SetCursorPos(ItemCentre(Window(0), 1).x, ItemCentre(Window(0), 1).y);
  ASSERT_TRUE(PumpUntil([&] { return Window(0).CurrentIndex() == 1; }));
  const DWORD hovered = GetTickCount();
  PumpFor(250);
  EXPECT_EQ(menu->WindowCount(), 1);
  ASSERT_TRUE(PumpUntil([&] { return menu->WindowCount() == 2; }));
  EXPECT_GE(GetTickCount() - hovered, 400u);

  // Moving onto a plain item closes the submenu again.
  SetCursorPos(ItemCentre(Window(0), 0).x, ItemCentre(Window(0), 0).y);
  ASSERT_TRUE(PumpUntil([&] { return menu->WindowCount() == 1; }));
  // A click on the item opens it at once; a click in the submenu runs its command.
  const POINT centre = ItemCentre(Window(0), 1);
  RECT r;
  GetWindowRect(Window(0).Handle(), &r);
  PostMessageA(Window(0).Handle(), WM_LBUTTONUP, 0, MAKELPARAM(centre.x - r.left, centre.y - r.top));
  Pump();
  ASSERT_EQ(menu->WindowCount(), 2);
  GetWindowRect(Window(1).Handle(), &r);
  const POINT sub = ItemCentre(Window(1), 0);
  form.log.clear();
  PostMessageA(Window(1).Handle(), WM_LBUTTONUP, 0, MAKELPARAM(sub.x - r.left, sub.y - r.top));
  Pump();
  Pump();
  EXPECT_EQ(items.clicked, std::vector<std::string>{"甲"});
  EXPECT_EQ(items.windowsAtCommand, 0);
  EXPECT_EQ(form.log, (std::vector<std::string>{"closed", "command"}));
}

TEST_F(SkinMenus, ScrollWhenItemsExceedTheLimitByMarkerAndByKeys) {
  for (int i = 0; i < 8; ++i) items.Add(root, "项" + std::to_string(i));
  menu->SetMaxMenuItemsInWindow(5);
  menu->PopupAt(root, 100, 100, nullptr, &form);
  Pump();
  TspSkinPopupWindow& window = Window(0);
  ASSERT_TRUE(window.Scrolls());
  EXPECT_EQ(window.Height(), 5 * 20 + 6 + 20);
  int visible = 0;
  for (int i = 0; i < window.ItemCount(); ++i) visible += window.Item(i).Visible();
  EXPECT_EQ(visible, 5);
  EXPECT_EQ(window.Item(0).Rect.Top, 3 + 10);

  // Keys keep the current item in view, wrapping to the other end.
  PostKey(form.Handle(), VK_UP);
  EXPECT_EQ(window.CurrentIndex(), 7);
  EXPECT_TRUE(window.Item(7).Visible());
  EXPECT_EQ(window.FirstVisible(), 3);
  PostKey(form.Handle(), VK_DOWN);
  EXPECT_EQ(window.FirstVisible(), 0);

  // Resting on the bottom marker scrolls down to the end, and no further.
  RECT r;
  GetWindowRect(window.Handle(), &r);
  SetCursorPos(r.left + window.Width() / 2, r.bottom - 3 - 5);
  ASSERT_TRUE(PumpUntil([&] { return window.FirstVisible() == 3; }));
  PumpFor(300);
  EXPECT_EQ(window.FirstVisible(), 3);
  // A window taller than the work area is cut to it and starts at its top.
  menu->SetMaxMenuItemsInWindow(0);
  for (int i = 0; i < 60; ++i) items.Add(root, "行" + std::to_string(i));
  menu->PopupAt(root, 100, 300, nullptr, &form);
  ASSERT_EQ(menu->WindowCount(), 1);
  GetWindowRect(Window(0).Handle(), &r);
  const RECT work = menu->WorkArea();
  EXPECT_EQ(r.top, work.top);
  EXPECT_EQ(r.bottom, work.bottom);
  EXPECT_TRUE(Window(0).Scrolls());
}

TEST_F(SkinMenus, CloseOnOutsideClicksDeactivationAndEmptyMenusAndAlwaysRemoveTheHook) {
  items.Add(root, "一");
  menu->PopupAt(root, 100, 100, skin.data, &form);
  form.log.clear();
  PostMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  Pump();
  EXPECT_EQ(menu->WindowCount(), 0);
  EXPECT_EQ(form.log, (std::vector<std::string>{"closed", "click"}));
  EXPECT_TRUE(KeysReachTheForm());

  menu->PopupAt(root, 100, 100, skin.data, &form);
  SendMessageA(Application()->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_EQ(menu->WindowCount(), 0);
  EXPECT_TRUE(KeysReachTheForm());

  // A new popup replaces an open one: its opener hears of the close, one hook stays.
  menu->PopupAt(root, 100, 100, skin.data, &form);
  form.log.clear();
  menu->PopupAt(root, 150, 150, skin.data, &form);
  EXPECT_EQ(form.log, std::vector<std::string>{"closed"});
  PostKey(form.Handle(), VK_ESCAPE);
  EXPECT_EQ(menu->WindowCount(), 0);
  EXPECT_TRUE(KeysReachTheForm());

  // A menu with nothing visible shows nothing, still tells its opener it closed, and hooks nothing.
  TMenuItem* empty = new TMenuItem(&items);
  items.Add(empty, "隐藏")->SetVisible(false);
  form.log.clear();
  menu->PopupAt(empty, 100, 100, skin.data, &form);
  EXPECT_EQ(menu->WindowCount(), 0);
  EXPECT_FALSE(menu->Showing());
  EXPECT_EQ(form.log, std::vector<std::string>{"closed"});
  EXPECT_TRUE(KeysReachTheForm());

  // Freed while open.
  menu->PopupAt(root, 100, 100, skin.data, &form);
  delete std::exchange(menu, nullptr);
  EXPECT_TRUE(KeysReachTheForm());
}

TEST_F(SkinMenus, ACommandMayFreeThePopupMenuItCameFrom) {
  auto* popup = new TspSkinPopupMenu(&form);
  popup->SetSkinData(skin.data);
  auto* item = new TMenuItem(popup);
  item->SetCaption("释放");
  item->SetOnClick(TNotifyEvent::Of<&TMenuFixture::FreeMenu>(&items));
  popup->Items()->Add(item);
  items.victim = popup;
  popup->SetPopupComponent(&form);
  popup->Popup(100, 100);
  ASSERT_TRUE(popup->SkinMenu()->Showing());
  PostKey(form.Handle(), VK_RETURN);
  Pump();
  EXPECT_EQ(items.victim, nullptr);
  EXPECT_TRUE(KeysReachTheForm());
}

TEST_F(SkinMenus, LongCaptionsAreCutBetweenWholeCharactersToFitTheScreen) {
  std::string caption;
  for (int i = 0; i < 200; ++i) caption += "图标a";
  items.Add(root, caption);
  menu->PopupAt(root, 100, 100, nullptr, &form);
  ASSERT_EQ(menu->WindowCount(), 1);
  const RECT work = menu->WorkArea();
  EXPECT_LE(Window(0).Width(), work.right - work.left);
  const std::string& text = Window(0).Item(0).Text;
  ASSERT_GE(text.size(), 3u);
  EXPECT_EQ(text.substr(text.size() - 3), "...");
  EXPECT_LT(text.size(), caption.size());
  size_t i = 0;
  const std::string kept = text.substr(0, text.size() - 3);
  while (i < kept.size()) i += IsDBCSLeadByteEx(936, static_cast<BYTE>(kept[i])) ? 2 : 1;
  EXPECT_EQ(i, kept.size());
  EXPECT_EQ(caption.compare(0, kept.size(), kept), 0);
}

TEST_F(SkinMenus, TranslucentWindowsShowLaterByHandOrLayeredWithTheirAlpha) {
  items.Add(root, "一");
  menu->SetAlphaBlend({true, 120, false});
  menu->PopupAt(root, 100, 100, skin.data, &form);
  // Without layered windows the screen is taken first and the window shows 100 ms later.
  EXPECT_FALSE(IsWindowVisible(Window(0).Handle()));
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(Window(0).Handle()) != FALSE; }));
  menu->CloseAll();

  const TWindowsVersionQuery previous = SetWindowsVersionQuery([]() -> DWORD { return 0x0105; });
  menu->SetAlphaBlend({true, 120, true});
  menu->PopupAt(root, 100, 100, skin.data, &form);
  SetWindowsVersionQuery(previous);
  HWND window = Window(0).Handle();
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(PumpUntil([&] { return GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) && alpha == 120; }));
}

// The stored skin's item band, its active band and its separator; the built-in look's colours.
TEST_F(SkinMenus, DrawItemsFromTheStoredSkinOrTheBuiltInLook) {
  items.Add(root, "一");
  items.Add(root, "二");
  items.Add(root, "-");
  TMenuItem* checked = items.Add(root, "选中");
  checked->SetChecked(true);
  items.Add(root, "禁用", false);
  menu->PopupAt(root, 100, 100, skin.data, &form);
  TspSkinPopupWindow& window = Window(0);
  ASSERT_EQ(window.CurrentIndex(), 0);
  TBitmap face;
  window.PaintFace(face);
  const int index = skin.data->FindObjectIndex("menuitem");
  ASSERT_GE(index, 0);
  const auto& d = dynamic_cast<const TspDataSkinMenuItem&>(*skin.data->ObjectList[static_cast<size_t>(index)]);
  TBitmap& picture = *skin.data->ActivePictures[static_cast<size_t>(d.ActivePictureIndex)];
  const TRect active = window.Item(0).Rect, normal = window.Item(1).Rect, line = window.Item(2).Rect;
  // Left of the text the bands are the pictures' own pixels.
  for (int y = 0; y < 22; y += 7) {
    EXPECT_EQ(PictureAt(face, active.Left + 3, active.Top + y), PictureAt(picture, d.ActiveSkinRect.Left + 3, d.ActiveSkinRect.Top + y));
    EXPECT_EQ(PictureAt(face, normal.Left + 3, normal.Top + y), PictureAt(picture, d.SkinRect.Left + 3, d.SkinRect.Top + y));
  }
  EXPECT_EQ(PictureAt(face, line.Left + 40, line.Top + 3), PictureAt(picture, d.DividerRect.Left + 40, d.DividerRect.Top + 3));
  // The right end is kept, the middle tiled.
  EXPECT_EQ(PictureAt(face, normal.Right - 1, normal.Top + 5), PictureAt(picture, d.SkinRect.Right - 1, d.SkinRect.Top + 5));

  auto colourIn = [&](TBitmap& f, const TRect& r, COLORREF colour) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += PictureAt(f, x, y) == colour;
    return n;
  };
  // The texts are in the item colours of the skin.
  EXPECT_GT(colourIn(face, active, d.ActiveFontColor), 0);
  EXPECT_GT(colourIn(face, normal, d.FontColor), 0);
  EXPECT_GT(colourIn(face, window.Item(4).Rect, d.UnEnabledFontColor), 0);

  // Built in: a navy frame round the current item over the fill, a grey separator line, a
  // check mark and a disabled text in the shadow colour.
  menu->PopupAt(root, 100, 100, nullptr, &form);
  TspSkinPopupWindow& plain = Window(0);
  plain.PaintFace(face);
  const TRect current = plain.Item(0).Rect;
  EXPECT_EQ(PictureAt(face, current.Left, current.Top), ColorToRGB(clNavy));
  EXPECT_EQ(PictureAt(face, current.Right - 1, current.Bottom - 1), ColorToRGB(clNavy));
  EXPECT_EQ(PictureAt(face, current.Left + 2, current.Top + 2), RGB(0xB6, 0xBD, 0xD2));
  const TRect sep = plain.Item(2).Rect;
  EXPECT_EQ(PictureAt(face, sep.Left + 30, sep.Top + 2), ColorToRGB(clBtnShadow));
  EXPECT_GT(colourIn(face, {plain.Item(3).Rect.Left, plain.Item(3).Rect.Top, plain.Item(3).Rect.Left + 14,
                            plain.Item(3).Rect.Bottom}, ColorToRGB(clWindowText)), 0);
  EXPECT_GT(colourIn(face, plain.Item(4).Rect, ColorToRGB(clBtnShadow)), 0);
}

// A popup window on a 30 x 30 picture whose pixels tell their place, with a frame of 2; the menu
// items from the same picture, text 2 to 20.
std::vector<uint8_t> MenuSkin(const std::string& itemsRect, const std::string& skinRect,
                              const std::string& dividerRect, const std::vector<std::string>& more = {}) {
  std::vector<std::unique_ptr<TBitmap>> pictures;
  pictures.push_back(PlacePicture(30, 30));
  std::vector<std::string> definition = {
      "[POPUPWINDOW]", "windowpictureindex=0", "maskpictureindex=7", "lefttoppoint=2,2", "righttoppoint=28,2",
      "leftbottompoint=2,28", "rightbottompoint=28,28", "itemsrect=" + itemsRect, "[SKINOBJECTS]", "count=1",
      "0=menuitem:menuitem", "[menuitem]", "activepictureindex=0", "skinrect=" + skinRect,
      "dividerrect=" + dividerRect, "textrect=2,0,20,10"};
  definition.insert(definition.end(), more.begin(), more.end());
  return SkinBytes(definition, std::move(pictures));
}

// Skins whose rectangles lie outside their pictures draw what they hold and fall back for the rest.
TEST_F(SkinMenus, SkinsWithRectanglesOutsideTheirPicturesFallBack) {
  items.Add(root, "一");
  items.Add(root, "-");
  auto load = [&](const std::string& itemsRect, const std::string& skinRect, const std::string& dividerRect) {
    skin.Load(MenuSkin(itemsRect, skinRect, dividerRect, {"activeskinrect=0,0,90,90"}));
    ASSERT_FALSE(skin.data->SkinEmpty());
    menu->PopupAt(root, 100, 100, skin.data, &form);
    ASSERT_EQ(menu->WindowCount(), 1);
  };
  // The window picture is used, the item band too; the divider outside is left undrawn and the
  // active band outside falls back to the normal one.
  load("2,2,28,28", "0,0,30,10", "0,25,300,30");
  TBitmap face;
  Window(0).PaintFace(face);
  const TRect first = Window(0).Item(0).Rect;
  EXPECT_EQ(first.Height(), 10);
  EXPECT_EQ(PictureAt(face, 0, 0), PlaceColour(0, 0));
  EXPECT_EQ(PictureAt(face, first.Left + 1, first.Top + 1), PlaceColour(1, 1));
  EXPECT_GT(Window(0).Width(), 30);

  // Items outside the window picture: the whole window takes the built-in look.
  load("2,2,280,28", "0,0,30,10", "0,25,30,30");
  Window(0).PaintFace(face);
  EXPECT_EQ(PictureAt(face, 0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Window(0).Item(0).Rect.Height(), 20);
  // An item picture outside its picture: the items take the built-in look inside the skin's window.
  load("2,2,28,28", "0,0,300,10", "0,25,30,30");
  Window(0).PaintFace(face);
  EXPECT_EQ(PictureAt(face, 0, 0), PlaceColour(0, 0));
  EXPECT_EQ(Window(0).Item(0).Rect.Height(), 20);
}

// A morphing skin fades the current item from its normal band to its active one in five steps.
TEST_F(SkinMenus, MorphingItemsFadeToTheirActiveBand) {
  items.Add(root, "一");
  items.Add(root, "二");
  skin.Load(MenuSkin("2,2,28,28", "0,0,30,10", "0,25,30,30",
                     {"activeskinrect=0,10,30,20", "morphing=1", "morphkind=mkdefault"}));
  menu->PopupAt(root, 100, 100, skin.data, &form);
  TspSkinPopupWindow& window = Window(0);
  ASSERT_EQ(window.CurrentIndex(), 0);
  const TRect first = window.Item(0).Rect;
  TBitmap face;
  auto pixel = [&] {
    window.PaintFace(face);
    return PictureAt(face, first.Left + 1, first.Top + 1);
  };
  EXPECT_EQ(pixel(), PlaceColour(1, 1));
  window.Perform(WM_TIMER, TspSkinPopupWindow::kMorphTimerID);
  const COLORREF step = pixel();
  EXPECT_NE(step, PlaceColour(1, 1));
  EXPECT_NE(step, PlaceColour(1, 11));
  for (int i = 0; i < 4; ++i) window.Perform(WM_TIMER, TspSkinPopupWindow::kMorphTimerID);
  EXPECT_EQ(pixel(), PlaceColour(1, 11));
  // Moving on fades the first item back while the second comes up.
  PostKey(form.Handle(), VK_DOWN);
  window.Perform(WM_TIMER, TspSkinPopupWindow::kMorphTimerID);
  EXPECT_NE(pixel(), PlaceColour(1, 11));
  ASSERT_TRUE(PumpUntil([&] { return pixel() == PlaceColour(1, 1); }));
}

// A 16 x 16 icon of one colour.
UniqueIcon SolidIcon(TColor colour) {
  TBitmap picture;
  picture.SetSize(16, 16);
  picture.Canvas()->Brush()->SetColor(colour);
  picture.Canvas()->FillRect({0, 0, 16, 16});
  const std::vector<uint8_t> opaque(2 * 16, 0);
  UniqueBitmap mask(CreateBitmap(16, 16, 1, 1, opaque.data()));
  ICONINFO info = {TRUE, 0, 0, mask.Get(), picture.Handle()};
  return UniqueIcon(CreateIconIndirect(&info));
}

TEST_F(SkinMenus, DrawTheMenusPicturesInTheGlyphColumnFramedWhenChecked) {
  auto* images = new TImageList(&items);
  images->AddIcon(SolidIcon(clRed).Get());
  auto* popup = new TPopupMenu(&items);
  popup->SetImages(images);
  items.Add(popup->Items(), "一");
  TMenuItem* pictured = items.Add(popup->Items(), "二");
  pictured->SetImageIndex(0);
  pictured->SetChecked(true);
  items.Add(popup->Items(), "三")->SetImageIndex(5);  // no such picture: nothing drawn
  for (TspSkinData* data : {skin.data, static_cast<TspSkinData*>(nullptr)}) {
    menu->PopupAt(popup->Items(), 100, 100, data, &form);
    TspSkinPopupWindow& window = Window(0);
    TBitmap face;
    window.PaintFace(face);
    const TRect r = window.Item(1).Rect;
    const int left = r.Left + 2, top = r.Top + static_cast<int>(r.Height()) / 2 - 8;
    EXPECT_EQ(PictureAt(face, left, top), ColorToRGB(clRed));
    EXPECT_EQ(PictureAt(face, left + 15, top + 15), ColorToRGB(clRed));
    EXPECT_NE(PictureAt(face, left + 16, top + 8), ColorToRGB(clRed));
    const TRect none = window.Item(2).Rect;
    EXPECT_NE(PictureAt(face, none.Left + 10, none.Top + static_cast<int>(none.Height()) / 2), ColorToRGB(clRed));
    // The check frame is one pixel round the picture in the text colour.
    const COLORREF text = PictureAt(face, left - 1, top - 1);
    EXPECT_EQ(PictureAt(face, left + 16, top + 16), text);
    EXPECT_EQ(text, data ? ColorToRGB(dynamic_cast<const TspDataSkinMenuItem&>(
                                          *skin.data->ObjectList[static_cast<size_t>(skin.data->FindObjectIndex("menuitem"))])
                                          .FontColor)
                         : ColorToRGB(clWindowText));
  }
}

}  // namespace
}  // namespace tmv
