#pragma once
// Where a text the skin engine shows comes from: the registry's resource-strings component
// when it has one, else the program's string resource for the text's name.
#include <functional>
#include <string>

namespace tmv {

class TspResourceStrData;

// Loads the program's string resource of that identifier; on Windows, LoadStr.
using TStringResourceLoader = std::function<std::string(int ident)>;

// The string resource standing in for the named text ("MI_MAXCAPTION", letter case aside);
// 0 when the program has none for it.
int SkinStringResourceId(const std::string& name);

// With strings linked, its text for name and nothing else (a name it lacks gives ""); without,
// the string resource for name, or "" when there is none.
std::string SkinResourceString(const TspResourceStrData* strings, const std::string& name,
                               const TStringResourceLoader& load);

}  // namespace tmv
