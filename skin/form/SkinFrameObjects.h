#pragma once
// The active objects of a skinned form's frame: the caption, the caption buttons and the other
// parts a skin places there. Each is made from one object descriptor, which it only reads and
// which, like the skin's pictures, it uses only until the form frees it at the next skin
// change; drawn into the frame strips or straight onto the window, fed with the mouse by its
// form.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Bitmap.h"
#include "framework/gui/Input.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/SkinGeometry.h"

namespace tmv {

class TspDynamicSkinForm;

class TspActiveSkinObject {
public:
  // data null: a built-in object with no skin behind it. A name given is the object's own
  // (built-in objects, main-menu items); else it is the descriptor's.
  TspActiveSkinObject(TspDynamicSkinForm& form, const TspDataSkinObject* data,
                      const std::string& name = std::string());
  virtual ~TspActiveSkinObject() = default;
  TspActiveSkinObject(const TspActiveSkinObject&) = delete;
  TspActiveSkinObject& operator=(const TspActiveSkinObject&) = delete;

  // Draws the object at ObjectRect on dc; inStrip while the whole frame is being composed.
  virtual void DrawObject(HDC dc, bool inStrip);
  virtual void HandleDoubleClick() {}
  virtual void HandleMouseDown(int x, int y, TMouseButton button);
  virtual void HandleMouseUp(int x, int y, TMouseButton button);
  virtual void HandleMouseMove(int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  // True while a morph step is still needed.
  virtual bool CanMorph() const;
  // One morph step towards the current state, drawn at once.
  void MorphStep();
  // Draws the object again: at the next morph tick when it morphs, else at once.
  void Redraw();

  const std::string IDName;
  const std::string Hint;
  const bool RollUp;
  const bool SkinRectInAPicture;
  const int32_t CursorIndex;
  const TRect SkinRect;
  TRect ObjectRect;
  double MorphKf = 0;
  bool MouseIn = false;
  bool Active = false;
  bool Enabled = true;
  bool Visible = true;

protected:
  TspDynamicSkinForm& Form() const { return form_; }
  bool FormActive() const;
  // Only MouseIn follows the mouse, and the form hears of it.
  void AnnounceMouse(bool in);
  // Copies a rectangle of a picture to the object's place.
  void DrawImage(HDC dc, TBitmap* picture, const TRect& source) const;
  // The normal image blended with the active one by the morph factor.
  void DrawMorphed(HDC dc, TBitmap* normalPicture, const TRect& normal, const TRect& active) const;
  TBitmap* NormalPicture() const { return SkinRectInAPicture ? activePicture_ : framePicture_; }
  bool Morphing() const { return morphing_; }
  bool Settled() const { return Active ? MorphKf == 1 : MorphKf == 0; }

  TBitmap* framePicture_ = nullptr;
  TBitmap* activePicture_ = nullptr;
  TRect activeRect_;
  TRect inactiveRect_;

private:
  TspDynamicSkinForm& form_;
  bool morphing_ = false;
  TspMorphKind morphKind_ = mkDefault;
};

class TspSkinButtonObject : public TspActiveSkinObject {
public:
  TspSkinButtonObject(TspDynamicSkinForm& form, const TspDataSkinButton* data,
                      const std::string& builtInName = std::string());
  void DrawObject(HDC dc, bool inStrip) override;
  void HandleMouseDown(int x, int y, TMouseButton button) override;
  void HandleMouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  bool Down() const { return down_; }
  void SetDown(bool value);

protected:
  TRect downRect_;
  TRect disabledRect_;
  int32_t groupIndex_ = -1;
  bool down_ = false;
};

class TspSkinStdButtonObject : public TspSkinButtonObject {
public:
  TspSkinStdButtonObject(TspDynamicSkinForm& form, const TspDataSkinStdButton* data);
  // A built-in button of the frame drawn without a skin.
  TspSkinStdButtonObject(TspDynamicSkinForm& form, const std::string& name, TspStdCommand command);
  void DrawObject(HDC dc, bool inStrip) override;
  void HandleMouseDown(int x, int y, TMouseButton button) override;
  void HandleMouseUp(int x, int y, TMouseButton button) override;
  void HandleDoubleClick() override;
  void MouseEnter() override;
  void MouseLeave() override;
  bool CanMorph() const override;
  const TspStdCommand Command;
  const bool HasDescriptor;
  std::string ObjectHint;

private:
  bool ShowsRestoreImage() const;
  bool DrawsIcon() const;
  void DrawDefault(HDC dc) const;
  void RunCommand();
  TRect restoreRect_, restoreActiveRect_, restoreDownRect_;
};

class TspSkinCaptionObject : public TspActiveSkinObject {
public:
  TspSkinCaptionObject(TspDynamicSkinForm& form, const TspDataSkinCaption* data);
  void DrawObject(HDC dc, bool inStrip) override;
  void MouseEnter() override;
  void MouseLeave() override;
  bool DefaultCaption;
  std::string Text;

private:
  void DrawCaption(HDC dc, const TRect& textRect, bool active) const;
  const TspDataSkinCaption& data_;
};

// Draws nothing itself: the form's OnPaintEvent does.
class TspUserObject : public TspActiveSkinObject {
public:
  using TspActiveSkinObject::TspActiveSkinObject;
  void DrawObject(HDC dc, bool inStrip) override;
};

// Frames side by side in the active picture, played while the mouse is over a button-style one.
class TspSkinAnimateObject : public TspActiveSkinObject {
public:
  TspSkinAnimateObject(TspDynamicSkinForm& form, const TspDataSkinAnimate* data);
  void DrawObject(HDC dc, bool inStrip) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void HandleMouseUp(int x, int y, TMouseButton button) override;
  void HandleDoubleClick() override;
  bool CanMorph() const override { return false; }
  // One animation tick (25 ms); false once the object has stopped playing.
  bool AnimationStep();
  int32_t Frame() const { return frame_; }
  const TspStdCommand Command;

private:
  const TspDataSkinAnimate& data_;
  int32_t frame_ = 1;
  int32_t direction_ = 0;  // 1 forward, -1 backward, 0 stopped
  int32_t elapsed_ = 0;
};

// The other objects a skin may place: they show a value or a text from their descriptor.
class TspSkinLabelObject : public TspActiveSkinObject {
public:
  TspSkinLabelObject(TspDynamicSkinForm& form, const TspDataSkinLabel* data);
  void DrawObject(HDC dc, bool inStrip) override;
  std::string Text;

private:
  const TspDataSkinLabel& data_;
};

class TspSkinSwitchObject : public TspActiveSkinObject {
public:
  using TspActiveSkinObject::TspActiveSkinObject;
  void DrawObject(HDC dc, bool inStrip) override;
  void HandleMouseDown(int x, int y, TMouseButton button) override;
  // The switch's look follows its state only; the mouse is announced all the same.
  void MouseEnter() override;
  void MouseLeave() override;
  bool On() const { return on_; }

private:
  bool on_ = false;
};

class TspSkinGaugeObject : public TspActiveSkinObject {
public:
  TspSkinGaugeObject(TspDynamicSkinForm& form, const TspDataSkinGauge* data);
  void DrawObject(HDC dc, bool inStrip) override;
  void SetValue(int32_t value);
  int32_t Value() const { return value_; }

private:
  const TspDataSkinGauge& data_;
  int32_t value_;
};

// A value shown as frame number (value - min) * (frames - 1) / (max - min) + 1.
class TspSkinFrameGaugeObject : public TspActiveSkinObject {
public:
  TspSkinFrameGaugeObject(TspDynamicSkinForm& form, const TspDataSkinFramesObject* data);
  void DrawObject(HDC dc, bool inStrip) override;
  void SetValue(int32_t value);
  int32_t Value() const { return value_; }

protected:
  const TspDataSkinFramesObject& data_;
  int32_t value_;
};

class TspSkinFrameRegulatorObject : public TspSkinFrameGaugeObject {
public:
  TspSkinFrameRegulatorObject(TspDynamicSkinForm& form, const TspDataSkinFramesObject* data, TspRegulatorKind kind)
      : TspSkinFrameGaugeObject(form, data), kind_(kind) {}
  void HandleMouseDown(int x, int y, TMouseButton button) override;
  void HandleMouseMove(int x, int y) override;
  void HandleMouseUp(int x, int y, TMouseButton button) override;

private:
  void Follow(int x, int y);
  const TspRegulatorKind kind_;
  bool dragging_ = false;
};

class TspSkinTrackBarObject : public TspActiveSkinObject {
public:
  TspSkinTrackBarObject(TspDynamicSkinForm& form, const TspDataSkinTrackBar* data);
  void DrawObject(HDC dc, bool inStrip) override;
  void HandleMouseDown(int x, int y, TMouseButton button) override;
  void HandleMouseMove(int x, int y) override;
  void HandleMouseUp(int x, int y, TMouseButton button) override;
  int32_t Value() const { return value_; }

private:
  TRect ThumbRect() const;
  void MoveThumbTo(int x, int y);
  const TspDataSkinTrackBar& data_;
  int32_t value_;
  bool dragging_ = false;
};

// Text made of the descriptor's symbol images.
class TspSkinBitLabelObject : public TspActiveSkinObject {
public:
  TspSkinBitLabelObject(TspDynamicSkinForm& form, const TspDataSkinBitLabel* data);
  void DrawObject(HDC dc, bool inStrip) override;
  bool CanMorph() const override { return false; }
  std::string Text;

private:
  const TspDataSkinBitLabel& data_;
};

// The objects a skin's object list makes, in its order: menu items and menu-bar buttons are
// the menus' own and make none.
std::vector<std::unique_ptr<TspActiveSkinObject>> CreateFrameObjects(TspDynamicSkinForm& form,
                                                                    const TspSkinData& skin);
// The six buttons of the built-in frame.
std::vector<std::unique_ptr<TspActiveSkinObject>> CreateDefaultFrameButtons(TspDynamicSkinForm& form);

}  // namespace tmv
