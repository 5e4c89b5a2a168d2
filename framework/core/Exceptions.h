#pragma once
// The framework's exception family. Messages are GBK byte strings, shown as they are by the
// application's default exception handler.
#include <stdexcept>
#include <string>

namespace tmv {

class Exception : public std::exception {
public:
  explicit Exception(std::string message) : Message(std::move(message)) {}
  const char* what() const noexcept override { return Message.c_str(); }
  std::string Message;
};

#define TM_EXCEPTION(Name, Base)                  \
  class Name : public Base {                      \
  public:                                         \
    using Base::Base;                             \
  };

TM_EXCEPTION(EStreamError, Exception)
TM_EXCEPTION(EReadError, EStreamError)
TM_EXCEPTION(EWriteError, EStreamError)
TM_EXCEPTION(EFileStreamError, EStreamError)
TM_EXCEPTION(EFCreateError, EFileStreamError)
TM_EXCEPTION(EFOpenError, EFileStreamError)
TM_EXCEPTION(EConvertError, Exception)
TM_EXCEPTION(EInvalidOperation, Exception)
TM_EXCEPTION(EInvalidGraphic, Exception)
TM_EXCEPTION(EOutOfResources, Exception)
TM_EXCEPTION(EComponentError, Exception)
TM_EXCEPTION(EClassNotFound, EReadError)
TM_EXCEPTION(EPropertyError, EReadError)
TM_EXCEPTION(EResNotFound, Exception)
TM_EXCEPTION(EStringListError, Exception)
TM_EXCEPTION(EListError, Exception)
TM_EXCEPTION(EInvalidCast, Exception)

#undef TM_EXCEPTION

// printf-style formatting into a std::string, for building exception messages.
std::string Format(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// The system's text for an error code (errno natively, GetLastError() values on Windows).
std::string SysErrorMessage(int code);
int LastSystemError();

}  // namespace tmv
