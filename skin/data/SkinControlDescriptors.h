#pragma once
// Every control descriptor class, and the one the registry creates for a [SKINCONTROLS] kind.
#include <memory>
#include <string>

#include "skin/data/SkinBarDescriptors.h"
#include "skin/data/SkinButtonDescriptors.h"
#include "skin/data/SkinControlDescriptorBase.h"
#include "skin/data/SkinEditDescriptors.h"
#include "skin/data/SkinGaugeDescriptors.h"
#include "skin/data/SkinListDescriptors.h"
#include "skin/data/SkinPanelDescriptors.h"
#include "skin/data/SkinViewDescriptors.h"

namespace tmv {

// The descriptor for a [SKINCONTROLS] kind ("button", "checkradio", ...), matched exactly;
// nullptr for a kind the engine does not know.
std::unique_ptr<TspDataSkinControl> CreateSkinControlData(const std::string& kind,
                                                          const std::string& name);

}  // namespace tmv
