#include "framework/gui/Dialogs.h"

#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"
#include "framework/gui/AnsiFileNames.h"
#include "framework/gui/Forms.h"

namespace tmv {

namespace {

TMessageBoxHook& MessageBoxHook() {
  static TMessageBoxHook hook;
  return hook;
}

TOpenFileDialogHook& OpenFileDialogHook() {
  static TOpenFileDialogHook hook;
  return hook;
}

// Moves the next dialog box this thread activates to the middle of the screen.
HHOOK centringHook = nullptr;

LRESULT CALLBACK CentreOnActivate(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    RECT r;
    GetWindowRect(box, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    SetWindowPos(box, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    HHOOK self = std::exchange(centringHook, nullptr);
    UnhookWindowsHookEx(self);
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  return CallNextHookEx(centringHook, code, wParam, lParam);
}

std::wstring Wide(const std::string& ansi) {
  std::wstring wide(ansi.size(), L'\0');
  wide.resize(static_cast<size_t>(
      MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &wide[0], static_cast<int>(wide.size()))));
  return wide;
}

const TEnumInfo& OpenOptionsInfo() {
  static const TEnumInfo info{"TOpenOptions", {"ofHideReadOnly", "ofAllowMultiSelect", "ofEnableSizing",
                                               "ofFileMustExist", "ofPathMustExist"}};
  return info;
}

}  // namespace

HWND ModalOwner() {
  auto shown = [](TCustomForm* form) { return form && form->HandleAllocated() && IsWindowVisible(form->Handle()); };
  if (shown(Application()->MainForm())) return Application()->MainForm()->Handle();
  for (int i = 0; i < Screen()->FormCount(); ++i)
    if (shown(Screen()->Forms(i))) return Screen()->Forms(i)->Handle();
  return Application()->Handle();
}

TTaskWindowsDisabled::TTaskWindowsDisabled(HWND except) : except_(except) {
  EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(this));
  for (HWND window : windows_) EnableWindow(window, FALSE);
}

TTaskWindowsDisabled::~TTaskWindowsDisabled() {
  for (HWND window : windows_)
    if (IsWindow(window)) EnableWindow(window, TRUE);
}

BOOL CALLBACK TTaskWindowsDisabled::Collect(HWND window, LPARAM self) {
  auto* disabled = reinterpret_cast<TTaskWindowsDisabled*>(self);
  if (window != disabled->except_ && IsWindowVisible(window) && IsWindowEnabled(window))
    disabled->windows_.push_back(window);
  return TRUE;
}

void SetMessageBoxHook(TMessageBoxHook hook) { MessageBoxHook() = std::move(hook); }

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  const TModalBoxScope modal(owner, bool(MessageBoxHook()));
  if (MessageBoxHook()) return MessageBoxHook()(owner, text, caption, flags);
  return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void ShowMessage(const std::string& text) {
  HWND owner = ModalOwner();
  if (!MessageBoxHook())
    centringHook = SetWindowsHookExA(WH_CBT, &CentreOnActivate, nullptr, GetCurrentThreadId());
  ShowMessageBox(owner, text, Application()->Title(), MB_OK);
  if (centringHook) UnhookWindowsHookEx(std::exchange(centringHook, nullptr));
}

void SetOpenFileDialogHook(TOpenFileDialogHook hook) { OpenFileDialogHook() = std::move(hook); }

std::vector<std::wstring> ParseOpenFileNames(const wchar_t* buffer, size_t size) {
  std::vector<std::wstring> parts;
  size_t i = 0;
  while (i < size && buffer[i] != '\0') {
    size_t end = i;
    while (end < size && buffer[end] != '\0') ++end;
    parts.emplace_back(buffer + i, end - i);
    i = end + 1;
  }
  if (parts.size() <= 1) return parts;
  const std::wstring folder = parts[0].back() == L'\\' ? parts[0] : parts[0] + L"\\";
  std::vector<std::wstring> names;
  for (size_t k = 1; k < parts.size(); ++k) names.push_back(folder + parts[k]);
  return names;
}

const TClassInfo& TOpenDialog::StaticClassInfo() {
  static const TClassInfo info("TOpenDialog", &TComponent::StaticClassInfo(), &CreateComponent<TOpenDialog>,
                               {prop::Set<&TOpenDialog::SetOptions>("Options", OpenOptionsInfo(),
                                                                    "[ofHideReadOnly, ofEnableSizing]"),
                                prop::String<&TOpenDialog::SetTitle>("Title"),
                                prop::String<&TOpenDialog::SetFilter>("Filter"),
                                prop::String<&TOpenDialog::SetFileName>("FileName")});
  return info;
}

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

bool TOpenDialog::Execute() {
  // Room for a few thousand chosen names; the system's usual MAX_PATH would fail a large
  // multiple selection.
  std::vector<wchar_t> buffer((options_ & ofAllowMultiSelect) ? 0x10000 : MAX_PATH, L'\0');
  const std::wstring fileName = Wide(fileName_), title = Wide(title_);
  fileName.copy(buffer.data(), std::min(fileName.size(), buffer.size() - 2));
  std::wstring filter;
  if (!filter_.empty()) {
    filter = Wide(filter_);
    for (wchar_t& c : filter)
      if (c == L'|') c = L'\0';
    filter.append(2, L'\0');
  }
  // The wide dialog, so that names outside the ANSI code page arrive whole and can be given
  // by their short names.
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = ModalOwner();
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (options_ & ofHideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
  if (options_ & ofAllowMultiSelect) ofn.Flags |= OFN_ALLOWMULTISELECT;
  if (options_ & ofEnableSizing) ofn.Flags |= OFN_ENABLESIZING;
  if (options_ & ofFileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (options_ & ofPathMustExist) ofn.Flags |= OFN_PATHMUSTEXIST;

  BOOL ok = OpenFileDialogHook() ? OpenFileDialogHook()(ofn) : GetOpenFileNameW(&ofn);
  if (!ok) {
    if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL)
      throw EInvalidOperation("Too many files selected");
    return false;
  }
  buffer.back() = L'\0';
  std::vector<std::string> names;
  for (const std::wstring& name : ParseOpenFileNames(buffer.data(), buffer.size())) {
    std::string ansi = AnsiFileName(name);
    if (!ansi.empty()) names.push_back(std::move(ansi));
  }
  files_.Assign(names);
  fileName_ = files_.Count() > 0 ? files_[0] : std::string();
  return true;
}

}  // namespace tmv
