#include "framework/core/Streams.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tmv {

int64_t TStream::Size() {
  int64_t pos = Seek(0, soCurrent);
  int64_t size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::SetSize(int64_t) { throw EStreamError("Stream size cannot be changed"); }

void TStream::ReadBuffer(void* buffer, int32_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int32_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  int64_t result = count;
  char buf[61440];
  while (count > 0) {
    int32_t n = static_cast<int32_t>(std::min<int64_t>(count, sizeof buf));
    source.ReadBuffer(buf, n);
    WriteBuffer(buf, n);
    count -= n;
  }
  return result;
}

int32_t TStream::ReadInt32() {
  uint8_t b[4];
  ReadBuffer(b, 4);
  return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                              static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
}

uint8_t TStream::ReadByte() {
  uint8_t b;
  ReadBuffer(&b, 1);
  return b;
}

void TStream::WriteInt32(int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                  static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
  WriteBuffer(b, 4);
}

void TStream::WriteByte(uint8_t value) { WriteBuffer(&value, 1); }

std::string ReadToEnd(TStream& stream) {
  std::string bytes;
  char chunk[65536];
  for (int32_t n; (n = stream.Read(chunk, sizeof chunk)) > 0;) bytes.append(chunk, static_cast<size_t>(n));
  return bytes;
}

int32_t TMemoryStream::Read(void* buffer, int32_t count) {
  if (count <= 0 || pos_ < 0 || pos_ >= Size()) return 0;
  int32_t n = static_cast<int32_t>(std::min<int64_t>(count, Size() - pos_));
  std::memcpy(buffer, data_.data() + pos_, static_cast<size_t>(n));
  pos_ += n;
  return n;
}

int32_t TMemoryStream::Write(const void* buffer, int32_t count) {
  if (count <= 0 || pos_ < 0) return 0;
  size_t end = static_cast<size_t>(pos_) + static_cast<size_t>(count);
  if (end > data_.size()) data_.resize(end);
  std::memcpy(data_.data() + pos_, buffer, static_cast<size_t>(count));
  pos_ = static_cast<int64_t>(end);
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case soBeginning: pos_ = offset; break;
    case soCurrent: pos_ += offset; break;
    case soEnd: pos_ = Size() + offset; break;
  }
  return pos_;
}

void TMemoryStream::SetSize(int64_t size) {
  if (size < 0) size = 0;
  data_.resize(static_cast<size_t>(size));
  if (pos_ > size) pos_ = size;
}

void TMemoryStream::Clear() {
  data_.clear();
  data_.shrink_to_fit();
  pos_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  int64_t size = source.Size();
  SetSize(size);
  source.ReadBuffer(data_.data(), static_cast<int32_t>(size));
  pos_ = 0;
}

void TMemoryStream::SaveToStream(TStream& target) const {
  target.WriteBuffer(data_.data(), static_cast<int32_t>(data_.size()));
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead);
  LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

int32_t TBytesStream::Read(void* buffer, int32_t count) {
  if (count <= 0 || pos_ < 0 || pos_ >= size_) return 0;
  int32_t n = static_cast<int32_t>(std::min<int64_t>(count, size_ - pos_));
  std::memcpy(buffer, data_ + pos_, static_cast<size_t>(n));
  pos_ += n;
  return n;
}

int32_t TBytesStream::Write(const void*, int32_t) { return 0; }

int64_t TBytesStream::Seek(int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case soBeginning: pos_ = offset; break;
    case soCurrent: pos_ += offset; break;
    case soEnd: pos_ = size_ + offset; break;
  }
  return pos_;
}

#ifdef _WIN32

TFileStream::TFileStream(const std::string& fileName, uint32_t mode) : fileName_(fileName) {
  HANDLE h;
  if (mode == fmCreate) {
    h = CreateFileA(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
      throw EFCreateError(Format("Cannot create file \"%s\". %s", fileName.c_str(),
                                 SysErrorMessage(LastSystemError()).c_str()));
  } else {
    DWORD access = (mode & 3) == fmOpenWrite       ? GENERIC_WRITE
                   : (mode & 3) == fmOpenReadWrite ? GENERIC_READ | GENERIC_WRITE
                                                   : GENERIC_READ;
    h = CreateFileA(fileName.c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
      throw EFOpenError(Format("Cannot open file \"%s\". %s", fileName.c_str(),
                               SysErrorMessage(LastSystemError()).c_str()));
  }
  handle_ = h;
}

TFileStream::~TFileStream() { CloseHandle(static_cast<HANDLE>(handle_)); }

int32_t TFileStream::Read(void* buffer, int32_t count) {
  DWORD done = 0;
  if (count <= 0 || !ReadFile(static_cast<HANDLE>(handle_), buffer, static_cast<DWORD>(count), &done, nullptr))
    return 0;
  return static_cast<int32_t>(done);
}

int32_t TFileStream::Write(const void* buffer, int32_t count) {
  DWORD done = 0;
  if (count <= 0 || !WriteFile(static_cast<HANDLE>(handle_), buffer, static_cast<DWORD>(count), &done, nullptr))
    return 0;
  return static_cast<int32_t>(done);
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  LARGE_INTEGER dist, result;
  dist.QuadPart = offset;
  if (!SetFilePointerEx(static_cast<HANDLE>(handle_), dist, &result, static_cast<DWORD>(origin)))
    return -1;
  return result.QuadPart;
}

#else

TFileStream::TFileStream(const std::string& fileName, uint32_t mode) : fileName_(fileName) {
  const char* how = mode == fmCreate                  ? "w+b"
                    : (mode & 3) == fmOpenRead        ? "rb"
                                                      : "r+b";
  std::FILE* f = std::fopen(fileName.c_str(), how);
  if (!f) {
    const char* fmt = mode == fmCreate ? "Cannot create file \"%s\". %s" : "Cannot open file \"%s\". %s";
    std::string msg = Format(fmt, fileName.c_str(), SysErrorMessage(LastSystemError()).c_str());
    if (mode == fmCreate) throw EFCreateError(msg);
    throw EFOpenError(msg);
  }
  handle_ = f;
}

TFileStream::~TFileStream() { std::fclose(static_cast<std::FILE*>(handle_)); }

int32_t TFileStream::Read(void* buffer, int32_t count) {
  if (count <= 0) return 0;
  return static_cast<int32_t>(std::fread(buffer, 1, static_cast<size_t>(count), static_cast<std::FILE*>(handle_)));
}

int32_t TFileStream::Write(const void* buffer, int32_t count) {
  if (count <= 0) return 0;
  return static_cast<int32_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), static_cast<std::FILE*>(handle_)));
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  auto* f = static_cast<std::FILE*>(handle_);
  int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
  if (fseeko(f, static_cast<off_t>(offset), whence) != 0) return -1;
  return static_cast<int64_t>(ftello(f));
}

#endif

}  // namespace tmv
