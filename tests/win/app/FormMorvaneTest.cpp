#include "app/UnitFormMorvane.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/IconNaming.h"
#include "fixtures/FixtureIcons.h"
#include "framework/core/Streams.h"
#include "skin/hint/SkinHintWindow.h"
#include "skin/shell/SkinShellCtrls.h"
#include "win/controls/SkinControlsTestSupport.h"
#include "win/framework/TestSupport.h"

namespace tmv {
namespace {

std::string WindowsPath(std::string unixPath) {
  for (char& c : unixPath)
    if (c == '/') c = '\\';
  return "Z:" + unixPath;
}

// Executables and libraries of known icons, built with the tests.
std::string Fixture(const char* name) { return WindowsPath(TM_BUILD_DIR "/fixtures/") + name; }

std::string SystemFile(const char* name) {
  char dir[MAX_PATH] = "";
  GetSystemDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\" + name;
}

bool FileExists(const std::string& name) {
  const DWORD attributes = GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

long FileSize(const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data)) return -1;
  return static_cast<long>(data.nFileSizeLow);
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

// A fresh folder under the temporary folder, removed with everything in it at the end.
// The 32×32 pixels an icon shows when drawn over a colour no fixture uses.
std::vector<COLORREF> IconPixels(HICON icon) {
  constexpr int kSize = 32;
  constexpr COLORREF kBackground = RGB(1, 2, 3);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, kSize, kSize);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(kBackground);
  const RECT all = {0, 0, kSize, kSize};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  DrawIconEx(dc, 0, 0, icon, kSize, kSize, 0, nullptr, DI_NORMAL);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

bool ShowsAnything(const std::vector<COLORREF>& pixels) {
  return std::any_of(pixels.begin(), pixels.end(), [&](COLORREF c) { return c != pixels.front(); }) ||
         pixels.front() != RGB(1, 2, 3);
}

// What a written icon file shows.
std::vector<COLORREF> IconFilePixels(const std::string& name) {
  UniqueIcon icon(static_cast<HICON>(LoadImageA(nullptr, name.c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE)));
  return icon ? IconPixels(icon.Get()) : std::vector<COLORREF>{};
}

class TempFolder {
public:
  TempFolder() {
    char base[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, base);
    static int serial = 0;
    path_ = std::string(base) + "tm-app-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TempFolder() { Remove(path_); }
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
  static void Remove(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          Remove(folder + "\\" + name);
        else
          DeleteFileA((folder + "\\" + name).c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
  }
  std::string path_;
};

std::wstring Wide(const std::string& ansi) {
  std::wstring wide(ansi.size(), L'\0');
  wide.resize(size_t(MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), &wide[0], int(wide.size()))));
  return wide;
}

// A drop of these names, as the shell hands it to the window: in the ANSI code page, or in
// wide characters for names of any characters.
template <class C>
HDROP MakeDropOf(const std::vector<std::basic_string<C>>& names) {
  size_t chars = 1;
  for (const auto& n : names) chars += n.size() + 1;
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(C));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = sizeof(C) > 1;
  C* text = reinterpret_cast<C*>(drop + 1);
  for (const auto& n : names) {
    memcpy(text, n.c_str(), (n.size() + 1) * sizeof(C));
    text += n.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

HDROP MakeDrop(const std::vector<std::string>& names) { return MakeDropOf(names); }

// Answers the folder dialog with a folder (an empty one cancels) and keeps what it was shown.
class FolderAnswer {
public:
  explicit FolderAnswer(std::string folder) : folder_(std::move(folder)) {
    SetFolderBrowserHook([this](BROWSEINFOA& info) -> LPITEMIDLIST {
      ++shown;
      prompt = info.lpszTitle ? info.lpszTitle : "";
      flags = info.ulFlags;
      startFolder = info.lpfn ? reinterpret_cast<const char*>(info.lParam) : "";
      owner = info.hwndOwner;
      ownerEnabledWhileOpen = IsWindowEnabled(form) != FALSE;
      errorModeWhileOpen = SetErrorMode(0);
      SetErrorMode(errorModeWhileOpen);
      return folder_.empty() ? nullptr : ILCreateFromPathA(folder_.c_str());
    });
  }
  ~FolderAnswer() {
    SetFolderBrowserHook([](BROWSEINFOA&) -> LPITEMIDLIST {
      ADD_FAILURE() << "unexpected folder dialog";
      return nullptr;
    });
  }
  int shown = 0;
  std::string prompt, startFolder;
  UINT flags = 0;
  HWND form = nullptr, owner = nullptr;
  bool ownerEnabledWhileOpen = true;
  UINT errorModeWhileOpen = 0;

private:
  std::string folder_;
};

struct MainWindow : testing::Test {
  MainWindow() {
    SaveAllMode = false;
    form = new TFormMorvane(nullptr);
    form->Show();
    Pump();
  }
  ~MainWindow() override {
    delete form;
    SetOpenFileDialogHook(nullptr);
  }

  void Drop(const std::vector<std::string>& names) {
    SendMessageA(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(names)), 0);
  }
  void DropWide(const std::vector<std::wstring>& names) {
    SendMessageA(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropOf(names)), 0);
  }
  // Names in one folder, chosen in the open dialog.
  void OpenFiles(const std::string& folder, const std::vector<std::string>& names) {
    std::vector<std::wstring> wideNames;
    for (const auto& n : names) wideNames.push_back(Wide(n));
    OpenFilesWide(Wide(folder), wideNames);
  }
  void OpenFilesWide(const std::wstring& folder, const std::vector<std::wstring>& names) {
    SetOpenFileDialogHook([folder, names](OPENFILENAMEW& ofn) {
      std::wstring buffer = folder + L'\0';
      for (const auto& n : names) buffer += n + L'\0';
      buffer += L'\0';
      if (buffer.size() > ofn.nMaxFile) return FALSE;
      memcpy(ofn.lpstrFile, buffer.data(), buffer.size() * sizeof(wchar_t));
      return TRUE;
    });
    Click(form->BTNSelFile);
  }
  // A press of Space as the button's window reports it, so an error is shown the way the
  // program shows it; the focus stays where it is.
  void Click(TWinControl* button) {
    HWND window = button->Handle();
    SendMessageA(window, WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageA(window, WM_KEYUP, VK_SPACE, 0xC0390001);
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    TListItems& items = *form->ListView1->Items();
    for (int i = 0; i < items.Count(); ++i) captions.push_back(items[i]->Caption());
    return captions;
  }
  int WindowItemCount() { return static_cast<int>(SendMessageA(form->ListView1->Handle(), LVM_GETITEMCOUNT, 0, 0)); }
  void ExpectListInStep(int count) {
    EXPECT_EQ(form->ListView1->Items()->Count(), count);
    EXPECT_EQ(WindowItemCount(), count);
    EXPECT_EQ(form->SmallImage->Count(), count);
    EXPECT_EQ(form->LargeImage->Count(), count);
    EXPECT_EQ(IconCount, count);
    for (int i = 0; i < form->ListView1->Items()->Count(); ++i)
      EXPECT_EQ((*form->ListView1->Items())[i]->ImageIndex(), i);
  }

  TFormMorvane* form;
};

TEST_F(MainWindow, IsReadFromItsResourceWithEveryPartInPlace) {
  EXPECT_EQ(form->Caption(), "TalvexMorvane V2.5(文件图标提取器)");
  // The skinned frame keeps the size the window was made with (667 x 363 inside the plain
  // frame) and takes its own borders from it, as the stored skin's frame picture has them.
  const TRect& inside = form->spSkinData1->FormInfo.ClRect;
  const TBitmap& frame = form->spSkinData1->Picture();
  EXPECT_EQ(form->Width() - form->ClientWidth(), frame.Width() - inside.Width());
  EXPECT_EQ(form->Height() - form->ClientHeight(), frame.Height() - inside.Height());
  EXPECT_EQ(form->ClientWidth(), 667);
  EXPECT_EQ(form->FormStyle(), fsStayOnTop);
  EXPECT_TRUE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  EXPECT_EQ(form->spSkinPanel1->Height(), 41);
  EXPECT_EQ(form->BTNSelFile->Hint(), "选择要提取的文件");
  EXPECT_TRUE(form->RB32->Checked());
  EXPECT_TRUE(form->RB16->Flat());
  EXPECT_FALSE(form->RB16->Checked());
  EXPECT_EQ(form->CombPicType->Items()->ToVector(), (std::vector<std::string>{"图标", "图片"}));
  EXPECT_EQ(form->CombPicType->ItemIndex(), 0);
  EXPECT_EQ(form->LargeImage->Width(), 32);
  EXPECT_EQ(form->SmallImage->Width(), 16);
  EXPECT_EQ(form->ListView1->LargeImages(), form->LargeImage);
  EXPECT_EQ(form->ListView1->SmallImages(), form->SmallImage);
  EXPECT_TRUE(form->ListView1->MultiSelect());
  EXPECT_FALSE(form->Memo1->Visible());
  EXPECT_FALSE(form->Image2->Visible());
  EXPECT_EQ(form->OpenDialog1->Title(), "选择要提取图标的文件");
  EXPECT_EQ(form->OpenDialog1->Options(), TOpenOptions(ofHideReadOnly | ofAllowMultiSelect | ofEnableSizing));
  // The list fills what the tool panel and the status bar leave.
  EXPECT_EQ(form->ListView1->Top(), 41);
  EXPECT_EQ(form->ListView1->Height(), form->ClientHeight() - 41 - 21);
  EXPECT_EQ(form->ProductPage(), form->RzURLLabel4->URL());
  EXPECT_EQ(form->RzURLLabel1->URL(), "mailto:" + form->RzURLLabel1->Caption());
}

TEST_F(MainWindow, LoadsTheStoredDefaultSkinWhenItIsMade) {
  ASSERT_NE(form->spSkinData1, nullptr);
  ASSERT_NE(form->spCompressedStoredSkin1, nullptr);
  EXPECT_EQ(form->spCompressedStoredSkin1->CompressedFileName(), "默认win7.skn");
  EXPECT_FALSE(form->spCompressedStoredSkin1->IsStoreEmpty());
  EXPECT_EQ(form->spSkinData1->CompressedStoredSkin(), form->spCompressedStoredSkin1);
  ASSERT_FALSE(form->spSkinData1->SkinEmpty()) << form->spSkinData1->LastError();
  for (const char* name : {"button", "radiobox", "panel", "statusbar", "statuspanel", "combobox"})
    EXPECT_NE(form->spSkinData1->FindControlIndex(name), -1) << name;
}

bool SameFace(const TFaceShot& a, const TFaceShot& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.At(x, y) != b.At(x, y)) return false;
  return true;
}

TEST_F(MainWindow, EverySkinnedPartIsDrawnFromItsEntryInTheStoredSkin) {
  const std::vector<std::pair<TspSkinCustomControl*, const char*>> parts = {
      {form->spSkinPanel1, "panel"},        {form->BTNSelFile, "button"},
      {form->RB16, "radiobox"},             {form->RB32, "radiobox"},
      {form->BTNSave, "button"},            {form->BTNSaveAll, "button"},
      {form->BTNHelp, "button"},            {form->BtnUpdate, "button"},
      {form->AppStatusBar, "statusbar"},    {form->spSkinStatusPanel1, "statuspanel"}};
  for (auto& [control, name] : parts) {
    EXPECT_EQ(control->SkinData(), form->spSkinData1) << control->Name();
    EXPECT_EQ(control->SkinDataName(), name) << control->Name();
    EXPECT_NE(control->SkinIndex(), -1) << control->Name();
    EXPECT_EQ(control->SkinIndex(), form->spSkinData1->FindControlIndex(name)) << control->Name();
    // What it shows is the skin's picture, not the built-in look it falls back to without one.
    const TFaceShot skinned(*control);
    control->SetSkinDataName("");
    const TFaceShot builtIn(*control);
    control->SetSkinDataName(name);
    EXPECT_FALSE(SameFace(skinned, builtIn)) << control->Name();
  }
}

// Leaves the pointer in the screen's corner, where no test puts a window: the system reports
// a pointer over a window to it, on its own time, also in later test programs.
void ParkPointer() { SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1); }

// The application shows hints for its main form only, so this window is made as that.
TEST(MainWindowHints, AreDrawnByTheSkinHint) {
  auto* form = Application()->CreateForm<TFormMorvane>();
  ASSERT_EQ(Application()->MainForm(), form);
  form->Show();
  Pump();
  ASSERT_NE(form->spSkinHint1, nullptr);
  EXPECT_TRUE(form->spSkinHint1->Active());
  EXPECT_EQ(form->spSkinHint1->SkinData(), form->spSkinData1);
  HWND button = form->BTNSave->Handle();
  const POINT middle = {form->BTNSave->Width() / 2, form->BTNSave->Height() / 2};
  POINT cursor = middle;
  ClientToScreen(button, &cursor);
  SetCursorPos(cursor.x, cursor.y);
  // The system reports the move on its own time, maybe from where the mouse was; the mouse
  // resting on the button says where it is until the hint shows.
  EXPECT_TRUE(PumpUntil([&] {
    PostMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(middle.x, middle.y));
    return Application()->HintWindow()->Showing();
  }));
  auto* window = dynamic_cast<TspSkinHintWindow*>(Application()->HintWindow());
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->Skinned());
  EXPECT_EQ(window->Caption(), "保存当前选中图标");
  Application()->CancelHint();
  delete form;
  Pump();
  ParkPointer();
}

// Puts the pointer on a caption button of the frame and presses the mouse button there, as the
// system reports it: hovered first, then the press in the non-client area.
void PressFrameButton(TForm& form, TspDynamicSkinForm& frame, const TspSkinStdButtonObject& button) {
  RECT window;
  GetWindowRect(form.Handle(), &window);
  const TRect& r = button.ObjectRect;
  const POINT at = {window.left + (r.Left + r.Right) / 2, window.top + (r.Top + r.Bottom) / 2};
  SetCursorPos(at.x, at.y);
  const LRESULT hit = SendMessageA(form.Handle(), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
  ASSERT_TRUE(PumpUntil([&] { return frame.HoverIndex() >= 0; }));
  PostMessageA(form.Handle(), WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), MAKELPARAM(at.x, at.y));
  Pump();
}

void ReleaseFrameButton(TForm& form) {
  PostMessageA(form.Handle(), WM_LBUTTONUP, 0, 0);
  Pump();
}

TEST_F(MainWindow, TheSystemMenuButtonOpensNoMenuAndLeavesTheKeyboardToTheWindow) {
  TspDynamicSkinForm& frame = *form->spDynamicSkinForm1;
  auto* button = dynamic_cast<TspSkinStdButtonObject*>(frame.FindObject("sysmenubutton"));
  ASSERT_NE(button, nullptr);
  PressFrameButton(*form, frame, *button);
  EXPECT_TRUE(button->Down()) << "pressed";
  EXPECT_FALSE(frame.SkinMenuOpen());
  EXPECT_FALSE(frame.SkinMenu().Showing());
  ReleaseFrameButton(*form);
  EXPECT_FALSE(button->Down());
  // No menu watches the keyboard: a key still reaches the focused button.
  bool asked = false;
  SetOpenFileDialogHook([&](OPENFILENAMEW&) {
    asked = true;
    return FALSE;
  });
  form->BTNSelFile->SetFocus();
  PostMessageA(form->BTNSelFile->Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
  PostMessageA(form->BTNSelFile->Handle(), WM_KEYUP, VK_SPACE, 0xC0390001);
  Pump();
  EXPECT_TRUE(asked);
  ParkPointer();
}

TEST_F(MainWindow, TheRollUpButtonOfTheStoredSkinRollsTheWindowUpAndLetsItDownAgain) {
  TspDynamicSkinForm& frame = *form->spDynamicSkinForm1;
  auto* rollUp = dynamic_cast<TspSkinStdButtonObject*>(frame.FindObject("rollupbutton"));
  auto* minimize = dynamic_cast<TspSkinStdButtonObject*>(frame.FindObject("minimizebutton"));
  ASSERT_NE(rollUp, nullptr);
  ASSERT_NE(minimize, nullptr);
  ASSERT_TRUE(rollUp->Visible);
  EXPECT_EQ(rollUp->ObjectHint, minimize->ObjectHint) << "the window's caption buttons show no hints";
  const TspSkinData& skin = *form->spSkinData1;
  const auto& data = dynamic_cast<const TspDataSkinStdButton&>(*skin.ObjectList[skin.FindObjectIndex("rollupbutton")]);
  EXPECT_EQ(data.Command, cmRollUp);
  EXPECT_FALSE(data.RestoreRect.IsEmpty()) << "an image for letting the window down";
  // Last in the caption row, left of the minimize button and as far from it as the others are.
  EXPECT_EQ(rollUp->ObjectRect.Top, minimize->ObjectRect.Top);
  EXPECT_EQ(minimize->ObjectRect.Left - rollUp->ObjectRect.Right, form->spSkinData1->FormInfo.ButtonsOffset);
  const int height = form->Height();

  PressFrameButton(*form, frame, *rollUp);
  ReleaseFrameButton(*form);
  EXPECT_TRUE(frame.RolledUp());
  EXPECT_LT(form->Height(), height);

  PressFrameButton(*form, frame, *rollUp);
  ReleaseFrameButton(*form);
  EXPECT_FALSE(frame.RolledUp());
  EXPECT_EQ(form->Height(), height);
  ParkPointer();
}

TEST_F(MainWindow, ClosingStopsTakingDropsAndFreesTheWindow) {
  const int forms = Screen()->FormCount();
  HWND window = form->Handle();
  form->Close();
  EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  Pump();
  EXPECT_EQ(Screen()->FormCount(), forms - 1);
  EXPECT_FALSE(IsWindow(window));
  form = nullptr;
}

TEST_F(MainWindow, DroppedExecutablesGiveAllTheirIconsNumberedAcrossFiles) {
  Drop({Fixture("fixture_icons3.dll"), Fixture("fixture_icons2.exe")});
  ExpectListInStep(5);
  const std::string a = Fixture("fixture_icons3.dll"), b = Fixture("fixture_icons2.exe");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"1:" + a, "2:" + a, "3:" + a, "4:" + b, "5:" + b}));
  EXPECT_EQ(form->Memo1->Lines()->ToVector(), (std::vector<std::string>{a, b}));
}

// What reaches the list view's window that decides how often it redraws: redrawing held back
// and let go, the list emptied, and runs of inserted items.
class ListViewLog : public TComponent {
public:
  explicit ListViewLog(TListView& view) : TComponent(nullptr), view_(view) {
    view_.AddWindowHook(TWindowHook::Of<&ListViewLog::Hook>(this));
  }
  ~ListViewLog() override { view_.RemoveWindowHook(TWindowHook::Of<&ListViewLog::Hook>(this)); }
  void Hook(TMessage& m, const TWindowHookNext& next) {
    if (m.Msg == WM_SETREDRAW) entries.push_back(m.WParam ? "redraw on" : "redraw off");
    if (m.Msg == LVM_DELETEALLITEMS) entries.push_back("clear");
    if (m.Msg == LVM_INSERTITEMA) {
      if (entries.empty() || entries.back().rfind("insert ", 0) != 0) entries.push_back("insert 0");
      entries.back() = "insert " + std::to_string(std::stoi(entries.back().substr(7)) + 1);
    }
    next(m);
  }
  std::vector<std::string> entries;

private:
  TListView& view_;
};

TEST_F(MainWindow, AGatheringHoldsTheListsRedrawingBackUntilItEnds) {
  ListViewLog log(*form->ListView1);
  Drop({Fixture("fixture_icons3.dll"), Fixture("fixture_icons2.exe")});
  OpenFiles(Fixture(""), {"fixture_icons3.dll"});
  const std::vector<std::string> expected = {"redraw off", "clear", "insert 5", "redraw on",
                                             "redraw off", "clear", "insert 3", "redraw on"};
  EXPECT_EQ(log.entries, expected);
  EXPECT_TRUE(IsWindowVisible(form->ListView1->Handle()));
}

TEST_F(MainWindow, DroppedFoldersAndMissingFilesAreSkippedAndTheListStartsAgain) {
  Drop({Fixture("fixture_icons3.dll")});
  TempFolder folder;
  Drop({folder.Path(), SystemFile("")});
  ExpectListInStep(0);
  EXPECT_EQ(form->Memo1->Lines()->Count(), 0);
  Drop({folder / "missing.exe", Fixture("fixture_icons2.exe")});
  ExpectListInStep(2);
}

TEST_F(MainWindow, ExtensionsAreMatchedInAnyCaseAndOnlyInTheFileName) {
  TempFolder folder;
  CreateDirectoryA((folder / "my.dll.d").c_str(), nullptr);
  const std::string upper = folder / "TWO.EXE", plain = folder / "my.dll.d\\readme";
  CopyFileA(Fixture("fixture_icons2.exe").c_str(), upper.c_str(), FALSE);
  CopyFileA(Fixture("fixture_icons2.exe").c_str(), plain.c_str(), FALSE);
  Drop({Fixture("fixture_icons2.exe"), upper, plain});
  // 2 + 2 from the resources, 1 from the shell for the file without extension.
  ExpectListInStep(5);
  EXPECT_EQ(Captions().back(), "5:" + plain);
}

TEST_F(MainWindow, LibraryWithoutIconsGivesTheShellsIcon) {
  Drop({Fixture("fixture_noicons.dll")});
  ExpectListInStep(1);
  UniqueIcon listed(form->LargeImage->GetIcon(0));
  SHFILEINFOA info = {};
  SHGetFileInfoA(Fixture("fixture_noicons.dll").c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON);
  UniqueIcon shell(info.hIcon);
  ASSERT_TRUE(listed && shell);
  // The shell's picture as a list like the window's keeps it, not the transparent placeholder
  // of a file without any.
  TImageList kept(nullptr);
  kept.SetWidth(32);
  kept.SetHeight(32);
  kept.SetMasked(form->LargeImage->Masked());
  kept.SetColorDepth(form->LargeImage->ColorDepth());
  ASSERT_EQ(kept.AddIcon(shell.Get()), 0);
  UniqueIcon expected(kept.GetIcon(0));
  EXPECT_TRUE(ShowsAnything(IconPixels(listed.Get())));
  EXPECT_EQ(IconPixels(listed.Get()), IconPixels(expected.Get()));
}

TEST_F(MainWindow, FilesWithoutAnyPictureStillGetANumberedItem) {
  // Not an executable in spite of its name, and a name of no file: neither resources nor
  // the shell give a picture.
  OpenFiles(Fixture(""), {"fixture_broken.exe", "gone.dll"});
  ExpectListInStep(2);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"1:" + Fixture("fixture_broken.exe"), "2:" + Fixture("gone.dll")}));
}

TEST_F(MainWindow, OpenDialogCancelledKeepsTheList) {
  Drop({Fixture("fixture_icons2.exe")});
  SetOpenFileDialogHook([](OPENFILENAMEW&) { return FALSE; });
  Click(form->BTNSelFile);
  ExpectListInStep(2);
}

// Copies of a library built with the tests, each damaged where the system's icon reader
// trusts the file: the fields are found by following the library's own headers.
class DamagedLibraries {
public:
  explicit DamagedLibraries(const std::string& folder) : folder_(folder) {
    TMemoryStream file;
    file.LoadFromFile(Fixture("fixture_icons3.dll"));
    original_ = file.Bytes();
    const size_t header = U32(0x3C), table = header + 24 + U16(header + 20);
    for (size_t section = table; section < table + 40 * U16(header + 6); section += 40)
      if (std::string(reinterpret_cast<const char*>(&original_[section])) == ".rsrc") {
        rawOffsetField_ = section + 20;
        root_ = U32(section + 20);
        resourceAddress_ = U32(section + 12);
      }
    for (size_t entry = root_ + 16; entry < root_ + 16 + 8 * (U16(root_ + 12) + U16(root_ + 14)); entry += 8)
      if (U32(entry) == 14) groups_ = Target(entry);
    const size_t languages = Target(groups_ + 16), dataEntry = Target(languages + 16);
    firstGroupHeader_ = U32(dataEntry) - resourceAddress_ + root_;
  }

  // name, the file's bytes with a 16-bit or 32-bit field set to value.
  std::string With16(const char* name, size_t field, uint16_t value) {
    std::vector<uint8_t> bytes = original_;
    bytes[field] = uint8_t(value);
    bytes[field + 1] = uint8_t(value >> 8);
    return Write(name, bytes);
  }
  std::string With32(const char* name, size_t field, uint32_t value) {
    With16(name, field + 2, uint16_t(value >> 16));
    std::vector<uint8_t> bytes = Read(name);
    bytes[field] = uint8_t(value);
    bytes[field + 1] = uint8_t(value >> 8);
    return Write(name, bytes);
  }
  std::string CutAt(size_t size) {
    return Write(("cut" + std::to_string(size) + ".dll").c_str(),
                 std::vector<uint8_t>(original_.begin(), original_.begin() + long(size)));
  }

  size_t Size() const { return original_.size(); }
  size_t ResourcesStart() const { return root_; }
  size_t RawOffsetField() const { return rawOffsetField_; }
  size_t RootNamedCount() const { return root_ + 12; }
  size_t RootNumberedCount() const { return root_ + 14; }
  size_t GroupCount() const { return groups_ + 14; }
  size_t FirstGroupsIconCount() const { return firstGroupHeader_ + 4; }

private:
  uint16_t U16(size_t at) const { return uint16_t(original_[at] | original_[at + 1] << 8); }
  uint32_t U32(size_t at) const { return U16(at) | uint32_t(U16(at + 2)) << 16; }
  size_t Target(size_t entry) const { return root_ + (U32(entry + 4) & 0x7FFFFFFF); }
  std::string Write(const char* name, const std::vector<uint8_t>& bytes) {
    TMemoryStream(bytes).SaveToFile(folder_ + "\\" + name);
    return folder_ + "\\" + name;
  }
  std::vector<uint8_t> Read(const char* name) {
    TMemoryStream file;
    file.LoadFromFile(folder_ + "\\" + name);
    return file.Bytes();
  }

  std::string folder_;
  std::vector<uint8_t> original_;
  size_t rawOffsetField_ = 0, root_ = 0, resourceAddress_ = 0, groups_ = 0, firstGroupHeader_ = 0;
};

COLORREF CentrePixel(TImageList& list, int index) {
  UniqueIcon icon(list.GetIcon(index));
  ICONINFO info{};
  GetIconInfo(icon.Get(), &info);
  UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, colour.Get());
  const COLORREF pixel = GetPixel(dc, 20, 16);
  SelectObject(dc, old);
  DeleteDC(dc);
  return pixel;
}

TEST_F(MainWindow, DamagedLibrariesGiveTheShellsIconWhereTheyAreDamagedAndNothingIsLost) {
  TempFolder folder;
  DamagedLibraries library(folder.Path());
  const std::vector<std::string> wholeFileDamage = {
      library.With16("root_numbered.dll", library.RootNumberedCount(), 0xFFFF),
      library.With16("root_named.dll", library.RootNamedCount(), 0xFFFF),
      library.With16("group_directory.dll", library.GroupCount(), 0xFFFF),
      library.With32("resources_past_end.dll", library.RawOffsetField(), uint32_t(library.Size() + 0x10000)),
      library.CutAt(4096),
  };
  std::vector<std::string> drop = wholeFileDamage;
  drop.push_back(library.With16("group_entries.dll", library.FirstGroupsIconCount(), 0xFFFF));
  // Cuts through the headers, at half the length (past this library's resources), then every
  // few hundred bytes through the resources.
  std::vector<std::string> cuts;
  for (size_t size : {size_t(64), size_t(300), size_t(1024), library.Size() / 2}) cuts.push_back(library.CutAt(size));
  for (size_t size = library.ResourcesStart(); size < library.Size(); size += 1021) cuts.push_back(library.CutAt(size));
  drop.insert(drop.end(), cuts.begin(), cuts.end());
  drop.push_back(Fixture("fixture_icons3.dll"));
  Drop(drop);

  // One shell icon for each file damaged as a whole; the library with a damaged group keeps
  // its two good icons; the intact library last gives its three.
  const std::vector<std::string> captions = Captions();
  ASSERT_GE(captions.size(), wholeFileDamage.size() + 3 + cuts.size() + 3);
  for (size_t i = 0; i < wholeFileDamage.size(); ++i)
    EXPECT_EQ(captions[i], IconCaption(int(i) + 1, wholeFileDamage[i]));
  const int damagedGroup = int(wholeFileDamage.size());
  EXPECT_EQ(captions[size_t(damagedGroup) + 3], IconCaption(damagedGroup + 4, cuts[0]));
  EXPECT_NE(CentrePixel(*form->LargeImage, damagedGroup), fixtures::kIconColours[0]);
  EXPECT_EQ(CentrePixel(*form->LargeImage, damagedGroup + 1), fixtures::kIconColours[1]);
  EXPECT_EQ(CentrePixel(*form->LargeImage, damagedGroup + 2), fixtures::kIconColours[2]);
  const int last = int(captions.size());
  ExpectListInStep(last);
  EXPECT_EQ(captions.back(), IconCaption(last, Fixture("fixture_icons3.dll")));
  EXPECT_EQ(CentrePixel(*form->LargeImage, last - 3), fixtures::kIconColours[0]);
  EXPECT_EQ(CentrePixel(*form->LargeImage, last - 1), fixtures::kIconColours[2]);
}

// Copies of a program of two icons under names the ANSI code page cannot express, one under a
// Chinese name it can, and one at the end of a path longer than MAX_PATH.
struct NamesOfAnyCharacters {
  NamesOfAnyCharacters() {
    const std::wstring base = Wide(folder.Path()) + L"\\";
    std::wstring deep = base;
    for (wchar_t part = L'a'; part < L'f'; ++part) {
      deep += std::wstring(60, part) + L"\\";
      CreateDirectoryW(deep.c_str(), nullptr);
    }
    files = {base + L"\uD55C\uAD6D.dll", base + L"a\u00F1o.exe", base + L"stra\u00DFe.ocx", base + L"图标.exe",
             deep + L"long.exe"};
    for (const std::wstring& file : files) CopyFileW(Wide(Fixture("fixture_icons2.exe")).c_str(), file.c_str(), FALSE);
    // No such file, so no short name either.
    missing = base + L"\uD55C.dll";
  }
  ~NamesOfAnyCharacters() {
    for (const std::wstring& file : files) DeleteFileW(file.c_str());
  }
  TempFolder folder;
  std::vector<std::wstring> files;
  std::wstring missing;
};

// Each file gives its two icons under a name the ANSI calls reach it by.
void ExpectListedByReachableNames(const std::vector<std::string>& captions, const std::vector<std::wstring>& files) {
  ASSERT_EQ(captions.size(), 2 * files.size());
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string caption = captions[2 * i];
    const std::string name = caption.substr(caption.find(':') + 1);
    EXPECT_EQ(caption, IconCaption(int(2 * i + 1), name));
    EXPECT_LT(name.size(), size_t(MAX_PATH)) << name;
    wchar_t longName[1024] = L"";
    GetLongPathNameW(Wide(name).c_str(), longName, 1024);
    EXPECT_EQ(std::wstring(longName), files[i]) << name;
  }
}

TEST_F(MainWindow, NamesOutsideTheCodePageOrPastMaxPathAreTakenByTheirShortNames) {
  NamesOfAnyCharacters names;
  std::vector<std::wstring> dropped = names.files;
  dropped.insert(dropped.begin() + 1, names.missing);
  DropWide(dropped);
  ExpectListInStep(10);
  ExpectListedByReachableNames(Captions(), names.files);
  // The Chinese name is kept as it is.
  EXPECT_EQ(Captions()[6], IconCaption(7, names.folder / "图标.exe"));

  // Every icon is exported under the name it is listed by.
  TempFolder target;
  FolderAnswer folder(target.Path());
  BoxRecorder boxes;
  Click(form->BTNSaveAll);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text.substr(0, 14), "10个文件被保存");
  EXPECT_EQ(FilesIn(target.Path()).size(), 10u);
  EXPECT_TRUE(FileExists(target / "7_图标.ico"));

  // The same names chosen in the open dialog; the missing one is left out, the rest taken.
  const std::wstring base = Wide(names.folder.Path());
  OpenFilesWide(base, {L"\uD55C\uAD6D.dll", L"\uD55C.dll", L"a\u00F1o.exe"});
  ExpectListInStep(4);
  ExpectListedByReachableNames(Captions(), {names.files[0], names.files[1]});
}

TEST_F(MainWindow, SwitchingSizesKeepsTheItems) {
  Drop({Fixture("fixture_icons3.dll")});
  form->RB16->SetChecked(true);
  EXPECT_TRUE(SmallIconMode);
  EXPECT_EQ(form->ListView1->ViewStyle(), vsSmallIcon);
  ExpectListInStep(3);
  form->RB32->SetChecked(true);
  EXPECT_FALSE(SmallIconMode);
  EXPECT_EQ(form->ListView1->ViewStyle(), vsIcon);
  ExpectListInStep(3);
}

// A library of one icon, dropped 1001 times.
std::vector<std::string> ThousandAndOneIcons() {
  return std::vector<std::string>(kMaxListedIcons + 1, Fixture("fixture_icon1.ocx"));
}

TEST_F(MainWindow, TheThousandAndFirstIconAsksAndBeginsANewListWhenCancelled) {
  BoxRecorder boxes(IDCANCEL);
  ListViewLog log(*form->ListView1);
  // The question is asked over the full list, redrawn; the emptied list shows at once.
  boxes.whileShown = [&] { log.entries.push_back("question"); };
  Drop(ThousandAndOneIcons());
  const std::vector<std::string> expected = {"redraw off", "clear",      "insert 1000", "redraw on",
                                             "question",   "clear",      "redraw off",  "insert 1",
                                             "redraw on"};
  EXPECT_EQ(log.entries, expected);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "由于图标数量太多，请先保存已解出的图标。");
  EXPECT_EQ(boxes.boxes[0].caption, "消息框");
  EXPECT_EQ(boxes.boxes[0].flags, UINT(MB_OKCANCEL | MB_ICONINFORMATION));
  ExpectListInStep(1);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"1:" + Fixture("fixture_icon1.ocx")}));
}

TEST_F(MainWindow, TheThousandAndFirstIconExportsInTheLastExportsModeWhenConfirmed) {
  TempFolder target;
  SaveAllMode = true;
  FolderAnswer folder(target.Path());
  BoxRecorder boxes(IDOK);
  Drop(ThousandAndOneIcons());
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].text, "由于图标数量太多，请先保存已解出的图标。");
  EXPECT_EQ(boxes.boxes[1].text.substr(0, 4 + 12), "1000个文件被保存");
  const std::vector<std::string> written = FilesIn(target.Path());
  EXPECT_EQ(written.size(), 1000u);
  EXPECT_TRUE(FileExists(target / "1_fixture_icon1.ico"));
  EXPECT_TRUE(FileExists(target / "1000_fixture_icon1.ico"));
  ExpectListInStep(1);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"1:" + Fixture("fixture_icon1.ocx")}));
}

TEST_F(MainWindow, AFailedExportAtTheLimitKeepsTheFullList) {
  TempFolder target;
  CreateDirectoryA((target / "3_fixture_icon1.ico").c_str(), nullptr);
  SaveAllMode = true;
  FolderAnswer folder(target.Path());
  BoxRecorder boxes(IDOK);
  Drop(ThousandAndOneIcons());
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[1].text.rfind("Cannot create file", 0), 0u);
  EXPECT_EQ(FilesIn(target.Path()).size(), 2u);
  ExpectListInStep(kMaxListedIcons);
}

TEST_F(MainWindow, TheThousandAndFirstIconWithNothingSelectedSavesNoFile) {
  TempFolder target;
  FolderAnswer folder(target.Path());
  BoxRecorder boxes(IDOK);
  Drop(ThousandAndOneIcons());
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[1].text.substr(0, 1 + 12), "0个文件被保存");
  EXPECT_TRUE(FilesIn(target.Path()).empty());
  ExpectListInStep(1);
}

// Another program's window, active while the user drops files from it.
class OtherProgramWindow {
public:
  OtherProgramWindow()
      : window_(CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                nullptr, nullptr)) {
    SetActiveWindow(window_);
  }
  ~OtherProgramWindow() { DestroyWindow(window_); }
  HWND Handle() const { return window_; }

private:
  HWND window_;
};

TEST_F(MainWindow, EveryBoxIsOwnedByTheFormWhichTakesNoInputWhileItIsUp) {
  TempFolder target;
  CreateDirectoryA((target / "2_fixture_icon1.ico").c_str(), nullptr);
  SaveAllMode = true;
  FolderAnswer folder(target.Path());
  folder.form = form->Handle();
  BoxRecorder boxes(IDOK);
  const OtherProgramWindow other;
  // The question at the limit, the folder browser, then the error on the second file.
  Drop(ThousandAndOneIcons());
  EXPECT_EQ(folder.owner, form->Handle());
  EXPECT_FALSE(folder.ownerEnabledWhileOpen);
  // The summary, after the folder browser has closed.
  Drop({Fixture("fixture_icon1.ocx")});
  CreateDirectoryA((target / "sub").c_str(), nullptr);
  FolderAnswer summaryFolder(target / "sub");
  Click(form->BTNSaveAll);
  // The request for icons first.
  Drop({target.Path()});
  Click(form->BTNSave);
  ASSERT_EQ(boxes.boxes.size(), 4u);
  for (const BoxRecorder::Box& box : boxes.boxes) {
    EXPECT_EQ(box.owner, form->Handle()) << box.text;
    EXPECT_FALSE(box.ownerEnabled) << box.text;
  }
  EXPECT_EQ(boxes.boxes[1].text.rfind("Cannot create file", 0), 0u);
  EXPECT_NE(boxes.boxes[2].text.find("个文件被保存"), std::string::npos);
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
  EXPECT_TRUE(IsWindowEnabled(other.Handle()));
}

TEST_F(MainWindow, NothingDoneWhileABoxIsUpClosesTheFormOrStartsOtherWork) {
  TempFolder target;
  Drop({Fixture("fixture_icons3.dll"), Fixture("fixture_icons2.exe")});
  FolderAnswer folder(target.Path());
  BoxRecorder boxes(IDOK);
  SetOpenFileDialogHook([](OPENFILENAMEW&) {
    ADD_FAILURE() << "the open dialog was shown while a box was up";
    return FALSE;
  });
  HWND window = form->Handle();
  boxes.whileShown = [&] {
    PostMessageA(window, WM_CLOSE, 0, 0);
    PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({Fixture("fixture_icon1.ocx")})), 0);
    Click(form->BTNSelFile);
    Click(form->BTNSave);
    Pump();
  };
  Click(form->BTNSaveAll);
  ASSERT_TRUE(IsWindow(window));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text.substr(0, 13), "5个文件被保存");
  EXPECT_EQ(FilesIn(target.Path()).size(), 5u);
  ExpectListInStep(5);
  // The question at the limit, answered while the user tries the same.
  boxes.boxes.clear();
  boxes.whileShown = [&] {
    boxes.whileShown = nullptr;
    PostMessageA(window, WM_CLOSE, 0, 0);
    PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({Fixture("fixture_icons2.exe")})), 0);
    Pump();
  };
  Drop(ThousandAndOneIcons());
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"1:" + Fixture("fixture_icon1.ocx")}));
  // Once the work is done the window closes as before.
  form->Close();
  Pump();
  EXPECT_FALSE(IsWindow(window));
  form = nullptr;
}

// The system's own box: found from a timer while it runs, looked at, and answered.
struct RealBoxSeen {
  HWND owner = nullptr;
  bool ownerEnabled = true, topmost = false;
};
RealBoxSeen realBox;

void CALLBACK AnswerRealBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowA("#32770", "消息框");
  if (!box) return;
  KillTimer(nullptr, timer);
  realBox.owner = GetWindow(box, GW_OWNER);
  realBox.ownerEnabled = realBox.owner && IsWindowEnabled(realBox.owner);
  realBox.topmost = (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST_F(MainWindow, TheSystemsBoxStaysAboveTheFormAndGivesItTheActivationBack) {
  SetMessageBoxHook(nullptr);
  const OtherProgramWindow other;
  SetTimer(nullptr, 0, 50, &AnswerRealBox);
  Click(form->BTNSave);
  FailUnexpectedMessageBoxes();
  EXPECT_EQ(realBox.owner, form->Handle());
  EXPECT_FALSE(realBox.ownerEnabled);
  EXPECT_TRUE(realBox.topmost);
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
  EXPECT_EQ(GetActiveWindow(), form->Handle());
}

TEST_F(MainWindow, StaysAboveWindowsStartedLater) {
  const OtherProgramWindow other;
  SetWindowPos(other.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Pump();
  HWND above = other.Handle();
  while (above && above != form->Handle()) above = GetWindow(above, GW_HWNDPREV);
  EXPECT_EQ(above, form->Handle());
}

TEST(FolderSelection, OleIsReadyOnTheGuiThreadBeforeTheProgramRuns) {
  // S_FALSE: this thread had been initialised already, by the folder-selection unit.
  EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
  OleUninitialize();
}

struct Export : MainWindow {
  Export() { Drop({Fixture("fixture_icons3.dll"), Fixture("fixture_icons2.exe")}); }
  TListItem& Item(int index) { return *(*form->ListView1->Items())[index]; }
  TempFolder target;
};

TEST_F(Export, AnEmptyListAsksForIconsFirst) {
  Drop({target.Path()});
  BoxRecorder boxes;
  Click(form->BTNSave);
  Click(form->BTNSaveAll);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].text, "请解出图标!");
  EXPECT_EQ(boxes.boxes[0].caption, "消息框");
  EXPECT_EQ(boxes.boxes[0].flags, UINT(MB_OK | MB_ICONINFORMATION));
  EXPECT_TRUE(SaveAllMode);
}

TEST_F(Export, SavingAllWritesEveryIconAndSummarises) {
  FolderAnswer folder(target.Path());
  folder.form = form->Handle();
  BoxRecorder boxes;
  SetErrorMode(0);
  Click(form->BTNSaveAll);
  EXPECT_EQ(FilesIn(target.Path()), (std::vector<std::string>{"1_fixture_icons3.ico", "2_fixture_icons3.ico",
                                                              "3_fixture_icons3.ico", "4_fixture_icons2.ico",
                                                              "5_fixture_icons2.ico"}));
  EXPECT_EQ(FileSize(target / "1_fixture_icons3.ico"), 4286);
  // Each file shows its own icon: the fixtures' pictures differ from one another.
  const std::vector<std::string> written = FilesIn(target.Path());
  for (size_t i = 0; i < written.size(); ++i) {
    UniqueIcon listed(form->LargeImage->GetIcon(static_cast<int>(i)));
    EXPECT_EQ(IconFilePixels(target / written[i]), IconPixels(listed.Get())) << written[i];
    if (i > 0) {
      EXPECT_NE(IconFilePixels(target / written[i]), IconFilePixels(target / written[i - 1]));
    }
  }
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text,
            "5\xB8\xF6\xCE\xC4\xBC\xFE\xB1\xBB\xB1\xA3\xB4\xE6\r"                  // 5个文件被保存
            "\xB1\xA3\xB4\xE6\xC2\xB7\xBE\xB6: " + target.Path() + "\\\r"          // 保存路径:
            "\xCE\xC4\xBC\xFE\xC3\xFB\xB8\xF1\xCA\xBD: [9999]_[filename].ico");   // 文件名格式:
  EXPECT_EQ(boxes.boxes[0].caption, Application()->Title());
  EXPECT_EQ(boxes.boxes[0].flags, UINT(MB_OK));
  // The folder dialog as it was shown.
  EXPECT_EQ(folder.prompt, "请选择保存路径:");
  EXPECT_EQ(folder.flags, UINT(BIF_RETURNONLYFSDIRS));
  EXPECT_EQ(folder.startFolder, "");
  EXPECT_FALSE(folder.ownerEnabledWhileOpen);
  EXPECT_TRUE(folder.errorModeWhileOpen & SEM_FAILCRITICALERRORS);
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
  EXPECT_EQ(SetErrorMode(0), 0u);
  // The next export opens on the folder chosen last.
  Click(form->BTNSaveAll);
  EXPECT_EQ(folder.startFolder, target.Path());
  EXPECT_EQ(form->SaveFolderName(), target.Path());
}

TEST_F(Export, SavingTheSelectionWithNothingSelectedOrFocusedWritesTheFirstIcon) {
  FolderAnswer folder(target.Path());
  BoxRecorder boxes;
  Click(form->BTNSave);
  EXPECT_EQ(FilesIn(target.Path()), (std::vector<std::string>{"1_fixture_icons3.ico"}));
  EXPECT_FALSE(SaveAllMode);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text.substr(0, 13), "1个文件被保存");
}

TEST_F(Export, SavingTheSelectionWithOnlyAFocusedItemWritesNothing) {
  Item(3).SetFocused(true);
  FolderAnswer folder(target.Path());
  BoxRecorder boxes;
  Click(form->BTNSave);
  EXPECT_TRUE(FilesIn(target.Path()).empty());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text.substr(0, 13), "0个文件被保存");
}

TEST_F(Export, SelectedIconsOfOneFileGetTheirOwnNumbers) {
  Item(1).SetSelected(true);
  Item(2).SetSelected(true);
  FolderAnswer folder(target.Path());
  BoxRecorder boxes;
  Click(form->BTNSave);
  EXPECT_EQ(FilesIn(target.Path()), (std::vector<std::string>{"2_fixture_icons3.ico", "3_fixture_icons3.ico"}));
  // Saving all afterwards writes every icon again, over the files of the same names.
  Click(form->BTNSaveAll);
  EXPECT_EQ(FilesIn(target.Path()).size(), 5u);
}

TEST_F(Export, SmallIconsAreWrittenAtSixteenPixelsUnderTheSameNames) {
  FolderAnswer folder(target.Path());
  BoxRecorder boxes;
  form->RB16->SetChecked(true);
  Click(form->BTNSaveAll);
  EXPECT_EQ(FileSize(target / "4_fixture_icons2.ico"), 1150);
  form->RB32->SetChecked(true);
  Click(form->BTNSaveAll);
  EXPECT_EQ(FileSize(target / "4_fixture_icons2.ico"), 4286);
  EXPECT_EQ(FilesIn(target.Path()).size(), 5u);
}

TEST_F(Export, BitmapsOfTheSelectionOnly) {
  form->CombPicType->SetItemIndex(1);
  Item(4).SetSelected(true);
  FolderAnswer folder(target.Path());
  BoxRecorder boxes;
  Click(form->BTNSave);
  EXPECT_EQ(FilesIn(target.Path()), (std::vector<std::string>{"5_fixture_icons2.bmp"}));
  EXPECT_EQ(FileSize(target / "5_fixture_icons2.bmp"), 4150);
  // The icon over white, as the list shows it over its white background.
  HBITMAP written = static_cast<HBITMAP>(
      LoadImageA(nullptr, (target / "5_fixture_icons2.bmp").c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  ASSERT_TRUE(written);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, written);
  UniqueIcon listed(form->LargeImage->GetIcon(4));
  const std::vector<COLORREF> icon = IconPixels(listed.Get());
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const COLORREF expected = icon[size_t(y * 32 + x)] == RGB(1, 2, 3) ? RGB(255, 255, 255) : icon[size_t(y * 32 + x)];
      ASSERT_EQ(GetPixel(dc, x, y), expected) << x << "," << y;
    }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(written);
  EXPECT_EQ(form->Image2->Picture()->Bitmap()->Width(), 32);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_NE(boxes.boxes[0].text.find("[9999]_[filename].bmp"), std::string::npos);
}

TEST_F(Export, ADriveRootIsUsedWithoutADoubledBackslash) {
  FolderAnswer folder("C:\\");
  BoxRecorder boxes;
  Item(0).SetSelected(true);
  DeleteFileA("C:\\1_fixture_icons3.ico");
  Click(form->BTNSave);
  EXPECT_TRUE(FileExists("C:\\1_fixture_icons3.ico"));
  DeleteFileA("C:\\1_fixture_icons3.ico");
  EXPECT_EQ(form->SaveFolderName(), "C:");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_NE(boxes.boxes[0].text.find(": C:\\\r"), std::string::npos);
}

TEST_F(Export, ACancelledFolderDialogWritesNothingAndKeepsTheFolder) {
  {
    FolderAnswer folder(target.Path());
    BoxRecorder boxes;
    Click(form->BTNSaveAll);
  }
  TempFolder other;
  FolderAnswer cancel("");
  Click(form->BTNSaveAll);
  EXPECT_EQ(cancel.shown, 1);
  EXPECT_EQ(form->SaveFolderName(), target.Path());
  EXPECT_TRUE(FilesIn(other.Path()).empty());
}

TEST_F(Export, AFileThatCannotBeCreatedIsReportedAndWhatWasWrittenStays) {
  // A folder in the way of the second file's name.
  CreateDirectoryA((target / "2_fixture_icons3.ico").c_str(), nullptr);
  FolderAnswer folder(target.Path());
  BoxRecorder boxes;
  Click(form->BTNSaveAll);
  EXPECT_EQ(FilesIn(target.Path()), (std::vector<std::string>{"1_fixture_icons3.ico"}));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text.rfind("Cannot create file \"" + (target / "2_fixture_icons3.ico") + "\". ", 0), 0u)
      << boxes.boxes[0].text;
  EXPECT_EQ(boxes.boxes[0].flags & MB_ICONSTOP, UINT(MB_ICONSTOP));
  ExpectListInStep(5);
}

}  // namespace
}  // namespace tmv
