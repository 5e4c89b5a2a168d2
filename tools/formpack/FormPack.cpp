#include "tools/formpack/FormPack.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "framework/core/Exceptions.h"

namespace tmv::formpack {

namespace {

int LineAt(const std::string& text, size_t pos) {
  int line = 1;
  for (size_t i = 0; i < pos && i < text.size(); ++i)
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
  return line;
}

[[noreturn]] void Fail(const std::string& text, size_t pos, const std::string& message) {
  throw Exception(Format("Line %d: %s", LineAt(text, pos), message.c_str()));
}

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

// Skips a quoted string starting at pos (on its quote); a doubled quote stays inside it.
size_t SkipString(const std::string& s, size_t pos) {
  for (++pos; pos < s.size() && s[pos] != '\r' && s[pos] != '\n'; ++pos) {
    if (s[pos] != '"') continue;
    if (pos + 1 < s.size() && s[pos + 1] == '"')
      ++pos;
    else
      return pos + 1;
  }
  return pos;
}

class TIconv {
public:
  TIconv() : cd_(iconv_open("GBK", "UTF-8")) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw Exception("iconv cannot convert UTF-8 to GBK");
  }
  ~TIconv() { iconv_close(cd_); }
  TIconv(const TIconv&) = delete;
  TIconv& operator=(const TIconv&) = delete;
  iconv_t Handle() const { return cd_; }

private:
  iconv_t cd_;
};

}  // namespace

std::string ExpandIncludes(const std::string& source, const TIncludeReader& readInclude) {
  static const char kWord[] = "@include";
  const size_t wordLength = std::strlen(kWord);
  std::string out;
  size_t pos = 0;
  while (pos < source.size()) {
    char c = source[pos];
    if (c == '"') {
      size_t end = SkipString(source, pos);
      out.append(source, pos, end - pos);
      pos = end;
    } else if (source.compare(pos, wordLength, kWord) == 0) {
      size_t p = pos + wordLength;
      while (p < source.size() && (source[p] == ' ' || source[p] == '\t')) ++p;
      if (p >= source.size() || source[p] != '"') Fail(source, pos, "@include needs a quoted file name");
      size_t end = SkipString(source, p);
      if (source[end - 1] != '"' || end - p < 3) Fail(source, pos, "@include needs a quoted file name");
      std::string path;
      for (size_t i = p + 1; i + 1 < end; ++i) {
        path += source[i];
        if (source[i] == '"') ++i;
      }
      std::string bytes;
      try {
        bytes = readInclude(path);
      } catch (const std::exception& e) {
        Fail(source, pos, e.what());
      }
      out += "{ " + Hex(bytes) + " }";
      pos = end;
    } else {
      out += c;
      ++pos;
    }
  }
  return out;
}

std::string Utf8ToGbk(const std::string& text) {
  TIconv conv;
  std::string out(text.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* dst = out.data();
  size_t outLeft = out.size();
  while (inLeft > 0) {
    if (iconv(conv.Handle(), &in, &inLeft, &dst, &outLeft) != static_cast<size_t>(-1)) continue;
    size_t at = static_cast<size_t>(in - text.data());
    if (errno == EILSEQ) Fail(text, at, "text that has no GBK form or is not UTF-8");
    if (errno == EINVAL) Fail(text, at, "incomplete UTF-8 character at the end");
    throw Exception(std::string("iconv: ") + std::strerror(errno));
  }
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace tmv::formpack
