#pragma once
// The shell's notification area as the tray icon uses it: the record that describes the icon,
// and the one call that adds, changes or removes it, which tests can answer instead of the
// shell.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

namespace tmv {

// The message the shell posts to the icon's window for mouse actions on the icon; its LPARAM
// is the mouse message.
constexpr UINT kTrayCallbackMessage = WM_USER + 1024;
constexpr UINT kTrayIconId = 1;

// The record in the size every shell since the first with long tips reads: the window, the
// icon's identifier, the callback message, the picture and the tip, cut where a character
// starts to what the record holds.
NOTIFYICONDATAA TrayIconRecord(HWND window, HICON icon, const std::string& tip);

using TShellNotifyIconHook = std::function<BOOL(DWORD message, const NOTIFYICONDATAA& data)>;
// While a hook is set it is called instead of the shell; an empty function puts the shell back.
void SetShellNotifyIconHook(TShellNotifyIconHook hook);
BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAA& data);

}  // namespace tmv
