#include "skin/data/SkinChangeNotifier.h"

#include <windows.h>

#include "framework/core/ListWalk.h"
#include "framework/gui/Forms.h"
#include "skin/data/SkinData.h"

namespace tmv {

namespace {

// A form without a window yet (one still being read from its form resource, say) hears the
// message straight from its window procedure: the broadcast makes no window.
void SendToForm(TCustomForm& form, uint32_t message, WPARAM wParam) {
  if (form.HandleAllocated())
    SendMessageA(form.Handle(), message, wParam, kSkinMessageTag);
  else
    form.Perform(message, wParam, kSkinMessageTag);
}

}  // namespace

void SendSkinMessageToForms(TspSkinData& registry, uint32_t message) {
  WPARAM wParam = reinterpret_cast<WPARAM>(&registry);
  auto* ownerForm = dynamic_cast<TCustomForm*>(registry.Owner());
  if (ownerForm && !ownerForm->IsDestroying()) SendToForm(*ownerForm, message, wParam);
  // Every form hears it, windowless or not: its controls may hold the registry's descriptors.
  // A form may be freed or made while it handles the message.
  ForEachListed(Screen()->FormList(), [&](TCustomForm* form) {
    if (form != ownerForm && !form->IsDestroying()) SendToForm(*form, message, wParam);
  });
}

}  // namespace tmv
