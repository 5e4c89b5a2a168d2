#include "framework/core/Exceptions.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tmv {

std::string Format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(nullptr, 0, fmt, copy);
  va_end(copy);
  std::string out;
  if (n > 0) {
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    std::vsnprintf(buf.data(), buf.size(), fmt, args);
    out.assign(buf.data(), static_cast<size_t>(n));
  }
  va_end(args);
  return out;
}

#ifdef _WIN32
std::string SysErrorMessage(int code) {
  char* text = nullptr;
  DWORD len = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                             nullptr, static_cast<DWORD>(code), 0,
                             reinterpret_cast<char*>(&text), 0, nullptr);
  std::string out(text ? text : "", len);
  if (text) LocalFree(text);
  while (!out.empty() && (out.back() == '\r' || out.back() == '\n' || out.back() == ' ' ||
                          out.back() == '.'))
    out.pop_back();
  return out;
}
int LastSystemError() { return static_cast<int>(GetLastError()); }
#else
std::string SysErrorMessage(int code) { return std::strerror(code); }
int LastSystemError() { return errno; }
#endif

}  // namespace tmv
