#include "app/UnitFormMorvane.h"

#include <shellapi.h>

#include <vector>

#include "app/IconFileWriter.h"
#include "app/IconNaming.h"
#include "app/PeIconResources.h"
#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"
#include "framework/core/TextUtils.h"
#include "framework/gui/AnsiFileNames.h"
#include "skin/controls/SkinCtrlsRegistration.h"
#include "skin/shell/SkinShellCtrls.h"

namespace tmv {

int IconCount = 0;
bool SmallIconMode = false;
bool SaveAllMode = false;

namespace {

HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

bool FileExists(const std::string& name) {
  const DWORD attributes = GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// ExtractIconA answers 1 for a file that is no executable, library or icon file; that is no
// icon to add, and handing it on would put the image lists out of step with the items.
HICON ValidIcon(HICON icon) { return icon == reinterpret_cast<HICON>(1) ? nullptr : icon; }

// A fully transparent icon, listed for a file of which neither its resources nor the shell
// give a picture, so that every item keeps its picture at the index of its number.
UniqueIcon MakeBlankIcon() {
  constexpr int kSize = 32;
  std::vector<BYTE> transparent(kSize * kSize / 8, 0xFF), black(kSize * kSize / 8, 0);
  return UniqueIcon(CreateIcon(ProgramInstance(), kSize, kSize, 1, 1, transparent.data(), black.data()));
}

HICON BlankIcon() {
  static UniqueIcon blank = MakeBlankIcon();
  return blank.Get();
}

void AddPicture(TImageList& list, HICON icon) {
  if (list.AddIcon(icon) < 0) list.AddIcon(BlankIcon());
}

// Gives the drop back to the shell whatever happens while its names are read.
class DropReleaser {
public:
  explicit DropReleaser(HDROP drop) : drop_(drop) {}
  ~DropReleaser() { DragFinish(drop_); }
  DropReleaser(const DropReleaser&) = delete;
  DropReleaser& operator=(const DropReleaser&) = delete;

private:
  HDROP drop_;
};

// The dropped name as the ANSI calls take it; empty when they cannot reach the file.
std::string DroppedName(HDROP drop, UINT index) {
  const UINT length = DragQueryFileW(drop, index, nullptr, 0);
  std::wstring name(length + 1, L'\0');
  const UINT copied = DragQueryFileW(drop, index, &name[0], length + 1);
  name.resize(std::min(copied, length));
  return AnsiFileName(name);
}

// Marks the form at work for its lifetime.
class WorkInProgress {
public:
  explicit WorkInProgress(bool& working) : working_(working) { working_ = true; }
  ~WorkInProgress() { working_ = false; }
  WorkInProgress(const WorkInProgress&) = delete;
  WorkInProgress& operator=(const WorkInProgress&) = delete;

private:
  bool& working_;
};

// Lets a list view whose redrawing a gathering holds back redraw meanwhile: the question at
// the icon limit is asked over the list as it stands, and the emptied list shows at once.
class ListRedrawResumed {
public:
  explicit ListRedrawResumed(TListItems& items) : items_(items), held_(items.Updating()) {
    if (held_) items_.EndUpdate();
  }
  ~ListRedrawResumed() {
    if (held_) items_.BeginUpdate();
  }
  ListRedrawResumed(const ListRedrawResumed&) = delete;
  ListRedrawResumed& operator=(const ListRedrawResumed&) = delete;

private:
  TListItems& items_;
  bool held_;
};

// A file that cannot be read is no more trusted than a damaged one.
TPeIconResources ReadIconResources(const std::string& fileName) {
  TMemoryStream contents;
  try {
    contents.LoadFromFile(fileName);
  } catch (const Exception&) {
    return TPeIconResources(nullptr, 0);
  }
  return TPeIconResources(contents.Memory(), contents.Bytes().size());
}

const char kIconPattern[] = "[9999]_[filename].ico";
const char kBitmapPattern[] = "[9999]_[filename].bmp";
const char kHelpFile[] = "Morvanehelp.chm";

}  // namespace

const TClassInfo& TFormMorvane::StaticClassInfo() {
  static const TClassInfo info(
      "TFormMorvane", &TForm::StaticClassInfo(), &CreateComponent<TFormMorvane>, {},
      {Method<&TFormMorvane::FormCreate>("FormCreate"), Method<&TFormMorvane::FormClose>("FormClose"),
       Method<&TFormMorvane::BTNSelFileClick>("BTNSelFileClick"),
       Method<&TFormMorvane::RB32Click>("RB32Click"), Method<&TFormMorvane::BTNHelpClick>("BTNHelpClick"),
       Method<&TFormMorvane::BtnUpdateClick>("BtnUpdateClick"),
       Method<&TFormMorvane::BTNSaveClick>("BTNSaveClick"),
       Method<&TFormMorvane::BTNSaveAllClick>("BTNSaveAllClick")},
      {Field<&TFormMorvane::spDynamicSkinForm1>("spDynamicSkinForm1"),
       Field<&TFormMorvane::spSkinData1>("spSkinData1"),
       Field<&TFormMorvane::spCompressedStoredSkin1>("spCompressedStoredSkin1"),
       Field<&TFormMorvane::spSkinHint1>("spSkinHint1"),
       Field<&TFormMorvane::AppStatusBar>("AppStatusBar"),
       Field<&TFormMorvane::spSkinStatusPanel1>("spSkinStatusPanel1"), Field<&TFormMorvane::Memo1>("Memo1"),
       Field<&TFormMorvane::spSkinPanel1>("spSkinPanel1"), Field<&TFormMorvane::BTNSelFile>("BTNSelFile"),
       Field<&TFormMorvane::RB16>("RB16"), Field<&TFormMorvane::RB32>("RB32"),
       Field<&TFormMorvane::BTNSave>("BTNSave"), Field<&TFormMorvane::BTNSaveAll>("BTNSaveAll"),
       Field<&TFormMorvane::LargeImage>("LargeImage"), Field<&TFormMorvane::SmallImage>("SmallImage"),
       Field<&TFormMorvane::ListView1>("ListView1"), Field<&TFormMorvane::BTNHelp>("BTNHelp"),
       Field<&TFormMorvane::Label5>("Label5"), Field<&TFormMorvane::RzURLLabel4>("RzURLLabel4"),
       Field<&TFormMorvane::Label6>("Label6"), Field<&TFormMorvane::RzURLLabel1>("RzURLLabel1"),
       Field<&TFormMorvane::Image1>("Image1"), Field<&TFormMorvane::Image2>("Image2"),
       Field<&TFormMorvane::OpenDialog1>("OpenDialog1"), Field<&TFormMorvane::CombPicType>("CombPicType"),
       Field<&TFormMorvane::PopupMenu1>("PopupMenu1"), Field<&TFormMorvane::BtnUpdate>("BtnUpdate")});
  return info;
}

TFormMorvane::TFormMorvane(TComponent* owner) : TForm(owner) {
  RegisterSkinControlClasses();
  RegisterSkinHintClasses();
  RegisterDynamicSkinFormClasses();
  InitFormResource();
}

TFormMorvane::~TFormMorvane() = default;

void TFormMorvane::FormCreate(TObject*) {
  DragAcceptFiles(Handle(), TRUE);
  SmallIconMode = false;
  MsgCaption = "消息框";
  MsgTooManyIcons = "由于图标数量太多，请先保存已解出的图标。";
  MsgChooseFolder = "请选择保存路径:";
  MsgNoIcons = "请解出图标!";
  MsgFilesSaved = "个文件被保存";
  MsgSavePath = "保存路径: ";
  MsgNameFormat = "文件名格式: ";
  ProductPageUrl = "http://www.talvexmorvane.example/";
}

void TFormMorvane::FormClose(TObject*, TCloseAction& action) {
  // Freed now, the form would be gone under the gathering or export that shows the box.
  if (Working) {
    action = caNone;
    return;
  }
  DragAcceptFiles(Handle(), FALSE);
  action = caFree;
}

void TFormMorvane::WndProc(TMessage& message) {
  if (message.Msg == WM_DROPFILES) {
    WMDropFiles(message);
    return;
  }
  TForm::WndProc(message);
}

void TFormMorvane::WMDropFiles(TMessage& message) {
  HDROP drop = reinterpret_cast<HDROP>(message.WParam);
  DropReleaser release(drop);
  message.Result = 0;
  if (Working) return;
  const WorkInProgress work(Working);
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  if (count == 0) return;
  const TListItemsUpdate update(*ListView1->Items());
  StartNewSet();
  for (UINT i = 0; i < count; ++i) {
    // Read at the name's full length: a name cut short could be another existing file.
    const std::string name = DroppedName(drop, i);
    if (!name.empty() && FileExists(name)) TakeFile(name);
  }
}

void TFormMorvane::BTNSelFileClick(TObject*) {
  if (Working) return;
  const WorkInProgress work(Working);
  if (!OpenDialog1->Execute()) return;
  const TListItemsUpdate update(*ListView1->Items());
  StartNewSet();
  const std::vector<std::string> names = OpenDialog1->Files()->ToVector();
  for (const std::string& name : names) TakeFile(name);
}

void TFormMorvane::StartNewSet() {
  ListView1->Items()->Clear();
  SmallImage->Clear();
  LargeImage->Clear();
  Memo1->Lines()->Clear();
  IconCount = 0;
}

void TFormMorvane::TakeFile(const std::string& fileName) {
  Memo1->Lines()->Add(fileName);
  if (!HoldsIconResources(fileName)) {
    GatherFileIcons(fileName, 1, nullptr);
    return;
  }
  // The system's icon reader is asked only about files and groups vetted first: it trusts
  // every offset in the file and a damaged one would end the program.
  const TPeIconResources resources = ReadIconResources(fileName);
  GatherFileIcons(fileName, CountFileIcons(fileName, resources), &resources);
}

int TFormMorvane::CountFileIcons(const std::string& fileName, const TPeIconResources& resources) {
  int count = 1;
  if (resources.Sound())
    count = static_cast<int>(reinterpret_cast<UINT_PTR>(ExtractIconA(ProgramInstance(), fileName.c_str(), UINT(-1))));
  return count > 0 ? count : 1;
}

void TFormMorvane::GatherFileIcons(const std::string& fileName, int count, const TPeIconResources* resources) {
  for (int k = 0; k < count; ++k) {
    ++IconCount;
    if (IconCount > kMaxListedIcons) {
      const ListRedrawResumed redraw(*ListView1->Items());
      if (Application()->MessageBox(MsgTooManyIcons, MsgCaption, MB_OKCANCEL | MB_ICONINFORMATION) == IDOK) {
        // An export that fails leaves the full list as it was, so it can still be saved
        // elsewhere; the gathering stops with the error.
        try {
          ExportChosenFormat();
        } catch (...) {
          IconCount = kMaxListedIcons;
          throw;
        }
      }
      IconCount = 1;
      ListView1->Items()->Clear();
      ListView1->Repaint();
      LargeImage->Clear();
      SmallImage->Clear();
    }
    UniqueIcon icon;
    if (resources && resources->GroupSound(k))
      icon.Reset(ValidIcon(ExtractIconA(ProgramInstance(), fileName.c_str(), static_cast<UINT>(k))));
    if (!icon) icon.Reset(GetShellIcon(fileName, SmallIconMode));
    AddToList(icon.Get(), fileName);
  }
}

void TFormMorvane::AddToList(HICON icon, const std::string& fileName) {
  HICON picture = icon ? icon : BlankIcon();
  AddPicture(*SmallImage, picture);
  AddPicture(*LargeImage, picture);
  ListView1->Items()->Add(IconCaption(IconCount, fileName), IconCount - 1);
}

HICON TFormMorvane::GetShellIcon(const std::string& fileName, bool small) {
  SHFILEINFOA info = {};
  SHGetFileInfoA(fileName.c_str(), 0, &info, sizeof info, SHGFI_ICON | (small ? SHGFI_SMALLICON : SHGFI_LARGEICON));
  return info.hIcon;
}

void TFormMorvane::RB32Click(TObject*) {
  SmallIconMode = RB16->Checked();
  ListView1->SetViewStyle(SmallIconMode ? vsSmallIcon : vsIcon);
}

void TFormMorvane::BTNHelpClick(TObject*) {
  char directory[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, directory);
  // A drive's root already ends in a backslash; it is not doubled.
  const std::string path = ExcludeTrailingPathDelimiter(directory) + "\\" + kHelpFile;
  ShellExecuteA(Handle(), "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TFormMorvane::BtnUpdateClick(TObject*) {
  ShellExecuteA(Application()->Handle(), nullptr, ProductPageUrl.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TFormMorvane::BTNSaveClick(TObject*) {
  if (Working) return;
  const WorkInProgress work(Working);
  SaveAllMode = false;
  if (LargeImage->Count() == 0 && SmallImage->Count() == 0) {
    Application()->MessageBox(MsgNoIcons, MsgCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
  TListItems& items = *ListView1->Items();
  if (!ListView1->ItemFocused() && ListView1->SelCount() == 0 && items.Count() > 0)
    items[0]->SetSelected(true);
  ExportChosenFormat();
}

void TFormMorvane::BTNSaveAllClick(TObject*) {
  if (Working) return;
  const WorkInProgress work(Working);
  SaveAllMode = true;
  if (LargeImage->Count() == 0 && SmallImage->Count() == 0) {
    Application()->MessageBox(MsgNoIcons, MsgCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
  ExportChosenFormat();
}

void TFormMorvane::ExportChosenFormat() {
  if (CombPicType->ItemIndex() == 0)
    ExportAsIcons();
  else
    ExportAsBitmaps();
}

bool TFormMorvane::ChooseExportFolder() {
  if (!ChooseFolder(MsgChooseFolder, std::string(), SaveFolder) || SaveFolder.empty()) return false;
  SaveFolder = ExcludeTrailingPathDelimiter(SaveFolder);
  return true;
}

TImageList* TFormMorvane::ExportSource() { return SmallIconMode ? SmallImage : LargeImage; }

bool TFormMorvane::ExportWanted(int index) {
  TListItems& items = *ListView1->Items();
  return index < items.Count() && (SaveAllMode || items[index]->Selected());
}

std::string TFormMorvane::ExportPath(int index, const char* extension) {
  return SaveFolder + "\\" + MakeExportName((*ListView1->Items())[index]->Caption(), index + 1) + extension;
}

void TFormMorvane::ExportAsIcons() {
  if (!ChooseExportFolder()) return;
  TImageList& source = *ExportSource();
  for (int i = 0; i < source.Count(); ++i) {
    if (!ExportWanted(i)) continue;
    UniqueIcon icon(source.GetIcon(i));
    WriteIconFile(icon.Get(), ExportPath(i, ".ico"));
  }
  ShowExportSummary(kIconPattern);
}

void TFormMorvane::ExportAsBitmaps() {
  if (!ChooseExportFolder()) return;
  TImageList& source = *ExportSource();
  for (int i = 0; i < source.Count(); ++i) {
    if (!ExportWanted(i)) continue;
    UniqueIcon icon(source.GetIcon(i));
    UniqueBitmap picture = IconToBitmap(icon.Get());
    WriteBitmapFile(picture.Get(), ExportPath(i, ".bmp"));
    Image2->Picture()->Bitmap()->AdoptHandle(picture.Release());
  }
  ShowExportSummary(kBitmapPattern);
}

void TFormMorvane::ShowExportSummary(const std::string& pattern) {
  const int count = SaveAllMode ? LargeImage->Count() : ListView1->SelCount();
  ShowMessage(ExportSummary({MsgFilesSaved, MsgSavePath, MsgNameFormat}, count, SaveFolder, pattern));
}

}  // namespace tmv
