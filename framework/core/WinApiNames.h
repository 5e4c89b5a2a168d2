#pragma once
// windows.h defines some names as macros for its A and W functions (TextOut becomes TextOutA
// or TextOutW). The framework uses these names for members of its own, so without this header
// a member would be declared, defined and called under different names depending on whether,
// and how, a translation unit included windows.h. A header declaring such a member includes
// this one; afterwards the names are the framework's, and code calls the Win32 functions by
// their A names (DrawTextA, MessageBoxA, LoadStringA, TextOutA).
#ifdef _WIN32
#include <windows.h>
#undef DrawText
#undef LoadString
#undef MessageBox
#undef TextOut
#endif
