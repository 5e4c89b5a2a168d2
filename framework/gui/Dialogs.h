#pragma once
// Message boxes, the plain message dialog and the open-file dialog. Each can be answered by
// a hook instead of a person, so tests can drive the code that shows them.
#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/core/Component.h"
#include "framework/core/Strings.h"

namespace tmv {

// The window that message boxes and dialogs belong to: the main form while it is shown (else the
// first shown form), so that a box stays above it and it takes no input while the box is up,
// even when the system's active window is the application's window, as it is after the
// folder browser or while another program is active.
HWND ModalOwner();

// Disables the thread's visible, enabled top-level windows except one for its lifetime, and
// enables them again afterwards.
class TTaskWindowsDisabled {
public:
  explicit TTaskWindowsDisabled(HWND except);
  ~TTaskWindowsDisabled();
  TTaskWindowsDisabled(const TTaskWindowsDisabled&) = delete;
  TTaskWindowsDisabled& operator=(const TTaskWindowsDisabled&) = delete;

private:
  static BOOL CALLBACK Collect(HWND window, LPARAM self);
  HWND except_;
  std::vector<HWND> windows_;
};

// A box or dialog owned by owner is modal to the whole program while this lives. The owner is
// left to the system's box, which disables it and enables it again just before it goes, so the
// activation returns to the owner; a hook standing in for the box has the owner disabled here,
// as the box would.
class TModalBoxScope {
public:
  TModalBoxScope(HWND owner, bool hooked) : disabled_(hooked ? nullptr : owner) {}

private:
  TTaskWindowsDisabled disabled_;
};

using TMessageBoxHook =
    std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT flags)>;
// While a hook is set it is called instead of showing a box, and its answer is returned;
// an empty function puts the real boxes back. Either way the box is modal (TModalBoxScope).
void SetMessageBoxHook(TMessageBoxHook hook);
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);

// The plain message dialog: the application's title as caption, one OK button, centred on
// the screen, owned by ModalOwner.
void ShowMessage(const std::string& text);

using TOpenFileDialogHook = std::function<BOOL(OPENFILENAMEW& ofn)>;
// While set, called instead of GetOpenFileNameW with the filled-in structure.
void SetOpenFileDialogHook(TOpenFileDialogHook hook);

// The names a multiple-selection open dialog returns in its buffer: one full name, or a folder
// followed by names in it, each ended by a zero byte, the list by a second one.
std::vector<std::wstring> ParseOpenFileNames(const wchar_t* buffer, size_t size);

enum TOpenOption : uint32_t {
  ofHideReadOnly = 1,
  ofAllowMultiSelect = 2,
  ofEnableSizing = 4,
  ofFileMustExist = 8,
  ofPathMustExist = 16,
};
using TOpenOptions = uint32_t;

class TOpenDialog : public TComponent {
public:
  explicit TOpenDialog(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions options) { options_ = options; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  // "Description|pattern|Description|pattern"; empty shows every file.
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& filter) { filter_ = filter; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& name) { fileName_ = name; }
  // The chosen files, full names in the dialog's order, after Execute answered true. The dialog
  // shows every name; a name the ANSI code page cannot express is given by its short name
  // (AnsiFileName), and left out when it has none.
  TStrings* Files() { return &files_; }

  // Shows the dialog; false when the user cancels.
  bool Execute();

private:
  TOpenOptions options_ = ofHideReadOnly | ofEnableSizing;
  std::string title_;
  std::string filter_;
  std::string fileName_;
  TStringList files_;
};

}  // namespace tmv
