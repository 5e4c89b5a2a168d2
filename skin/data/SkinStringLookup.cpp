#include "skin/data/SkinStringLookup.h"

#include "framework/core/TextUtils.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinStringIds.h"

namespace tmv {

namespace {

struct TSkinStringResource {
  const char* Name;
  int Ident;
};

const TSkinStringResource kSkinStringResources[] = {
    {"MENUBUTTON_HINT", IDS_MENUBUTTON_HINT},
    {"EDIT_UNDO", IDS_EDIT_UNDO},
    {"EDIT_COPY", IDS_EDIT_COPY},
    {"EDIT_CUT", IDS_EDIT_CUT},
    {"EDIT_PASTE", IDS_EDIT_PASTE},
    {"EDIT_DELETE", IDS_EDIT_DELETE},
    {"EDIT_SELECTALL", IDS_EDIT_SELECTALL},
    {"MI_MINCAPTION", IDS_MI_MINCAPTION},
    {"MI_MAXCAPTION", IDS_MI_MAXCAPTION},
    {"MI_CLOSECAPTION", IDS_MI_CLOSECAPTION},
    {"MI_RESTORECAPTION", IDS_MI_RESTORECAPTION},
    {"MI_MINTOTRAYCAPTION", IDS_MI_MINTOTRAYCAPTION},
    {"MI_ROLLUPCAPTION", IDS_MI_ROLLUPCAPTION},
    {"MINBUTTON_HINT", IDS_MINBUTTON_HINT},
    {"MAXBUTTON_HINT", IDS_MAXBUTTON_HINT},
    {"CLOSEBUTTON_HINT", IDS_CLOSEBUTTON_HINT},
    {"TRAYBUTTON_HINT", IDS_TRAYBUTTON_HINT},
    {"ROLLUPBUTTON_HINT", IDS_ROLLUPBUTTON_HINT},
};

}  // namespace

int SkinStringResourceId(const std::string& name) {
  for (const auto& resource : kSkinStringResources)
    if (SameText(name, resource.Name)) return resource.Ident;
  return 0;
}

std::string SkinResourceString(const TspResourceStrData* strings, const std::string& name,
                               const TStringResourceLoader& load) {
  if (strings) return strings->GetResStr(name);
  const int ident = SkinStringResourceId(name);
  return ident ? load(ident) : std::string();
}

}  // namespace tmv
