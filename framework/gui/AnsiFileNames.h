#pragma once
// File names as the program's ANSI calls can take them.
#include <windows.h>

#include <string>

namespace tmv {

// The name by which ANSI calls reach a file: the name itself when the ANSI code page expresses
// it exactly and it is shorter than MAX_PATH; otherwise its short (8.3) name, which the system
// makes of ASCII characters; empty when neither will do (no such file, or a file system that
// keeps no short names).
std::string AnsiFileName(const std::wstring& name);

}  // namespace tmv
