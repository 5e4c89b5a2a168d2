#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "framework/core/FormReader.h"
#include "framework/gui/ComCtrls.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/ImgList.h"
#include "framework/gui/Menus.h"
#include "framework/gui/StdCtrls.h"

namespace tmv {
namespace {

HICON SystemIcon() { return LoadIcon(nullptr, IDI_APPLICATION); }

TEST(ImageLists, IconsAreAddedScaledAndHandedOutAsNewIcons) {
  TImageList small(nullptr), large(nullptr);
  large.SetWidth(32);
  large.SetHeight(32);
  EXPECT_EQ(small.Count(), 0);
  EXPECT_EQ(small.AddIcon(SystemIcon()), 0);
  EXPECT_EQ(small.AddIcon(SystemIcon()), 1);
  EXPECT_EQ(large.AddIcon(SystemIcon()), 0);
  EXPECT_EQ(small.AddIcon(nullptr), -1);
  EXPECT_EQ(small.Count(), 2);

  UniqueIcon icon(small.GetIcon(1));
  ASSERT_TRUE(icon);
  TIcon probe;
  probe.SetHandle(large.GetIcon(0));
  EXPECT_EQ(probe.Width(), 32);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(small.Handle(), &cx, &cy);
  EXPECT_EQ(cx, 16);
  EXPECT_EQ(small.GetIcon(2), nullptr);
  EXPECT_EQ(small.GetIcon(-1), nullptr);

  small.Clear();
  EXPECT_EQ(small.Count(), 0);
  // A new size makes a new, empty list.
  large.SetWidth(48);
  EXPECT_EQ(large.Count(), 0);
  ImageList_GetIconSize(large.Handle(), &cx, &cy);
  EXPECT_EQ(cx, 48);
}

struct ListViewOnForm : testing::Test {
  ListViewOnForm() {
    list = new TListView(&form);
    list->SetParent(&form);
    list->SetAlign(alClient);
    list->SetMultiSelect(true);
    for (int i = 0; i < 3; ++i) {
      TListItem* item = list->Items()->Add();
      item->SetCaption(std::to_string(i + 1) + ":C:\\a.exe");
      item->SetImageIndex(i);
    }
  }
  TForm form{nullptr};
  TListView* list;
};

TEST_F(ListViewOnForm, ItemsAndSelectionWithAndWithoutWindow) {
  list->Items()->Item(1)->SetSelected(true);
  list->Items()->Item(2)->SetFocused(true);
  EXPECT_EQ(list->SelCount(), 1);
  EXPECT_EQ(list->Selected(), list->Items()->Item(1));
  EXPECT_EQ(list->ItemFocused(), list->Items()->Item(2));

  HWND window = list->Handle();
  EXPECT_EQ(SendMessageA(window, LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(list->SelCount(), 1);
  EXPECT_TRUE(list->Items()->Item(1)->Selected());
  char text[64] = "";
  LVITEMA lv = {};
  lv.pszText = text;
  lv.cchTextMax = sizeof text;
  SendMessageA(window, LVM_GETITEMTEXTA, 2, reinterpret_cast<LPARAM>(&lv));
  EXPECT_STREQ(text, "3:C:\\a.exe");

  // Selection made in the window is what the items report, also after the window is rebuilt.
  ListView_SetItemState(window, 0, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_EQ(list->Selected(), list->Items()->Item(0));
  list->RecreateWnd();
  EXPECT_NE(list->Handle(), window);
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_TRUE(list->Items()->Item(2)->Focused());

  list->Items()->Clear();
  EXPECT_EQ(list->Items()->Count(), 0);
  EXPECT_EQ(SendMessageA(list->Handle(), LVM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_EQ(list->Selected(), nullptr);
  EXPECT_THROW(list->Items()->Item(0), EListError);
}

TEST_F(ListViewOnForm, ViewStyleAndImageListsReachTheWindow) {
  auto* large = new TImageList(&form);
  auto* small = new TImageList(&form);
  large->SetWidth(32);
  large->SetHeight(32);
  list->SetLargeImages(large);
  list->SetSmallImages(small);
  list->SetStateImages(small);
  HWND window = list->Handle();
  EXPECT_EQ(ListView_GetImageList(window, LVSIL_NORMAL), large->Handle());
  EXPECT_EQ(ListView_GetImageList(window, LVSIL_STATE), small->Handle());
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & LVS_TYPEMASK, LVS_ICON);
  EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & LVS_SINGLESEL);
  list->SetViewStyle(vsSmallIcon);
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & LVS_TYPEMASK, LVS_SMALLICON);
  list->SetHideSelection(false);
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & LVS_SHOWSELALWAYS);

  // A list that makes a new handle tells the list view; one that goes is forgotten.
  large->SetWidth(48);
  EXPECT_EQ(ListView_GetImageList(window, LVSIL_NORMAL), large->Handle());
  list->SetStateImages(nullptr);
  delete small;
  EXPECT_EQ(list->SmallImages(), nullptr);
  EXPECT_EQ(ListView_GetImageList(window, LVSIL_SMALL), nullptr);
  delete large;
  EXPECT_EQ(list->LargeImages(), nullptr);
}

TEST(OpenDialog, MultipleSelectionIsSplitIntoFullNames) {
  const wchar_t single[] = L"C:\\Tools\\app.exe\0";
  EXPECT_EQ(ParseOpenFileNames(single, std::size(single)), std::vector<std::wstring>{L"C:\\Tools\\app.exe"});
  const wchar_t several[] = L"C:\\Tools\0a.exe\0b c.dll\0\0";
  EXPECT_EQ(ParseOpenFileNames(several, std::size(several)),
            (std::vector<std::wstring>{L"C:\\Tools\\a.exe", L"C:\\Tools\\b c.dll"}));
  const wchar_t root[] = L"D:\\\0a.ico\0b.ico\0\0";
  EXPECT_EQ(ParseOpenFileNames(root, std::size(root)), (std::vector<std::wstring>{L"D:\\a.ico", L"D:\\b.ico"}));
  // A folder named in characters of no code page.
  const wchar_t korean[] = L"C:\\\uD55C\uAD6D\0a.exe\0b.exe\0\0";
  EXPECT_EQ(ParseOpenFileNames(korean, std::size(korean)),
            (std::vector<std::wstring>{L"C:\\\uD55C\uAD6D\\a.exe", L"C:\\\uD55C\uAD6D\\b.exe"}));
  EXPECT_TRUE(ParseOpenFileNames(L"\0\0", 2).empty());
  const wchar_t unterminated[] = {L'C', L':', L'\\', L'x'};
  EXPECT_EQ(ParseOpenFileNames(unterminated, 4), std::vector<std::wstring>{L"C:\\x"});
}

TEST(OpenDialog, ExecuteFillsFilesOrLeavesThemOnCancel) {
  TOpenDialog dialog(nullptr);
  dialog.SetOptions(ofHideReadOnly | ofAllowMultiSelect | ofEnableSizing);
  dialog.SetTitle("选择要提取图标的文件");
  DWORD flags = 0;
  std::wstring title;
  SetOpenFileDialogHook([&](OPENFILENAMEW& ofn) {
    flags = ofn.Flags;
    title = ofn.lpstrTitle;
    EXPECT_EQ(ofn.lpstrFilter, nullptr);
    const wchar_t answer[] = L"C:\\Tools\0a.exe\0b.dll\0\0";
    EXPECT_GE(ofn.nMaxFile, 0x10000u);
    memcpy(ofn.lpstrFile, answer, sizeof answer);
    return TRUE;
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(flags & (OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_ENABLESIZING | OFN_EXPLORER),
            DWORD(OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_ENABLESIZING | OFN_EXPLORER));
  EXPECT_EQ(title, L"选择要提取图标的文件");
  ASSERT_EQ(dialog.Files()->Count(), 2);
  EXPECT_EQ(dialog.Files()->Get(1), "C:\\Tools\\b.dll");
  EXPECT_EQ(dialog.FileName(), "C:\\Tools\\a.exe");

  dialog.SetFilter("图标|*.ico|全部|*.*");
  SetOpenFileDialogHook([](OPENFILENAMEW& ofn) {
    EXPECT_EQ(std::wstring(ofn.lpstrFilter, 15), std::wstring(L"图标\0*.ico\0全部\0*.*", 15));
    return FALSE;
  });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.Files()->Count(), 2);
  SetOpenFileDialogHook(nullptr);
}

struct ControlsOnForm : testing::Test {
  ControlsOnForm() {
    form.SetClientWidth(400);
    form.SetClientHeight(100);
    panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetAlign(alClient);
  }
  template <class C>
  C* Add(const char* name, int left, int top, int width, int height) {
    C* c = new C(&form);
    c->SetName(name);
    c->SetBounds(left, top, width, height);
    c->SetParent(panel);
    return c;
  }
  TForm form{nullptr};
  TPanel* panel;
  EventLog log;
};

TEST_F(ControlsOnForm, RadioButtonsOfAGroupExcludeEachOther) {
  auto* rb16 = Add<TRadioButton>("RB16", 56, 8, 65, 25);
  auto* rb32 = Add<TRadioButton>("RB32", 124, 8, 65, 25);
  auto* other = Add<TRadioButton>("Other", 200, 8, 65, 25);
  rb16->SetGroupIndex(1);
  rb32->SetGroupIndex(1);
  other->SetChecked(true);
  rb32->SetChecked(true);
  for (auto* rb : {rb16, rb32}) rb->SetOnClick(TNotifyEvent::Of<&EventLog::Clicked>(&log));
  EXPECT_TRUE(other->Checked());
  EXPECT_EQ(SendMessageA(rb32->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);

  SendMessageA(rb16->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(rb16->Checked());
  EXPECT_FALSE(rb32->Checked());
  EXPECT_TRUE(other->Checked());
  EXPECT_EQ(SendMessageA(rb32->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(log.entries, std::vector<std::string>{"click RB16"});
  // Clicking the checked one changes nothing.
  SendMessageA(rb16->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(log.entries.size(), 1u);
}

TEST_F(ControlsOnForm, SystemControlsAskingForColoursGetTheirOwn) {
  auto* rb = Add<TRadioButton>("RB", 0, 0, 60, 20);
  rb->SetColor(clRed);
  rb->Font()->SetColor(clBlue);
  rb->SetFlat(true);
  EXPECT_TRUE(GetWindowLongA(rb->Handle(), GWL_STYLE) & BS_FLAT);
  TBitmap probe;
  probe.SetSize(1, 1);
  HDC dc = probe.Canvas()->Handle();
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(panel->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(rb->Handle())));
  LOGBRUSH lb;
  ASSERT_TRUE(GetObjectA(brush, sizeof lb, &lb));
  EXPECT_EQ(lb.lbColor, RGB(255, 0, 0));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
}

TEST_F(ControlsOnForm, GlyphButtonClicksAndDrawsItsGlyph) {
  auto* button = Add<TBitBtn>("BTNSave", 192, 8, 29, 25);
  button->SetOnClick(TNotifyEvent::Of<&EventLog::Clicked>(&log));
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(log.entries, std::vector<std::string>{"click BTNSave"});

  // A 16x16 glyph: magenta (its bottom-left colour, so transparent) around a blue square.
  TBitmap* glyph = button->Glyph();
  glyph->SetBitCount(24);
  glyph->SetSize(16, 16);
  glyph->Canvas()->Brush()->SetColor(clFuchsia);
  glyph->Canvas()->FillRect({0, 0, 16, 16});
  glyph->Canvas()->Brush()->SetColor(clBlue);
  glyph->Canvas()->FillRect({4, 4, 12, 12});

  TBitmap face;
  face.SetBitCount(32);
  face.SetSize(29, 25);
  DRAWITEMSTRUCT item = {};
  item.CtlType = ODT_BUTTON;
  item.hwndItem = button->Handle();
  item.hDC = face.Canvas()->Handle();
  item.rcItem = {0, 0, 29, 25};
  button->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
  // The glyph is centred: its top-left at (6, 4).
  EXPECT_EQ(face.Canvas()->Pixel(14, 12), RGB(0, 0, 255));
  EXPECT_EQ(face.Canvas()->Pixel(7, 5), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ControlsOnForm, ExceptionInAClickIsShownAndTheNextClickStillWorks) {
  BoxRecorder boxes;
  auto* button = Add<TBitBtn>("BTNSaveAll", 224, 8, 29, 25);
  button->SetOnClick(TNotifyEvent::Of<&EventLog::Throw>(&log));
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[1].text, "Cannot create file \"X:\\a.ico\". Access denied");
}

TEST_F(ControlsOnForm, DropDownListKeepsItsItemsAndChoice) {
  auto* combo = Add<TComboBox>("CombPicType", 257, 10, 54, 20);
  combo->SetStyle(csDropDownList);
  combo->Items()->Add("图标");
  combo->Items()->Add("图片");
  combo->SetItemIndex(5);
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->SetItemIndex(0);
  HWND window = combo->Handle();
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(SendMessageA(window, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(window, CB_GETCURSEL, 0, 0), 0);
  // The window holds the open list's height; the control keeps the closed one.
  EXPECT_LT(combo->Height(), 30);

  combo->SetOnChange(TNotifyEvent::Of<&EventLog::Clicked>(&log));
  SendMessageA(window, CB_SETCURSEL, 1, 0);
  SendMessageA(panel->Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(window));
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(log.entries, std::vector<std::string>{"click CombPicType"});
  combo->Items()->Delete(1);
  EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(ControlsOnForm, MemoLinesAndWindowTextAgree) {
  auto* memo = Add<TMemo>("Memo1", 0, 0, 185, 50);
  memo->Lines()->Add("C:\\a.exe");
  HWND window = memo->Handle();
  memo->Lines()->Add("C:\\b.dll");
  char text[64] = "";
  GetWindowTextA(window, text, sizeof text);
  EXPECT_STREQ(text, "C:\\a.exe\r\nC:\\b.dll");
  // Typing in the window reaches the lines.
  SendMessageA(window, EM_SETSEL, 0, -1);
  SendMessageA(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("typed\r\nlines\r\nhere"));
  EXPECT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->Lines()->Get(2), "here");
  memo->Lines()->Clear();
  EXPECT_EQ(GetWindowTextLengthA(window), 0);
  memo->Hide();
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(ControlsOnForm, MemoWindowTakesLinesAddedAtTheEndOrInsideWithoutALimit) {
  auto* memo = Add<TMemo>("Memo1", 0, 0, 185, 50);
  HWND window = memo->Handle();
  const std::string line(99, 'x');
  std::string expected;
  for (int i = 0; i < 400; ++i) {
    memo->Lines()->Add(line);
    expected += (i ? "\r\n" : "") + line;
  }
  memo->Lines()->Insert(1, "second");
  expected.insert(line.size() + 2, "second\r\n");
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)), '\0');
  GetWindowTextA(window, &text[0], static_cast<int>(text.size()) + 1);
  EXPECT_EQ(text.size(), expected.size());
  EXPECT_TRUE(text == expected);
  EXPECT_EQ(memo->Lines()->Count(), 401);
}

TEST_F(ControlsOnForm, WindowlessControlsAreClickedPaintedAndSized) {
  auto* label = Add<TLabel>("Label5", 0, 0, 10, 10);
  label->SetAlignment(taRightJustify);
  label->SetBounds(100, 7, 10, 10);
  label->SetCaption("主页:");
  // Auto-sized and still ending where it ended.
  EXPECT_EQ(label->Left() + label->Width(), 110);
  EXPECT_GT(label->Width(), 10);
  label->SetOnClick(TNotifyEvent::Of<&EventLog::Clicked>(&log));
  auto* image = Add<TImage>("Image1", 300, 0, 25, 17);
  image->Hide();

  form.Show();
  HWND window = panel->Handle();
  const LPARAM at = MAKELPARAM(label->Left() + 2, label->Top() + 2);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(window, WM_LBUTTONUP, 0, at);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 60));
  EXPECT_EQ(log.entries, std::vector<std::string>{"click Label5"});
  EXPECT_EQ(panel->ControlAtPos({301, 1}), nullptr);

  // The label's text is painted by the panel into a memory DC.
  TBitmap shot;
  shot.SetBitCount(32);
  shot.SetSize(panel->Width(), panel->Height());
  label->Font()->SetColor(clRed);
  UpdateWindow(window);
  SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shot.Canvas()->Handle()), PRF_CLIENT);
  int red = 0;
  for (int y = label->Top(); y < label->Top() + label->Height(); ++y)
    for (int x = label->Left(); x < label->Left() + label->Width(); ++x)
      red += shot.Canvas()->Pixel(x, y) == RGB(255, 0, 0);
  EXPECT_GT(red, 5);
}

class TimerCounter : public TComponent {
public:
  TimerCounter() : TComponent(nullptr) {}
  void Tick(TObject* sender) {
    if (++ticks == 2) static_cast<TTimer*>(sender)->SetEnabled(false);
  }
  int ticks = 0;
};

TEST(Timers, FireWhileEnabledOnTheMessageLoop) {
  TimerCounter counter;
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.SetOnTimer(TNotifyEvent::Of<&TimerCounter::Tick>(&counter));
  const DWORD start = GetTickCount();
  while (counter.ticks < 2 && GetTickCount() - start < 5000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    Pump();
  }
  EXPECT_EQ(counter.ticks, 2);
  Sleep(50);
  Pump();
  EXPECT_EQ(counter.ticks, 2);
  EXPECT_FALSE(timer.Enabled());
}

TEST(PopupMenus, HoldAnEmptyMenu) {
  TPopupMenu menu(nullptr);
  EXPECT_EQ(menu.ItemCount(), 0);
  EXPECT_TRUE(IsMenu(menu.Handle()));
  EXPECT_EQ(menu.ItemCount(), 0);
}

// A form whose layout comes from a form resource, with fields and a published handler.
class TResourceForm : public TForm {
public:
  explicit TResourceForm(const std::string& text) : TForm(nullptr) {
    ReadComponentText(*this, text);
    DoCreate();
  }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("TResourceForm", &TForm::StaticClassInfo(), nullptr, {},
                                 {Method<&TResourceForm::FormCreate>("FormCreate"),
                                  Method<&TResourceForm::ButtonClick>("ButtonClick")},
                                 {Field<&TResourceForm::Panel1>("Panel1"), Field<&TResourceForm::Button1>("Button1"),
                                  Field<&TResourceForm::List1>("List1"), Field<&TResourceForm::Large>("Large"),
                                  Field<&TResourceForm::Combo1>("Combo1")});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void FormCreate(TObject*) { created = Panel1 != nullptr; }
  void ButtonClick(TObject*) { ++clicks; }

  TPanel* Panel1 = nullptr;
  TBitBtn* Button1 = nullptr;
  TListView* List1 = nullptr;
  TImageList* Large = nullptr;
  TComboBox* Combo1 = nullptr;
  bool created = false;
  int clicks = 0;
};

// The hexadecimal text of a 2x2 picture with one red pixel, as a form resource holds it.
std::string GlyphHex() {
  TBitmap glyph;
  glyph.SetSize(2, 2);
  glyph.ScanLine(0)[2] = 0xFF;
  TMemoryStream s;
  glyph.SaveToStream(s);
  std::string hex;
  char digits[3];
  for (uint8_t b : s.Bytes()) {
    snprintf(digits, sizeof digits, "%02X", b);
    hex += digits;
  }
  return hex;
}

TEST(FormResources, BuildTheFormTheResourceDescribes) {
  std::string text = R"(object ResourceForm: TResourceForm
  Caption = "图标"
  ClientWidth = 300
  ClientHeight = 200
  BorderIcons = []
  FormStyle = fsStayOnTop
  Position = poDesktopCenter
  Font.Name = "Arial"
  Font.Height = -11
  Font.Charset = ANSI_CHARSET
  OnCreate = FormCreate
  object Panel1: TPanel
    Align = alTop
    Height = 41
    object Button1: TBitBtn
      Left = 8
      Top = 8
      Width = 41
      Height = 25
      Hint = "选择要提取的文件"
      OnClick = ButtonClick
      Glyph.Data = { GLYPH }
    end
    object Combo1: TComboBox
      Left = 257
      ItemIndex = 1
      Style = csDropDownList
      Items = ("图标", "图片")
    end
  end
  object List1: TListView
    Align = alClient
    LargeImages = Large
    ViewStyle = vsIcon
    MultiSelect = True
  end
  object Large: TImageList
    Width = 32
    Height = 32
  end
end
)";
  text.replace(text.find("GLYPH"), 5, GlyphHex());
  TResourceForm form(text);
  EXPECT_TRUE(form.created);
  EXPECT_EQ(form.Caption(), "图标");
  EXPECT_EQ(form.BorderIcons(), 0u);
  EXPECT_EQ(form.Font()->Name(), "Arial");
  EXPECT_EQ(form.Font()->Charset(), ANSI_CHARSET);
  EXPECT_EQ(form.Panel1->Font()->Name(), "Arial");
  ASSERT_NE(form.Button1, nullptr);
  EXPECT_EQ(form.Button1->Parent(), form.Panel1);
  EXPECT_EQ(form.List1->LargeImages(), form.Large);
  EXPECT_EQ(form.Large->Width(), 32);
  EXPECT_EQ(form.Combo1->ItemIndex(), 1);
  EXPECT_EQ(form.List1->BoundsRect().top, 41);
  EXPECT_EQ(form.List1->BoundsRect().bottom, 200);
  EXPECT_EQ(form.List1->Width(), 300);
  ASSERT_EQ(form.Button1->Glyph()->Width(), 2);
  EXPECT_EQ(form.Button1->Glyph()->ScanLine(0)[2], 0xFF);
  SendMessageA(form.Button1->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.clicks, 1);
}

}  // namespace
}  // namespace tmv

namespace tmv {
namespace {

class TEnterLeaveLabel : public TLabel {
public:
  using TLabel::TLabel;
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_MOUSEENTER) log.push_back("enter " + Name());
    if (m.Msg == CM_MOUSELEAVE) log.push_back("leave " + Name());
    TLabel::WndProc(m);
  }
  static std::vector<std::string> log;
};
std::vector<std::string> TEnterLeaveLabel::log;

class TEnterLeavePanel : public TPanel {
public:
  using TPanel::TPanel;
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_MOUSEENTER) TEnterLeaveLabel::log.push_back("enter panel");
    if (m.Msg == CM_MOUSELEAVE) TEnterLeaveLabel::log.push_back("leave panel");
    TPanel::WndProc(m);
  }
};

TEST(MouseTracking, ControlsHearTheMouseComeAndGo) {
  TForm form(nullptr);
  auto* panel = new TEnterLeavePanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(0, 0, 200, 50);
  auto* a = new TEnterLeaveLabel(&form);
  a->SetName("a");
  a->SetAutoSize(false);
  a->SetBounds(10, 10, 30, 20);
  a->SetParent(panel);
  auto* b = new TEnterLeaveLabel(&form);
  b->SetName("b");
  b->SetAutoSize(false);
  b->SetBounds(100, 10, 30, 20);
  b->SetParent(panel);
  HWND window = panel->Handle();
  TEnterLeaveLabel::log.clear();

  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(15, 15));
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(16, 16));
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(110, 15));
  SendMessageA(window, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(TEnterLeaveLabel::log, (std::vector<std::string>{"enter panel", "enter a", "leave a", "enter b",
                                                              "leave b", "leave panel"}));
  // A child that goes while the mouse is on it is not told of leaving afterwards.
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(110, 15));
  delete b;
  TEnterLeaveLabel::log.clear();
  SendMessageA(window, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(TEnterLeaveLabel::log, std::vector<std::string>{"leave panel"});
}

}  // namespace
}  // namespace tmv

namespace tmv {
namespace {

class TSelfDrawn : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  HDC paintedOn = nullptr;

protected:
  void Paint() override {
    paintedOn = Canvas()->Handle();
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect({0, 0, 4, 4});
  }
};

TEST(CustomControls, PaintDrawsOnTheCanvasOfThePaintInProgress) {
  TForm form(nullptr);
  auto* drawn = new TSelfDrawn(&form);
  drawn->SetParent(&form);
  drawn->SetBounds(0, 0, 10, 10);
  EXPECT_EQ(drawn->Canvas()->Handle(), nullptr);
  TBitmap face;
  face.SetBitCount(32);
  face.SetSize(10, 10);
  SendMessageA(drawn->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(face.Canvas()->Handle()), PRF_CLIENT);
  EXPECT_EQ(drawn->paintedOn, face.Canvas()->Handle());
  EXPECT_EQ(drawn->Canvas()->Handle(), nullptr);
  EXPECT_EQ(face.Canvas()->Pixel(3, 3), RGB(255, 0, 0));
  EXPECT_EQ(face.Canvas()->Pixel(4, 4), RGB(0, 0, 0));

  // Without a face of its own the control shows its background, its colour.
  auto* plain = new TCustomControl(&form);
  plain->SetParent(&form);
  plain->SetBounds(0, 0, 10, 10);
  plain->SetColor(clBlue);
  SendMessageA(plain->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(face.Canvas()->Handle()),
               PRF_ERASEBKGND | PRF_CLIENT);
  EXPECT_EQ(face.Canvas()->Pixel(4, 4), RGB(0, 0, 255));
}

}  // namespace
}  // namespace tmv
