#pragma once
// Tells the application's forms that a skin registry has changed its skin.
#include <cstdint>

namespace tmv {

class TspSkinData;

// SendMessage to the registry's owner form first, then to every other form on the screen, in
// the screen's order; no window is made for the message.
void SendSkinMessageToForms(TspSkinData& registry, uint32_t message);

}  // namespace tmv
