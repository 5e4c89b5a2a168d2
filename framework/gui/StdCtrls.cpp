#include "framework/gui/StdCtrls.h"

#include <shellapi.h>

#include "framework/core/ClassInfo.h"
#include "framework/core/TextUtils.h"
#include "framework/gui/Forms.h"

namespace tmv {

namespace {
const TEnumInfo& ComboBoxStyleInfo() {
  static const TEnumInfo info{"TComboBoxStyle", {"csDropDown", "csDropDownList"}};
  return info;
}

// The text a window of lines shows: lines joined by CR LF, without a break after the last.
std::string WindowText(const TStrings& lines) {
  std::string text = lines.Text();
  if (text.size() >= 2) text.resize(text.size() - 2);
  return text;
}
}  // namespace

// ---------------------------------------------------------------------------------------
// TLabel

const TClassInfo& TLabel::StaticClassInfo() {
  static const TClassInfo info("TLabel", &TControl::StaticClassInfo(), &CreateComponent<TLabel>,
                               {prop::Enum<&TLabel::SetAlignment>("Alignment", AlignmentInfo()),
                                prop::Boolean<&TLabel::SetAutoSize>("AutoSize", true),
                                prop::Boolean<&TLabel::SetTransparent>("Transparent")});
  return info;
}

TLabel::TLabel(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 65, 17); }

void TLabel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustSize();
}

void TLabel::CaptionChanged() {
  AdjustSize();
  Invalidate();
}

void TLabel::FontChanged() {
  AdjustSize();
  TControl::FontChanged();
}

void TLabel::PrepareFont(TCanvas& canvas) { canvas.Font()->Assign(*Font()); }

void TLabel::AdjustSize() {
  if (!autoSize_ || IsLoading()) return;
  TCanvas canvas;
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  canvas.SetHandle(dc.Get());
  PrepareFont(canvas);
  SIZE size = canvas.TextExtent(Caption().empty() ? std::string(" ") : Caption());
  int left = Left();
  if (alignment_ == taRightJustify) left = Left() + Width() - size.cx;
  if (alignment_ == taCenter) left = Left() + (Width() - size.cx) / 2;
  SetBounds(left, Top(), size.cx, size.cy);
}

void TLabel::Paint(TCanvas& canvas) {
  RECT r = ClientRect();
  if (!Transparent()) {
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(r);
  }
  PrepareFont(canvas);
  SelectGuard font(canvas.Handle(), canvas.Font()->Handle());
  SetBkMode(canvas.Handle(), TRANSPARENT);
  SetTextColor(canvas.Handle(), ColorToRGB(Enabled() ? canvas.Font()->Color() : clGrayText));
  static const UINT align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  DrawTextA(canvas.Handle(), Caption().c_str(), static_cast<int>(Caption().size()), &r,
            align[alignment_] | DT_WORDBREAK | DT_NOPREFIX);
}

// ---------------------------------------------------------------------------------------
// TLinkLabel

const TClassInfo& TLinkLabel::StaticClassInfo() {
  static const TClassInfo info("TLinkLabel", &TLabel::StaticClassInfo(), &CreateComponent<TLinkLabel>,
                               {prop::String<&TLinkLabel::SetURL>("URL")});
  return info;
}

TLinkLabel::TLinkLabel(TComponent* owner) : TLabel(owner) { SetCursor(crHandPoint); }

void TLinkLabel::PrepareFont(TCanvas& canvas) {
  TLabel::PrepareFont(canvas);
  canvas.Font()->SetColor(clBlue);
  canvas.Font()->SetStyle(canvas.Font()->Style() | fsUnderline);
}

void TLinkLabel::Click() {
  TLabel::Click();
  const std::string& target = url_.empty() ? Caption() : url_;
  if (!target.empty())
    ShellExecuteA(Application()->Handle(), "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// ---------------------------------------------------------------------------------------
// TMemo

void TControlStrings::Put(int index, const std::string& s) {
  lines_.Put(index, s);
  onChange_(nullptr);
}

void TControlStrings::Insert(int index, const std::string& s) {
  lines_.Insert(index, s);
  if (onAppend_ && index == lines_.Count() - 1)
    onAppend_(index);
  else
    onChange_(nullptr);
}

void TControlStrings::Delete(int index) {
  lines_.Delete(index);
  onChange_(nullptr);
}

void TControlStrings::Clear() {
  lines_.Clear();
  onChange_(nullptr);
}

const TClassInfo& TMemo::StaticClassInfo() {
  static const TClassInfo info("TMemo", &TWinControl::StaticClassInfo(), &CreateComponent<TMemo>,
                               {prop::StringList<&TMemo::SetLines>("Lines")});
  return info;
}

TMemo::TMemo(TComponent* owner)
    : TWinControl(owner), lines_(TNotifyEvent::Of<&TMemo::LinesChanged>(this)) {
  lines_.SetOnAppend(TControlStrings::TAppendEvent::Of<&TMemo::LineAppended>(this));
  BehaveAsSystemControl();
  SetBounds(0, 0, 185, 89);
  SetColor(clWindow);
}

void TMemo::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "EDIT";
  params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TMemo::InitializeWnd() {
  // The window's own limit of about 30000 characters would cut added lines short.
  SendMessageA(Handle(), EM_LIMITTEXT, 0, 0);
  LinesChanged(this);
}

void TMemo::LinesChanged(TObject*) {
  if (!HandleAllocated()) return;
  updatingWindow_ = true;
  SetWindowTextA(Handle(), WindowText(lines_).c_str());
  updatingWindow_ = false;
}

// Setting the whole text again for every added line would make filling a memo take time
// growing with the square of its lines.
void TMemo::LineAppended(int index) {
  if (!HandleAllocated()) return;
  const std::string added = (index > 0 ? "\r\n" : "") + lines_[index];
  const int end = GetWindowTextLengthA(Handle());
  updatingWindow_ = true;
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
  SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
  updatingWindow_ = false;
}

void TMemo::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE && !updatingWindow_) {
    int length = GetWindowTextLengthA(Handle());
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(Handle(), &text[0], length + 1);
    text.resize(static_cast<size_t>(length));
    lines_.TakeWindowText(text);
    return;
  }
  TWinControl::WndProc(message);
}

// ---------------------------------------------------------------------------------------
// TBitBtn

const TClassInfo& TBitBtn::StaticClassInfo() {
  static const TClassInfo info("TBitBtn", &TWinControl::StaticClassInfo(), &CreateComponent<TBitBtn>,
                               {prop::Object<&TBitBtn::Glyph>("Glyph"),
                                prop::Integer<&TBitBtn::SetNumGlyphs>("NumGlyphs", 1),
                                prop::Boolean<&TBitBtn::SetDefault>("Default"),
                                prop::Boolean<&TBitBtn::SetCancel>("Cancel")});
  return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TWinControl(owner) {
  BehaveAsSystemControl();
  SetBounds(0, 0, 75, 25);
}

void TBitBtn::SetDefault(bool value) {
  default_ = value;
  active_ = value;
  if (TCustomForm* form = GetParentForm(this); form && HandleAllocated())
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TBitBtn::SetNumGlyphs(int count) {
  if (count < 1 || count > 4) return;
  numGlyphs_ = count;
  Invalidate();
}

void TBitBtn::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "BUTTON";
  params.Style |= BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      // Owner-drawn buttons report a quick second click as a double click.
      if (HIWORD(message.WParam) == BN_CLICKED || HIWORD(message.WParam) == BN_DOUBLECLICKED) Click();
      return;
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
      message.Result = TRUE;
      return;
    case CM_FOCUSCHANGED:
      // Return clicks the focused button, or the default one while no button has the focus.
      if (auto* focused = dynamic_cast<TBitBtn*>(reinterpret_cast<TControl*>(message.LParam)))
        active_ = focused == this;
      else
        active_ = default_;
      return;
    case CM_DIALOGKEY:
      if (((message.WParam == VK_RETURN && active_) || (message.WParam == VK_ESCAPE && cancel_)) &&
          KeyboardShiftState() == 0 && CanFocus()) {
        Click();
        message.Result = 1;
      }
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<unsigned>(message.WParam), Caption()) && CanFocus()) {
        SetFocus();
        Click();
        message.Result = 1;
      }
      return;
  }
  TWinControl::WndProc(message);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  if (!glyph_.Empty()) {
    const int w = glyph_.Width() / numGlyphs_, h = glyph_.Height();
    int index = 0;
    if (disabled && numGlyphs_ > 1) index = 1;
    if (pressed && numGlyphs_ > 2) index = 2;
    const int shift = pressed ? 1 : 0;
    const int x = r.left + (r.right - r.left - w) / 2 + shift, y = r.top + (r.bottom - r.top - h) / 2 + shift;
    TCanvas* source = glyph_.Canvas();
    TransparentBlt(dc, x, y, w, h, source->Handle(), index * w, 0, w, h, source->Pixel(0, h - 1));
  }
  if (item.itemState & ODS_FOCUS) {
    RECT focus = r;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
}

// ---------------------------------------------------------------------------------------
// TRadioButton

const TClassInfo& TRadioButton::StaticClassInfo() {
  static const TClassInfo info("TRadioButton", &TWinControl::StaticClassInfo(), &CreateComponent<TRadioButton>,
                               {prop::Boolean<&TRadioButton::SetChecked>("Checked"),
                                prop::Boolean<&TRadioButton::SetFlat>("Flat"),
                                prop::Integer<&TRadioButton::SetGroupIndex>("GroupIndex")});
  return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  BehaveAsSystemControl();
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "BUTTON";
  params.Style |= BS_RADIOBUTTON | (flat_ ? BS_FLAT : 0);
}

void TRadioButton::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  RecreateWnd();
}

void TRadioButton::InitializeWnd() {
  SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!checked) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (other && other != this && other->groupIndex_ == groupIndex_) other->SetChecked(false);
    }
  }
  if (!IsLoading()) Click();
}

void TRadioButton::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR) {
    if (IsAccel(static_cast<unsigned>(message.WParam), Caption()) && CanFocus()) {
      SetFocus();
      SetChecked(true);
      message.Result = 1;
    }
    return;
  }
  if (message.Msg == CN_COMMAND) {
    if (HIWORD(message.WParam) == BN_CLICKED || HIWORD(message.WParam) == BN_DOUBLECLICKED) SetChecked(true);
    return;
  }
  TWinControl::WndProc(message);
}

// ---------------------------------------------------------------------------------------
// TComboBox

const TClassInfo& TComboBox::StaticClassInfo() {
  static const TClassInfo info("TComboBox", &TWinControl::StaticClassInfo(), &CreateComponent<TComboBox>,
                               {prop::StringList<&TComboBox::SetItems>("Items"),
                                prop::Integer<&TComboBox::SetItemIndex>("ItemIndex", -1),
                                prop::Enum<&TComboBox::SetStyle>("Style", ComboBoxStyleInfo()),
                                prop::Integer<&TComboBox::SetDropDownCount>("DropDownCount", 8),
                                prop::Event<&TComboBox::SetOnChange>("OnChange")});
  return info;
}

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner), items_(TNotifyEvent::Of<&TComboBox::ItemsChanged>(this)) {
  BehaveAsSystemControl();
  SetBounds(0, 0, 145, 21);
  SetColor(clWindow);
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "COMBOBOX";
  params.Style |= WS_VSCROLL | (style_ == csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
  params.Height = OpenListHeight();
}

void TComboBox::InitializeWnd() { ItemsChanged(this); }

void TComboBox::ItemsChanged(TObject*) {
  if (itemIndex_ >= items_.Count() && !IsLoading()) itemIndex_ = -1;
  if (!HandleAllocated()) return;
  HWND combo = Handle();
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < items_.Count(); ++i)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items_.Get(i).c_str()));
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TComboBox::SetItemIndex(int index) {
  // While a form resource is read the items may come after the index; Loaded checks it.
  if (!IsLoading() && (index < -1 || index >= items_.Count())) return;
  itemIndex_ = index;
  if (HandleAllocated()) SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  RecreateWnd();
}

void TComboBox::SetDropDownCount(int count) {
  if (count < 1) return;
  dropDownCount_ = count;
  RecreateWnd();
}

void TComboBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (HIWORD(message.WParam) == CBN_SELCHANGE) {
      itemIndex_ = static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
      onChange_(this);
    }
    return;
  }
  TWinControl::WndProc(message);
}

int TComboBox::OpenListHeight() {
  const int row = Font()->Height() < 0 ? -Font()->Height() + 4 : Font()->Height();
  return Height() + dropDownCount_ * row;
}

void TComboBox::BoundsChanged() {
  // The window's height given to the system is that of the open list; the system keeps the
  // closed height itself.
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), OpenListHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::Loaded() {
  TWinControl::Loaded();
  if (itemIndex_ < -1 || itemIndex_ >= items_.Count()) itemIndex_ = -1;
  ItemsChanged(this);
}

}  // namespace tmv
