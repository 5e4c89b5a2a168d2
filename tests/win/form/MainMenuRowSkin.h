#pragma once
// The stored default skin with a row for the main menu under its caption: the top band grows
// by the row, which the skin's main-menu rectangle covers, and a "MAINMENUITEM" object draws
// the items with the pictures of the skin's menu-bar item. Used by the frame's main-menu tests
// and by the gallery page that shows them.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/IniFiles.h"
#include "framework/core/Streams.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/ZlibStreams.h"

namespace tmv {

// The row: picture rows 30 to 51, between the caption and the client area.
constexpr int kMenuRowTop = 30, kMenuRowBottom = 52;

inline void AddMainMenuRow(TspCompressedStoredSkin& stored) {
  TMemoryStream& compressedSkin = stored.CompressedData();
  compressedSkin.SetPosition(0);
  TDecompressionStream packed(compressedSkin);
  TspSkinPackage package;
  ReadSkinPackage(packed, package);
  TMemIniFile ini(package.Definition);
  const std::string bottom = std::to_string(kMenuRowBottom);
  for (const char* key : {"lefttoppoint", "hittestlefttoppoint"}) ini.WriteString("FORMINFO", key, "40," + bottom);
  for (const char* key : {"righttoppoint", "hittestrighttoppoint"}) ini.WriteString("FORMINFO", key, "260," + bottom);
  ini.WriteString("FORMINFO", "clientrect", "4," + bottom + ",296,116");
  ini.WriteString("FORMINFO", "mainmenurect", "6," + std::to_string(kMenuRowTop + 1) + ",294," + bottom);
  const int count = ini.ReadInteger("SKINOBJECTS", "count", 0);
  ini.WriteString("SKINOBJECTS", std::to_string(count), "MAINMENUITEM:mainmenuitem");
  ini.WriteInteger("SKINOBJECTS", "count", count + 1);
  TStringList values;
  ini.ReadSectionValues("mainmenubaritem", values);
  for (int i = 0; i < values.Count(); ++i) {
    const std::string line = values.Get(i);
    const size_t equals = line.find('=');
    ini.WriteString("MAINMENUITEM", line.substr(0, equals), line.substr(equals + 1));
  }
  ini.GetStrings(package.Definition);
  TMemoryStream raw, compressed;
  WriteSkinPackage(package, raw);
  raw.SetPosition(0);
  DeflateStreamTo(raw, compressed);
  stored.SetCompressedData(compressed.Bytes());
}

}  // namespace tmv
