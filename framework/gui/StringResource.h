#pragma once
// String-table resources compiled into the program.
#include <string>

namespace tmv {

// The whole text of the program's string resource ident, in the ANSI code page; empty when
// the program has none.
std::string LoadStr(int ident);

}  // namespace tmv
