#pragma once
// Tree views, list views, rich edits and grids: controls painted in a plain colour, with
// only the frame taken from the skin's image.
#include "skin/data/SkinControlDescriptorBase.h"

namespace tmv {

// The text font and background colour that tree views, list views and rich edits share.
class TspDataSkinViewControl : public TspDataSkinControl {
public:
  using TspDataSkinControl::TspDataSkinControl;

  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0;
  uint32_t BGColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinTreeView : public TspDataSkinViewControl {
public:
  using TspDataSkinViewControl::TspDataSkinViewControl;
};

class TspDataSkinListView : public TspDataSkinViewControl {
public:
  using TspDataSkinViewControl::TspDataSkinViewControl;
};

class TspDataSkinRichEdit : public TspDataSkinViewControl {
public:
  using TspDataSkinViewControl::TspDataSkinViewControl;
};

class TspDataSkinGridControl : public TspDataSkinControl {
public:
  using TspDataSkinControl::TspDataSkinControl;

  TRect FixedCellRect, SelectCellRect, FocusCellRect;
  int32_t FixedCellLeftOffset = 0, FixedCellRightOffset = 0;
  TRect FixedCellTextRect;
  int32_t CellLeftOffset = 0, CellRightOffset = 0;
  TRect CellTextRect;
  uint32_t LinesColor = 0, BGColor = 0;
  int32_t BGPictureIndex = -1;
  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0, SelectFontColor = 0, FocusFontColor = 0;
  std::string FixedFontName = kDefaultSkinFontName;
  int32_t FixedFontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FixedFontStyle;
  uint32_t FixedFontColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

}  // namespace tmv
