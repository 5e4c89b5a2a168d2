#pragma once
// The shell calls a link label opens its target with, behind one seam so that tests can see
// each call and choose its result.
#include <windows.h>
#include <shellapi.h>

namespace tmv {

struct TRzShellCalls {
  BOOL(WINAPI* Execute)(SHELLEXECUTEINFOA* info);
  UINT(WINAPI* RunCommand)(LPCSTR commandLine, UINT show);
};

// The system's ShellExecuteExA and WinExec unless replaced.
TRzShellCalls& RzShellCalls();

}  // namespace tmv
