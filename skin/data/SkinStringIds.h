/* Identifiers of the program's string resources that stand in for the skin engine's texts
   when no resource-strings component is linked. Plain macros: the resource compiler reads
   this file too. */
#pragma once

#define IDS_MENUBUTTON_HINT 65232
#define IDS_EDIT_UNDO 65233
#define IDS_EDIT_COPY 65234
#define IDS_EDIT_CUT 65235
#define IDS_EDIT_PASTE 65236
#define IDS_EDIT_DELETE 65237
#define IDS_EDIT_SELECTALL 65238
#define IDS_MI_MINCAPTION 65253
#define IDS_MI_MAXCAPTION 65254
#define IDS_MI_CLOSECAPTION 65255
#define IDS_MI_RESTORECAPTION 65256
#define IDS_MI_MINTOTRAYCAPTION 65257
#define IDS_MI_ROLLUPCAPTION 65258
#define IDS_MINBUTTON_HINT 65259
#define IDS_MAXBUTTON_HINT 65260
#define IDS_CLOSEBUTTON_HINT 65261
#define IDS_TRAYBUTTON_HINT 65262
#define IDS_ROLLUPBUTTON_HINT 65263
