#include "skin/tray/TrayShell.h"

#include <cstring>

#include "framework/core/TextUtils.h"

namespace tmv {

namespace {

TShellNotifyIconHook& Hook() {
  static TShellNotifyIconHook hook;
  return hook;
}

}  // namespace

NOTIFYICONDATAA TrayIconRecord(HWND window, HICON icon, const std::string& tip) {
  NOTIFYICONDATAA data = {};
  data.cbSize = NOTIFYICONDATAA_V2_SIZE;
  data.hWnd = window;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = icon;
  const std::string shown = LeftBytes(tip, sizeof data.szTip - 1);
  std::memcpy(data.szTip, shown.data(), shown.size());
  return data;
}

void SetShellNotifyIconHook(TShellNotifyIconHook hook) { Hook() = std::move(hook); }

BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAA& data) {
  return Hook() ? Hook()(message, data) : Shell_NotifyIconA(message, &data);
}

}  // namespace tmv
