#include "skin/data/SkinWindowDescriptors.h"

#include "framework/core/IniFiles.h"

namespace tmv {

const char kDefaultSkinFontName[] = "宋体";

namespace {

const char kPopupSection[] = "POPUPWINDOW";
const char kHintSection[] = "HINTWINDOW";

void ReadPictureDivision(const TMemIniFile& ini, const char* section, TspWindowPictureLayout& l) {
  l.WindowPictureIndex = ReadSkinInteger(ini, section, "windowpictureindex", -1);
  l.MaskPictureIndex = ReadSkinInteger(ini, section, "maskpictureindex", -1);
  l.LTPoint = ReadSkinPoint(ini, section, "lefttoppoint");
  l.RTPoint = ReadSkinPoint(ini, section, "righttoppoint");
  l.LBPoint = ReadSkinPoint(ini, section, "leftbottompoint");
  l.RBPoint = ReadSkinPoint(ini, section, "rightbottompoint");
}

void ReadStretchFlags(const TMemIniFile& ini, const char* section, TspWindowPictureLayout& l) {
  l.LeftStretch = ReadSkinFlag(ini, section, "leftstretch");
  l.RightStretch = ReadSkinFlag(ini, section, "rightstretch");
  l.TopStretch = ReadSkinFlag(ini, section, "topstretch");
  l.BottomStretch = ReadSkinFlag(ini, section, "bottomstretch");
}

void WritePictureDivision(TMemIniFile& ini, const char* section, const TspWindowPictureLayout& l) {
  WriteSkinInteger(ini, section, "windowpictureindex", l.WindowPictureIndex);
  WriteSkinInteger(ini, section, "maskpictureindex", l.MaskPictureIndex);
  WriteSkinPoint(ini, section, "lefttoppoint", l.LTPoint);
  WriteSkinPoint(ini, section, "righttoppoint", l.RTPoint);
  WriteSkinPoint(ini, section, "leftbottompoint", l.LBPoint);
  WriteSkinPoint(ini, section, "rightbottompoint", l.RBPoint);
}

void WriteStretchFlags(TMemIniFile& ini, const char* section, const TspWindowPictureLayout& l) {
  WriteSkinFlag(ini, section, "leftstretch", l.LeftStretch);
  WriteSkinFlag(ini, section, "rightstretch", l.RightStretch);
  WriteSkinFlag(ini, section, "topstretch", l.TopStretch);
  WriteSkinFlag(ini, section, "bottomstretch", l.BottomStretch);
}

}  // namespace

void TspDataSkinPopupWindow::LoadFromIni(const TMemIniFile& ini) {
  ReadPictureDivision(ini, kPopupSection, *this);
  CursorIndex = ReadSkinInteger(ini, kPopupSection, "cursorindex", -1);
  ItemsRect = ReadSkinRect(ini, kPopupSection, "itemsrect");
  ScrollMarkerColor = ReadSkinColor(ini, kPopupSection, "scrollmarkercolor", 0);
  ScrollMarkerActiveColor = ReadSkinColor(ini, kPopupSection, "scrollmarkeractivecolor", 0);
  ReadStretchFlags(ini, kPopupSection, *this);
}

void TspDataSkinPopupWindow::SaveToIni(TMemIniFile& ini) const {
  WritePictureDivision(ini, kPopupSection, *this);
  WriteSkinInteger(ini, kPopupSection, "cursorindex", CursorIndex);
  WriteSkinRect(ini, kPopupSection, "itemsrect", ItemsRect);
  WriteSkinInteger(ini, kPopupSection, "scrollmarkercolor", static_cast<int32_t>(ScrollMarkerColor));
  WriteSkinInteger(ini, kPopupSection, "scrollmarkeractivecolor",
                   static_cast<int32_t>(ScrollMarkerActiveColor));
  WriteStretchFlags(ini, kPopupSection, *this);
}

TspDataSkinHintWindow::TspDataSkinHintWindow() : FontName(kDefaultSkinFontName) {}

void TspDataSkinHintWindow::LoadFromIni(const TMemIniFile& ini) {
  ReadPictureDivision(ini, kHintSection, *this);
  ClRect = ReadSkinRect(ini, kHintSection, "clientrect");
  FontName = ini.ReadString(kHintSection, "fontname", kDefaultSkinFontName);
  FontHeight = ReadSkinInteger(ini, kHintSection, "fontheight", 14);
  FontStyle = ReadSkinFontStyles(ini, kHintSection, "fontstyle");
  FontColor = ReadSkinColor(ini, kHintSection, "fontcolor", 0);
  ReadStretchFlags(ini, kHintSection, *this);
}

void TspDataSkinHintWindow::SaveToIni(TMemIniFile& ini) const {
  WritePictureDivision(ini, kHintSection, *this);
  WriteSkinRect(ini, kHintSection, "clientrect", ClRect);
  ini.WriteString(kHintSection, "fontname", FontName);
  WriteSkinInteger(ini, kHintSection, "fontheight", FontHeight);
  ini.WriteString(kHintSection, "fontstyle", SkinFontStylesText(FontStyle));
  WriteSkinInteger(ini, kHintSection, "fontcolor", static_cast<int32_t>(FontColor));
  WriteStretchFlags(ini, kHintSection, *this);
}

}  // namespace tmv
