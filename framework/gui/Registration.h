#pragma once

namespace tmv {

// Makes every component class of the framework known to the form reader; safe to call again.
void RegisterFrameworkClasses();

}  // namespace tmv
