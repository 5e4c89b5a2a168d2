#include "skin/data/SkinChangeNotifier.h"

#include <windows.h>

#include "framework/gui/Forms.h"
#include "skin/data/SkinData.h"

namespace tmv {

void SendSkinMessageToForms(TspSkinData& registry, uint32_t message) {
  WPARAM wParam = reinterpret_cast<WPARAM>(&registry);
  auto* ownerForm = dynamic_cast<TCustomForm*>(registry.Owner());
  if (ownerForm && !ownerForm->IsDestroying())
    SendMessageA(ownerForm->Handle(), message, wParam, kSkinMessageTag);
  TScreen* screen = Screen();
  // Every form hears it, windowless or not: its controls may hold the registry's descriptors.
  // A form may close while it handles the message, so the count is taken afresh each time.
  for (int i = 0; i < screen->FormCount(); ++i) {
    TCustomForm* form = screen->Forms(i);
    if (form != ownerForm) SendMessageA(form->Handle(), message, wParam, kSkinMessageTag);
  }
}

}  // namespace tmv
