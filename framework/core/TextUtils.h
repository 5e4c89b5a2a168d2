#pragma once
// Small text routines over ANSI byte strings.
#include <string>

namespace tm {

// ASCII letters only: double-byte GBK characters are compared byte for byte.
bool SameText(const std::string& a, const std::string& b);
std::string UpperCase(const std::string& s);
std::string LowerCase(const std::string& s);
// Trims blanks and control characters (bytes up to 32) at both ends.
std::string Trim(const std::string& s);
std::string IntToStr(long long value);
// Decimal (optionally signed) or "$" hexadecimal; EConvertError "'%s' is not a valid integer value".
int StrToInt(const std::string& s);
int StrToIntDef(const std::string& s, int def);
bool TryStrToInt(const std::string& s, int& value);

}  // namespace tm
