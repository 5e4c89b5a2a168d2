#pragma once
// Text labels, the memo, push buttons with a glyph, radio buttons, drop-down lists and link
// labels. Windowed ones wrap the system's controls.
#include <string>

#include "framework/core/Bitmap.h"
#include "framework/core/Strings.h"
#include "framework/gui/Controls.h"

namespace tmv {

// Windowless text.
class TLabel : public TControl {
public:
  explicit TLabel(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  // With AutoSize the label takes the size of its text; a right-aligned one keeps its right
  // edge, a centred one its middle.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  void Paint(TCanvas& canvas) override;

protected:
  void CaptionChanged() override;
  void FontChanged() override;
  virtual void AdjustSize();
  virtual void PrepareFont(TCanvas& canvas);

private:
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
};

// A label that opens its URL with the shell when clicked.
class TLinkLabel : public TLabel {
public:
  explicit TLinkLabel(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  const std::string& URL() const { return url_; }
  void SetURL(const std::string& url) { url_ = url; }
  void Click() override;

protected:
  void PrepareFont(TCanvas& canvas) override;

private:
  std::string url_;
};

// Lines kept in memory that tell their control of every change, so that its window can
// show them.
class TControlStrings : public TStrings {
public:
  // Called with the index of a line just added after all others.
  using TAppendEvent = TMethod<int>;
  explicit TControlStrings(TNotifyEvent onChange) : onChange_(onChange) {}
  // With OnAppend set, a line added at the end is announced there instead of to OnChange,
  // so a window can take the one line rather than all of them again.
  void SetOnAppend(TAppendEvent event) { onAppend_ = event; }
  int Count() const override { return lines_.Count(); }
  std::string Get(int index) const override { return lines_.Get(index); }
  void Put(int index, const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;
  // Takes the text a person typed into the window, which shows it already.
  void TakeWindowText(const std::string& text) { lines_.SetText(text); }

private:
  TStringList lines_;
  TNotifyEvent onChange_;
  TAppendEvent onAppend_;
};

class TMemo : public TWinControl {
public:
  explicit TMemo(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TStrings* Lines() { return &lines_; }
  void SetLines(const std::vector<std::string>& lines) { lines_.Assign(lines); }
  void WndProc(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;

private:
  void LinesChanged(TObject* sender);
  void LineAppended(int index);
  TControlStrings lines_;
  bool updatingWindow_ = false;
};

// A push button showing one glyph from Glyph (a strip of NumGlyphs equal pictures: up,
// disabled, down) and no caption. The glyph's bottom-left pixel marks its transparent colour.
class TBitBtn : public TWinControl {
public:
  explicit TBitBtn(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TBitmap* Glyph() { return &glyph_; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int count);
  // Return clicks the default button of a form while no other button has the focus;
  // Escape clicks the cancel button.
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  void WndProc(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;

private:
  void DrawItem(const DRAWITEMSTRUCT& item);
  TBitmap glyph_;
  int numGlyphs_ = 1;
  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;  // Return is this button's
};

// A radio button; checking one unchecks the others of the same parent and GroupIndex.
class TRadioButton : public TWinControl {
public:
  explicit TRadioButton(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index) { groupIndex_ = index; }
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  void WndProc(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;

private:
  bool checked_ = false;
  int groupIndex_ = 0;
  bool flat_ = false;
};

enum TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public TWinControl {
public:
  explicit TComboBox(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TStrings* Items() { return &items_; }
  void SetItems(const std::vector<std::string>& items) { items_.Assign(items); }
  // -1 for none; an index outside the items is ignored.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int count);
  TNotifyEvent OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent event) { onChange_ = event; }
  void WndProc(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void BoundsChanged() override;
  void Loaded() override;

private:
  void ItemsChanged(TObject* sender);
  int OpenListHeight();
  TControlStrings items_;
  int itemIndex_ = -1;
  TComboBoxStyle style_ = csDropDown;
  int dropDownCount_ = 8;
  TNotifyEvent onChange_;
};

}  // namespace tmv
