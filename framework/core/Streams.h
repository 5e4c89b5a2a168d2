#pragma once
// Byte streams: the abstract stream, a growable memory stream and a file stream.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/Exceptions.h"

namespace tmv {

enum TSeekOrigin { soBeginning = 0, soCurrent = 1, soEnd = 2 };

class TStream {
public:
  virtual ~TStream() = default;
  // Read/Write move up to count bytes and answer how many moved.
  virtual int32_t Read(void* buffer, int32_t count) = 0;
  virtual int32_t Write(const void* buffer, int32_t count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t pos) { Seek(pos, soBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t size);

  // Exactly count bytes or EReadError "Stream read error" / EWriteError "Stream write error".
  void ReadBuffer(void* buffer, int32_t count);
  void WriteBuffer(const void* buffer, int32_t count);
  // Copies count bytes from source (count 0: all of source, from its start).
  int64_t CopyFrom(TStream& source, int64_t count);

  // No more than this many bytes can still be read: exact where the stream knows its size,
  // a bound where it can only learn it by reading (so readers can refuse a lying length).
  virtual int64_t BytesLeftAtMost() { return Size() - Position(); }

  int32_t ReadInt32();
  uint8_t ReadByte();
  void WriteInt32(int32_t value);
  void WriteByte(uint8_t value);
};

// The bytes from the stream's position to its end.
std::string ReadToEnd(TStream& stream);

class TMemoryStream : public TStream {
public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : data_(std::move(bytes)) {}
  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(data_.size()); }
  void SetSize(int64_t size) override;
  void Clear();

  const uint8_t* Memory() const { return data_.data(); }
  const std::vector<uint8_t>& Bytes() const { return data_; }
  void LoadFromStream(TStream& source);
  void SaveToStream(TStream& target) const;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

private:
  std::vector<uint8_t> data_;
  int64_t pos_ = 0;
};

// Read-only view over bytes owned elsewhere (a resource, a buffer under test).
class TBytesStream : public TStream {
public:
  TBytesStream(const void* data, int64_t size)
      : data_(static_cast<const uint8_t*>(data)), size_(size) {}
  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void*, int32_t) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return size_; }

private:
  const uint8_t* data_;
  int64_t size_;
  int64_t pos_ = 0;
};

enum TFileMode : uint32_t {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmCreate = 0xFF00,
};

// Creating or opening a file that fails raises EFCreateError "Cannot create file "%s". %s" or
// EFOpenError "Cannot open file "%s". %s", with the system's text for the error.
class TFileStream : public TStream {
public:
  TFileStream(const std::string& fileName, uint32_t mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;
  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  const std::string& FileName() const { return fileName_; }

private:
  std::string fileName_;
  void* handle_ = nullptr;
};

}  // namespace tmv
