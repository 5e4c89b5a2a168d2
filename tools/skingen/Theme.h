#pragma once
// The colours of the default skin.
#include "tools/skingen/Art.h"

namespace skingen::theme {

inline const Rgb kText = rgb(32, 46, 66);
inline const Rgb kTextHot = rgb(16, 44, 92);
inline const Rgb kTextDisabled = rgb(150, 158, 170);
inline const Rgb kClient = rgb(240, 244, 249);
inline const Rgb kWindow = rgb(255, 255, 255);

// Pale glass for the faces of controls.
inline const Look kNormalFace{rgb(164, 181, 205), rgb(253, 254, 255), rgb(231, 237, 246), 0.0};
inline const Look kHotFace{rgb(112, 162, 222), rgb(240, 248, 255), rgb(206, 229, 252), 0.45};
inline const Look kDownFace{rgb(92, 136, 196), rgb(194, 218, 244), rgb(214, 232, 251), 0.0};
inline const Look kDisabledFace{rgb(204, 209, 216), rgb(246, 247, 249), rgb(238, 240, 243), 0.0};
inline const Rgb kFieldBorder = rgb(164, 181, 205);
inline const Rgb kFieldBorderHot = rgb(112, 162, 222);
inline const Rgb kSelection = rgb(206, 229, 252);
inline const Rgb kSelectionBorder = rgb(132, 178, 230);

// The tool panel and the status bar.
inline const Rgb kPanelTop = rgb(250, 252, 255);
inline const Rgb kPanelBottom = rgb(229, 236, 246);
inline const Rgb kPanelLine = rgb(190, 204, 224);

}  // namespace skingen::theme
