#pragma once
// Hands a registry's skin change to the skinned controls of a window tree, as a skinned form
// does on the registry's messages.
#include "framework/gui/Controls.h"
#include "skin/data/SkinData.h"

namespace tmv {

// SKM_SKINCHANGING: ReleaseSkin; SKM_SKINCHANGED: ApplySkinChange; other messages are not for
// it. Every TspSkinControl under root (root included) whose SkinData is the registry named by
// WParam takes part, or every one when WParam names none. A control freed while the change
// runs, by another one's handling, is not touched again; controls added meanwhile wait for
// the next change.
void RelaySkinChange(TWinControl& root, const TMessage& message);

}  // namespace tmv
