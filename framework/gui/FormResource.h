#pragma once
// Form resources compiled into the program (tm_form_resource in cmake/Project.cmake).
#include "framework/core/Component.h"

namespace tmv {

bool FormResourceExists(const char* resourceName);
// Reads the RCDATA resource of that name with ReadComponentText; EResNotFound
// "Resource %s not found" when the program has none.
void ReadComponentRes(TComponent& root, const char* resourceName);

}  // namespace tmv
