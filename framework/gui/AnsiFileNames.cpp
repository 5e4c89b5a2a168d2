#include "framework/gui/AnsiFileNames.h"

namespace tmv {

namespace {

// True when the ANSI code page gives back exactly these characters: a character it lacks
// becomes "?" or a look-alike, which names another file or none.
bool ExactAnsi(const std::wstring& wide, std::string& ansi) {
  const int wideLength = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  ansi.assign(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, &ansi[0], length, nullptr, nullptr);
  std::wstring back(wide.size() + 1, L'\0');
  back.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, &back[0], wideLength + 1)));
  return back == wide && ansi.size() < MAX_PATH;
}

}  // namespace

std::string AnsiFileName(const std::wstring& name) {
  std::string ansi;
  if (ExactAnsi(name, ansi)) return ansi;
  const DWORD length = GetShortPathNameW(name.c_str(), nullptr, 0);
  if (length == 0) return std::string();
  std::wstring shortName(length, L'\0');
  shortName.resize(GetShortPathNameW(name.c_str(), &shortName[0], length));
  return ExactAnsi(shortName, ansi) ? ansi : std::string();
}

}  // namespace tmv
