#pragma once
// Owners of Windows handles: each handle has exactly one owner that frees it the right way.
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace tmv {

template <class H, class Free>
class UniqueHandle {
public:
  UniqueHandle() = default;
  explicit UniqueHandle(H handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  H Release() { return std::exchange(handle_, nullptr); }
  void Reset(H handle = nullptr) {
    if (handle_ && handle_ != handle) Free()(handle_);
    handle_ = handle;
  }

private:
  H handle_ = nullptr;
};

struct DeleteGdiObject {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DeleteMemoryDC {
  void operator()(HDC h) const { DeleteDC(h); }
};
struct DestroyIconHandle {
  void operator()(HICON h) const { DestroyIcon(h); }
};
struct DestroyCursorHandle {
  void operator()(HCURSOR h) const { DestroyCursor(h); }
};
struct DestroyMenuHandle {
  void operator()(HMENU h) const { DestroyMenu(h); }
};
struct DestroyImageListHandle {
  void operator()(HIMAGELIST h) const { ImageList_Destroy(h); }
};

using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniqueRegion = UniqueHandle<HRGN, DeleteGdiObject>;
using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using UniquePen = UniqueHandle<HPEN, DeleteGdiObject>;
using UniqueMemoryDC = UniqueHandle<HDC, DeleteMemoryDC>;
using UniqueIcon = UniqueHandle<HICON, DestroyIconHandle>;
using UniqueCursor = UniqueHandle<HCURSOR, DestroyCursorHandle>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenuHandle>;
using UniqueImageList = UniqueHandle<HIMAGELIST, DestroyImageListHandle>;

// A DC of a window, obtained with GetDC (the client area) or GetWindowDC (the whole window)
// and given back with ReleaseDC.
template <HDC(WINAPI* Obtain)(HWND)>
class ReleasedDC {
public:
  explicit ReleasedDC(HWND window) : window_(window), dc_(Obtain(window)) {}
  ~ReleasedDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  ReleasedDC(const ReleasedDC&) = delete;
  ReleasedDC& operator=(const ReleasedDC&) = delete;
  HDC Get() const { return dc_; }

private:
  HWND window_;
  HDC dc_;
};
using WindowDC = ReleasedDC<GetDC>;
using WholeWindowDC = ReleasedDC<GetWindowDC>;

// A window's paint under way: BeginPaint now, EndPaint when the object goes, also when the
// painting code throws.
class PaintDC {
public:
  explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDC() { EndPaint(window_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC Get() const { return dc_; }
  const RECT& Area() const { return paint_.rcPaint; }

private:
  HWND window_;
  PAINTSTRUCT paint_;
  HDC dc_;
};

// A DC's state (origin, clipping, selected objects, colours) saved now and put back when the
// object goes.
class SavedDC {
public:
  explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDC() { RestoreDC(dc_, saved_); }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

private:
  HDC dc_;
  int saved_;
};

// Selects an object into a DC for the lifetime of the guard and puts the previous one back.
class SelectGuard {
public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectGuard() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

private:
  HDC dc_;
  HGDIOBJ old_;
};

// Changes one setting of a DC (SetTextAlign, SetBkMode ...) for the lifetime of the guard and
// puts the previous value back.
template <class T, T(WINAPI* Set)(HDC, T)>
class DCSettingGuard {
public:
  DCSettingGuard(HDC dc, T value) : dc_(dc), old_(Set(dc, value)) {}
  ~DCSettingGuard() { Set(dc_, old_); }
  DCSettingGuard(const DCSettingGuard&) = delete;
  DCSettingGuard& operator=(const DCSettingGuard&) = delete;

private:
  HDC dc_;
  T old_;
};
using TextAlignGuard = DCSettingGuard<UINT, SetTextAlign>;

}  // namespace tmv
