#pragma once
// Tells the application's forms that a skin registry has changed its skin.
#include <cstdint>

namespace tmv {

class TspSkinData;

// SendMessage to the registry's owner form first (its window is made if it has none yet),
// then to every other form on the screen, in the screen's order.
void SendSkinMessageToForms(TspSkinData& registry, uint32_t message);

}  // namespace tmv
