#include "skin/controls/SkinChangeRelay.h"

#include <memory>
#include <utility>
#include <vector>

#include "skin/controls/SkinControl.h"

namespace tmv {

namespace {

using TLiveControls = std::vector<std::pair<TspSkinControl*, std::weak_ptr<const void>>>;

void Collect(TControl& control, const TspSkinData* registry, TLiveControls& found) {
  if (auto* skinned = dynamic_cast<TspSkinControl*>(&control)) {
    if (!registry || skinned->SkinData() == registry)
      found.emplace_back(skinned, skinned->LifeToken());
  }
  if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
    for (int i = 0; i < windowed->ControlCount(); ++i) Collect(*windowed->Controls(i), registry, found);
  }
}

}  // namespace

void RelaySkinChange(TWinControl& root, const TMessage& message) {
  if (message.Msg != SKM_SKINCHANGING && message.Msg != SKM_SKINCHANGED) return;
  const auto* registry = reinterpret_cast<const TspSkinData*>(message.WParam);
  TLiveControls controls;
  Collect(root, registry, controls);
  for (auto& [control, alive] : controls) {
    if (alive.expired()) continue;
    if (message.Msg == SKM_SKINCHANGING)
      control->ReleaseSkin();
    else
      control->ApplySkinChange();
  }
}

}  // namespace tmv
