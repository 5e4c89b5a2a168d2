#include "framework/gui/FocusNavigation.h"

#include <algorithm>
#include <vector>

#include "framework/core/TabCycle.h"
#include "framework/gui/Forms.h"

namespace tmv {

namespace {

// The windowed controls from c up to, not including, form; innermost first.
std::vector<TWinControl*> ChainUpTo(TWinControl* c, const TCustomForm* form) {
  std::vector<TWinControl*> chain;
  for (; c && c != form; c = c->Parent()) chain.push_back(c);
  return chain;
}

// The WM_GETDLGCODE bit by which a control asks for key itself; 0 for keys no control is
// asked about.
UINT WantedKeyCode(WPARAM key) {
  switch (key) {
    case VK_TAB:
      return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_ESCAPE:
      return DLGC_WANTALLKEYS;
  }
  return 0;
}

UINT DialogCode(const MSG& msg) {
  return static_cast<UINT>(SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)));
}

}  // namespace

TCustomForm* GetParentForm(const TControl* control) {
  const TControl* top = control;
  while (top && top->Parent()) top = top->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

bool PreprocessKeyMessage(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN && msg.message != WM_CHAR &&
      msg.message != WM_SYSCHAR)
    return false;
  TCustomForm* form = GetParentForm(TWinControl::FindControl(msg.hwnd));
  if (!form) return false;
  TMessage key = {msg.message, msg.wParam, msg.lParam, 0};
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      if (form->IsShortCut(key)) return true;
      const UINT wanted = WantedKeyCode(msg.wParam);
      return wanted && !(DialogCode(msg) & wanted) && form->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam) != 0;
    }
    case WM_CHAR:
      return !(DialogCode(msg) & DLGC_WANTCHARS) && form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
    default:  // WM_SYSCHAR: Alt and a character
      return form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
  }
}

// ---------------------------------------------------------------------------------------
// TCustomForm: focus

void TCustomForm::SetActiveControl(TWinControl* control) {
  activeControl_ = control;
  if (control && HandleAllocated() && GetActiveWindow() == Handle() && control->CanFocus())
    ::SetFocus(control->Handle());
}

void TCustomForm::Activated() {
  Screen()->activeForm_ = this;
  TWinControl* target = activeControl_ && activeControl_->CanFocus() ? activeControl_ : nullptr;
  if (!target) target = FindNextControl(nullptr, true, true, false);
  ::SetFocus(target ? target->Handle() : Handle());
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
  activeControl_ = control;
  Screen()->activeForm_ = this;
  Screen()->activeControl_ = control;
  if (control == focusedControl_) return;
  std::vector<TWinControl*> left = ChainUpTo(focusedControl_, this);
  std::vector<TWinControl*> entered = ChainUpTo(control, this);
  // The containers both lie in keep the focus: they neither exit nor enter.
  while (!left.empty() && !entered.empty() && left.back() == entered.back()) {
    left.pop_back();
    entered.pop_back();
  }
  focusedControl_ = control;
  for (TWinControl* c : left) RunGuarded([&] { c->Perform(CM_EXIT); });
  for (auto it = entered.rbegin(); it != entered.rend(); ++it) RunGuarded([&] { (*it)->Perform(CM_ENTER); });
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::DefocusControl(TWinControl* control) {
  auto inside = [control](const TControl* c) { return c && c->IsWithin(control); };
  if (inside(activeControl_)) activeControl_ = nullptr;
  if (inside(focusedControl_)) focusedControl_ = nullptr;
  if (inside(Screen()->activeControl_)) Screen()->activeControl_ = nullptr;
}

TWinControl* TCustomForm::FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                          bool sameParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  const auto at = std::find(list.begin(), list.end(), current);
  const int from = at == list.end() ? -1 : static_cast<int>(at - list.begin());
  const int next = NextInRing(static_cast<int>(list.size()), from, forward, [&](int i) {
    TWinControl* c = list[static_cast<size_t>(i)];
    return c->CanFocus() && (!checkTabStop || c->TabStop()) && (!sameParent || !current || c->Parent() == current->Parent());
  });
  return next < 0 ? nullptr : list[static_cast<size_t>(next)];
}

void TCustomForm::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, forward, checkTabStop, !checkTabStop)) next->SetFocus();
}

bool TCustomForm::IsShortCut(TMessage& key) {
  bool handled = false;
  onShortCut_(key, handled);
  return handled || IsMenuShortCut(key);
}

bool TCustomForm::DialogKey(TMessage& message) {
  const TShiftState shift = KeyboardShiftState();
  switch (message.WParam) {
    case VK_TAB:
      if (shift & (ssCtrl | ssAlt)) return false;
      SelectNext(activeControl_, !(shift & ssShift), true);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      // Arrows move among the controls of one container, tab stops or not (radio buttons).
      if (!activeControl_) return false;
      SelectNext(activeControl_, message.WParam == VK_RIGHT || message.WParam == VK_DOWN, false);
      return true;
  }
  return false;
}

}  // namespace tmv
