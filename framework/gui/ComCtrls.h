#pragma once
// The list view of the system's common controls.
#include <memory>
#include <string>
#include <vector>

#include "framework/gui/Controls.h"
#include "framework/gui/ImgList.h"

namespace tmv {

class TListView;

class TListItem {
public:
  TListItem(TListView& owner, int index) : owner_(owner), index_(index) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  int Index() const { return index_; }
  bool Selected() const;
  void SetSelected(bool selected);
  bool Focused() const;
  void SetFocused(bool focused);

private:
  friend class TListView;
  friend class TListItems;
  bool State(UINT mask) const;
  void SetState(UINT mask, bool on);
  TListView& owner_;
  int index_;
  std::string caption_;
  int imageIndex_ = -1;
  UINT state_ = 0;  // kept while the list view has no window
};

class TListItems {
public:
  explicit TListItems(TListView& owner) : owner_(owner) {}
  TListItem* Add();
  // A new item that reaches the window with its caption and picture in one insertion.
  TListItem* Add(const std::string& caption, int imageIndex);
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }
  // Until the matching EndUpdate the list view is not redrawn, so many items are added for
  // the cost of one repaint at the end. Calls nest.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updateCount_ > 0; }
  TListItem* Item(int index) const;
  TListItem* operator[](int index) const { return Item(index); }

private:
  friend class TListView;
  friend class TListItem;
  TListView& owner_;
  std::vector<std::unique_ptr<TListItem>> items_;
  int updateCount_ = 0;
};

// BeginUpdate for as long as the object lives.
class TListItemsUpdate {
public:
  explicit TListItemsUpdate(TListItems& items) : items_(items) { items_.BeginUpdate(); }
  ~TListItemsUpdate() { items_.EndUpdate(); }
  TListItemsUpdate(const TListItemsUpdate&) = delete;
  TListItemsUpdate& operator=(const TListItemsUpdate&) = delete;

private:
  TListItems& items_;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListView : public TWinControl {
public:
  explicit TListView(TComponent* owner);
  ~TListView() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TListItems* Items() { return &items_; }
  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle style);
  TImageList* LargeImages() const { return largeImages_; }
  void SetLargeImages(TImageList* list);
  TImageList* SmallImages() const { return smallImages_; }
  void SetSmallImages(TImageList* list);
  TImageList* StateImages() const { return stateImages_; }
  void SetStateImages(TImageList* list);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  bool ShowWorkAreas() const { return showWorkAreas_; }
  void SetShowWorkAreas(bool value) { showWorkAreas_ = value; }

  int SelCount() const;
  // The first selected item, or null.
  TListItem* Selected() const;
  TListItem* ItemFocused() const;

protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void SaveWndState() override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TListItem;
  friend class TListItems;
  void SetImageList(TImageList*& field, TImageList* list);
  void ImageListChange(TObject* sender);
  void ApplyImageLists();
  void ApplyStyle();
  TListItem* FirstItemWith(UINT windowFlag, UINT state) const;
  void InsertItemIntoWindow(const TListItem& item);
  void UpdateItemInWindow(const TListItem& item);
  HWND Window() const { return HandleAllocated() ? const_cast<TListView*>(this)->Handle() : nullptr; }

  TListItems items_;
  TViewStyle viewStyle_ = vsIcon;
  TImageList* largeImages_ = nullptr;
  TImageList* smallImages_ = nullptr;
  TImageList* stateImages_ = nullptr;
  bool multiSelect_ = false;
  bool hideSelection_ = true;
  bool showWorkAreas_ = false;
};

}  // namespace tmv
