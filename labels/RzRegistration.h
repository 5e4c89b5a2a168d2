#pragma once

namespace tmv {

// Makes the label library's component classes known to the form reader; safe to call again.
void RegisterLabelClasses();

}  // namespace tmv
