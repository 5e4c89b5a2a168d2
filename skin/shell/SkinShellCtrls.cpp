#include "skin/shell/SkinShellCtrls.h"

#include <objbase.h>
#include <ole2.h>

#include <memory>
#include <vector>

#include "framework/gui/Dialogs.h"
#include "framework/gui/Forms.h"

namespace tmv {

namespace {

// The folder browser needs OLE on the thread that shows it, which is the GUI thread the
// program starts on.
class OleSession {
public:
  OleSession() : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (initialised_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

private:
  bool initialised_;
};

const OleSession oleSession;

TFolderBrowserHook& FolderBrowserHook() {
  static TFolderBrowserHook hook;
  return hook;
}

struct ReleaseComObject {
  void operator()(IUnknown* object) const { object->Release(); }
};
using ShellMalloc = std::unique_ptr<IMalloc, ReleaseComObject>;

// Memory handed out by the shell's allocator, given back to it.
class ShellMemory {
public:
  ShellMemory(IMalloc& malloc, void* block) : malloc_(malloc), block_(block) {}
  ~ShellMemory() {
    if (block_) malloc_.Free(block_);
  }
  ShellMemory(const ShellMemory&) = delete;
  ShellMemory& operator=(const ShellMemory&) = delete;
  void* Get() const { return block_; }

private:
  IMalloc& malloc_;
  void* block_;
};

class ErrorModeSet {
public:
  explicit ErrorModeSet(UINT mode) : previous_(SetErrorMode(mode)) {}
  ~ErrorModeSet() { SetErrorMode(previous_); }
  ErrorModeSet(const ErrorModeSet&) = delete;
  ErrorModeSet& operator=(const ErrorModeSet&) = delete;

private:
  UINT previous_;
};

bool DirectoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int CALLBACK SelectInitialFolder(HWND dialog, UINT message, LPARAM, LPARAM folder) {
  if (message == BFFM_INITIALIZED) SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, folder);
  return 0;
}

// The root's shell item, parsed through the desktop folder; null when it names nothing.
LPITEMIDLIST ParseRoot(const std::string& root, HWND owner) {
  IShellFolder* desktop = nullptr;
  if (FAILED(SHGetDesktopFolder(&desktop))) return nullptr;
  std::unique_ptr<IShellFolder, ReleaseComObject> desktopOwner(desktop);
  const int length = MultiByteToWideChar(CP_ACP, 0, root.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> wide(static_cast<size_t>(std::max(length, 1)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, root.c_str(), -1, wide.data(), length);
  LPITEMIDLIST item = nullptr;
  ULONG eaten = 0;
  if (FAILED(desktop->ParseDisplayName(owner, nullptr, wide.data(), &eaten, &item, nullptr))) return nullptr;
  return item;
}

LPITEMIDLIST Browse(BROWSEINFOA& info) {
  const TModalBoxScope modal(info.hwndOwner, bool(FolderBrowserHook()));
  const ErrorModeSet errorMode(SEM_FAILCRITICALERRORS);
  if (FolderBrowserHook()) return FolderBrowserHook()(info);
  return SHBrowseForFolderA(&info);
}

}  // namespace

void SetFolderBrowserHook(TFolderBrowserHook hook) { FolderBrowserHook() = std::move(hook); }

bool ChooseFolder(const std::string& prompt, const std::string& root, std::string& folder) {
  if (!DirectoryExists(folder)) folder.clear();
  IMalloc* malloc = nullptr;
  if (FAILED(SHGetMalloc(&malloc))) return false;
  ShellMalloc mallocOwner(malloc);
  ShellMemory displayName(*malloc, malloc->Alloc(MAX_PATH));
  if (!displayName.Get()) return false;

  HWND owner = ModalOwner();
  ShellMemory rootItem(*malloc, root.empty() ? nullptr : ParseRoot(root, owner));

  BROWSEINFOA info = {};
  info.hwndOwner = owner;
  info.pidlRoot = static_cast<LPCITEMIDLIST>(rootItem.Get());
  info.pszDisplayName = static_cast<char*>(displayName.Get());
  info.lpszTitle = prompt.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  if (!folder.empty()) {
    info.lpfn = &SelectInitialFolder;
    info.lParam = reinterpret_cast<LPARAM>(folder.c_str());
  }

  LPITEMIDLIST chosen = Browse(info);
  if (!chosen) return false;
  ShellMemory chosenItem(*malloc, chosen);
  char path[MAX_PATH] = "";
  // A confirmed item without a file-system path leaves the folder as it was rather than
  // replacing a good folder with an empty one.
  if (!SHGetPathFromIDListA(chosen, path) || !path[0]) return false;
  folder = path;
  return true;
}

}  // namespace tmv
