#pragma once
// Writing the skin folder, and comparing a folder with what would be written.
#include <string>
#include <vector>

#include "tools/skingen/Art.h"

namespace skingen {

// Writes every file of the skin into dir, creating it; answers an error text, empty on success.
std::string writeSkinFolder(const Skin& skin, const std::string& dir);
// Names of the files in dir that are missing or differ from the skin's.
std::vector<std::string> staleFiles(const Skin& skin, const std::string& dir);

}  // namespace skingen
