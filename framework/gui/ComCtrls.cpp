#include "framework/gui/ComCtrls.h"

#include <commctrl.h>

#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"

namespace tmv {

namespace {
const TEnumInfo& ViewStyleInfo() {
  static const TEnumInfo info{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};
  return info;
}
const DWORD kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
constexpr UINT kItemStates = LVIS_SELECTED | LVIS_FOCUSED;
}  // namespace

// ---------------------------------------------------------------------------------------
// TListItem

void TListItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  owner_.UpdateItemInWindow(*this);
}

void TListItem::SetImageIndex(int index) {
  imageIndex_ = index;
  owner_.UpdateItemInWindow(*this);
}

bool TListItem::State(UINT mask) const {
  if (HWND w = owner_.Window())
    return (SendMessageA(w, LVM_GETITEMSTATE, static_cast<WPARAM>(index_), mask) & mask) != 0;
  return (state_ & mask) != 0;
}

void TListItem::SetState(UINT mask, bool on) {
  state_ = on ? (state_ | mask) : (state_ & ~mask);
  if (HWND w = owner_.Window()) {
    LVITEMA item = {};
    item.stateMask = mask;
    item.state = on ? mask : 0;
    SendMessageA(w, LVM_SETITEMSTATE, static_cast<WPARAM>(index_), reinterpret_cast<LPARAM>(&item));
  }
}

bool TListItem::Selected() const { return State(LVIS_SELECTED); }
void TListItem::SetSelected(bool selected) { SetState(LVIS_SELECTED, selected); }
bool TListItem::Focused() const { return State(LVIS_FOCUSED); }
void TListItem::SetFocused(bool focused) { SetState(LVIS_FOCUSED, focused); }

// ---------------------------------------------------------------------------------------
// TListItems

TListItem* TListItems::Add() {
  items_.push_back(std::make_unique<TListItem>(owner_, Count()));
  owner_.InsertItemIntoWindow(*items_.back());
  return items_.back().get();
}

TListItem* TListItems::Add(const std::string& caption, int imageIndex) {
  items_.push_back(std::make_unique<TListItem>(owner_, Count()));
  TListItem& item = *items_.back();
  item.caption_ = caption;
  item.imageIndex_ = imageIndex;
  owner_.InsertItemIntoWindow(item);
  return &item;
}

void TListItems::Clear() {
  if (HWND w = owner_.Window()) SendMessageA(w, LVM_DELETEALLITEMS, 0, 0);
  items_.clear();
}

void TListItems::BeginUpdate() {
  if (updateCount_++ > 0) return;
  if (HWND w = owner_.Window()) SendMessageA(w, WM_SETREDRAW, FALSE, 0);
}

void TListItems::EndUpdate() {
  if (updateCount_ == 0 || --updateCount_ > 0) return;
  if (HWND w = owner_.Window()) {
    SendMessageA(w, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(w, nullptr, TRUE);
  }
}

TListItem* TListItems::Item(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
  return items_[static_cast<size_t>(index)].get();
}

// ---------------------------------------------------------------------------------------
// TListView

const TClassInfo& TListView::StaticClassInfo() {
  static const TClassInfo info("TListView", &TWinControl::StaticClassInfo(), &CreateComponent<TListView>,
                               {prop::Enum<&TListView::SetViewStyle>("ViewStyle", ViewStyleInfo()),
                                prop::Reference<&TListView::SetLargeImages>("LargeImages"),
                                prop::Reference<&TListView::SetSmallImages>("SmallImages"),
                                prop::Reference<&TListView::SetStateImages>("StateImages"),
                                prop::Boolean<&TListView::SetMultiSelect>("MultiSelect"),
                                prop::Boolean<&TListView::SetHideSelection>("HideSelection", true),
                                prop::Boolean<&TListView::SetShowWorkAreas>("ShowWorkAreas")});
  return info;
}

TListView::TListView(TComponent* owner) : TWinControl(owner), items_(*this) {
  BehaveAsSystemControl();
  static bool initialized = false;
  if (!initialized) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    initialized = true;
  }
  SetBounds(0, 0, 250, 150);
  SetColor(clWindow);
}

TListView::~TListView() {
  DestroyHandle();
  SetLargeImages(nullptr);
  SetSmallImages(nullptr);
  SetStateImages(nullptr);
}

void TListView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = WC_LISTVIEWA;
  // The image lists belong to their components, not to the window.
  params.Style |= LVS_SHAREIMAGELISTS | kViewStyles[viewStyle_] |
                  (multiSelect_ ? 0 : LVS_SINGLESEL) | (hideSelection_ ? 0 : LVS_SHOWSELALWAYS);
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::ApplyStyle() {
  HWND w = Window();
  if (!w) return;
  LONG style = GetWindowLongA(w, GWL_STYLE);
  style &= ~(LVS_TYPEMASK | LVS_SINGLESEL | LVS_SHOWSELALWAYS);
  style |= kViewStyles[viewStyle_] | (multiSelect_ ? 0 : LVS_SINGLESEL) | (hideSelection_ ? 0 : LVS_SHOWSELALWAYS);
  SetWindowLongA(w, GWL_STYLE, style);
  InvalidateRect(w, nullptr, TRUE);
}

void TListView::ApplyImageLists() {
  HWND w = Window();
  if (!w) return;
  auto handle = [](TImageList* list) { return reinterpret_cast<LPARAM>(list ? list->Handle() : nullptr); };
  SendMessageA(w, LVM_SETIMAGELIST, LVSIL_NORMAL, handle(largeImages_));
  SendMessageA(w, LVM_SETIMAGELIST, LVSIL_SMALL, handle(smallImages_));
  SendMessageA(w, LVM_SETIMAGELIST, LVSIL_STATE, handle(stateImages_));
}

void TListView::InitializeWnd() {
  HWND w = Window();
  SendMessageA(w, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  SendMessageA(w, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  ApplyImageLists();
  for (const auto& item : items_.items_) InsertItemIntoWindow(*item);
}

void TListView::SaveWndState() {
  HWND w = Window();
  for (const auto& item : items_.items_)
    item->state_ = static_cast<UINT>(SendMessageA(w, LVM_GETITEMSTATE, static_cast<WPARAM>(item->index_), kItemStates));
}

void TListView::InsertItemIntoWindow(const TListItem& item) {
  HWND w = Window();
  if (!w) return;
  LVITEMA lv = {};
  lv.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
  lv.iItem = item.index_;
  lv.pszText = const_cast<char*>(item.caption_.c_str());
  lv.iImage = item.imageIndex_;
  lv.state = item.state_ & kItemStates;
  lv.stateMask = kItemStates;
  SendMessageA(w, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lv));
}

void TListView::UpdateItemInWindow(const TListItem& item) {
  HWND w = Window();
  if (!w) return;
  LVITEMA lv = {};
  lv.mask = LVIF_TEXT | LVIF_IMAGE;
  lv.iItem = item.index_;
  lv.pszText = const_cast<char*>(item.caption_.c_str());
  lv.iImage = item.imageIndex_;
  SendMessageA(w, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&lv));
}

void TListView::SetViewStyle(TViewStyle style) {
  if (style == viewStyle_) return;
  viewStyle_ = style;
  ApplyStyle();
}

void TListView::SetMultiSelect(bool value) {
  multiSelect_ = value;
  ApplyStyle();
}

void TListView::SetHideSelection(bool value) {
  hideSelection_ = value;
  ApplyStyle();
}

void TListView::SetImageList(TImageList*& field, TImageList* list) {
  if (field == list) return;
  const TNotifyEvent link = TNotifyEvent::Of<&TListView::ImageListChange>(this);
  auto used = [&](TImageList* l) { return l == largeImages_ || l == smallImages_ || l == stateImages_; };
  TImageList* old = field;
  // One list may serve several roles; it is linked once.
  if (list && !used(list)) {
    list->RegisterChanges(link);
    list->FreeNotification(this);
  }
  field = list;
  if (old && !used(old)) {
    old->UnRegisterChanges(link);
    old->RemoveFreeNotification(this);
  }
  ApplyImageLists();
}

void TListView::SetLargeImages(TImageList* list) { SetImageList(largeImages_, list); }
void TListView::SetSmallImages(TImageList* list) { SetImageList(smallImages_, list); }
void TListView::SetStateImages(TImageList* list) { SetImageList(stateImages_, list); }

void TListView::ImageListChange(TObject*) { ApplyImageLists(); }

void TListView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == largeImages_) SetLargeImages(nullptr);
  if (component == smallImages_) SetSmallImages(nullptr);
  if (component == stateImages_) SetStateImages(nullptr);
}

int TListView::SelCount() const {
  if (HWND w = Window()) return static_cast<int>(SendMessageA(w, LVM_GETSELECTEDCOUNT, 0, 0));
  int n = 0;
  for (const auto& item : items_.items_) n += (item->state_ & LVIS_SELECTED) ? 1 : 0;
  return n;
}

TListItem* TListView::FirstItemWith(UINT windowFlag, UINT state) const {
  if (HWND w = Window()) {
    int i = static_cast<int>(SendMessageA(w, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), windowFlag));
    return i >= 0 && i < items_.Count() ? items_.Item(i) : nullptr;
  }
  for (const auto& item : items_.items_)
    if (item->state_ & state) return item.get();
  return nullptr;
}

TListItem* TListView::Selected() const { return FirstItemWith(LVNI_SELECTED, LVIS_SELECTED); }

TListItem* TListView::ItemFocused() const { return FirstItemWith(LVNI_FOCUSED, LVIS_FOCUSED); }

}  // namespace tmv
