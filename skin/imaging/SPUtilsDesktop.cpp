#include "skin/imaging/SPUtilsDesktop.h"

namespace tmv {

namespace {

using MonitorFromWindowCall = HMONITOR(WINAPI*)(HWND, DWORD);
using GetMonitorInfoCall = BOOL(WINAPI*)(HMONITOR, MONITORINFO*);
using SetLayeredWindowAttributesCall = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

template <class F>
F Lookup(const char* module, const char* name) {
  HMODULE handle = GetModuleHandleA(module);
  return handle ? reinterpret_cast<F>(GetProcAddress(handle, name)) : nullptr;
}

struct MonitorCalls {
  MonitorFromWindowCall FromWindow = Lookup<MonitorFromWindowCall>("user32.dll", "MonitorFromWindow");
  GetMonitorInfoCall Info = Lookup<GetMonitorInfoCall>("user32.dll", "GetMonitorInfoA");
};

const MonitorCalls& Monitors() {
  static const MonitorCalls calls;
  return calls;
}

TWindowsVersionQuery& VersionQuery() {
  static TWindowsVersionQuery query = [] { return GetVersion(); };
  return query;
}

void Version(int& major, int& minor) {
  const DWORD v = VersionQuery()();
  major = LOBYTE(LOWORD(v));
  minor = HIBYTE(LOWORD(v));
}

TRect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

void GetMonitorWorkArea(HWND window, TRect& area, bool workArea) {
  const MonitorCalls& calls = Monitors();
  if (GetSystemMetrics(SM_CMONITORS) > 1 && calls.FromWindow && calls.Info) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    HMONITOR monitor = calls.FromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (monitor && calls.Info(monitor, &info)) area = FromRECT(workArea ? info.rcWork : info.rcMonitor);
    return;
  }
  if (!workArea) {
    area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return;
  }
  RECT r;
  if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0)) area = FromRECT(r);
}

bool SetWindowAlpha(HWND window, BYTE alpha) {
  const auto call = Lookup<SetLayeredWindowAttributesCall>("USER32", "SetLayeredWindowAttributes");
  if (!call) return false;
  call(window, 0, alpha, LWA_ALPHA);
  return true;
}

TWindowsVersionQuery SetWindowsVersionQuery(TWindowsVersionQuery query) {
  const TWindowsVersionQuery previous = VersionQuery();
  VersionQuery() = query ? query : [] { return GetVersion(); };
  return previous;
}

bool IsVersion51() {
  int major, minor;
  Version(major, minor);
  return major == 5 && minor == 1;
}

bool LayeredWindowsAvailable() {
  int major, minor;
  Version(major, minor);
  return major == 5 && minor <= 2;
}

}  // namespace tmv
