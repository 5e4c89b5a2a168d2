#pragma once

namespace tmv {

// Makes the skinned controls known to the form reader, with the skin registry's classes.
void RegisterSkinControlClasses();

}  // namespace tmv
