#pragma once
// The top-level items of a form's main menu shown on its skinned frame: one object per visible
// item, drawn from the skin's "MAINMENUITEM" object, laid out side by side along the skin's
// main-menu rectangle. Pressing one opens its sub-menu through the form's skin menu; one
// without sub-items runs its command when let go over it.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/form/SkinFrameObjects.h"

namespace tmv {

class TMainMenu;
class TMenuItem;
class TspFrameGeometry;

class TspSkinMainMenuItem : public TspActiveSkinObject {
public:
  TspSkinMainMenuItem(TspDynamicSkinForm& form, const TspDataSkinMainMenuItem& data, TMenuItem& item);
  void DrawObject(HDC dc, bool inStrip) override;
  void HandleMouseDown(int x, int y, TMouseButton button) override;
  void HandleMouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  bool CanMorph() const override { return false; }

  // Null once the menu item has been freed.
  TMenuItem* MenuItem() const;
  bool HasSubItems() const;
  bool Down() const { return down_; }
  void SetDown(bool value);
  // The width the caption needs with the item image's ends around it.
  int32_t ItemWidth() const { return width_; }

private:
  TRect TextRect() const;
  const TspDataSkinMainMenuItem& data_;
  TMenuItem* item_;
  std::weak_ptr<const void> itemAlive_;
  bool down_ = false;
  int32_t width_ = 0;
};

// One item per visible top-level item of menu, made from the skin's "MAINMENUITEM" object;
// none when the skin has no such object.
std::vector<std::unique_ptr<TspActiveSkinObject>> CreateMainMenuItems(TspDynamicSkinForm& form,
                                                                      const TspSkinData& skin, TMainMenu& menu);

// Places the items left to right from the main-menu rectangle's left edge, centred in its
// height; an item that would pass its right edge is hidden, as are all without a rectangle.
// Each takes its menu item's enabled state again (none once the menu item is freed).
void LayoutMainMenuItems(const std::vector<TspSkinMainMenuItem*>& items, const TRect& mainMenuRect);

}  // namespace tmv
