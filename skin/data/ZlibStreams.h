#pragma once
// Stream adapters over zlib: a compression stream that deflates what is written to it into
// a target stream, and a decompression stream that inflates a source stream as it is read.
#include <cstdint>
#include <vector>
#include <functional>

#include <zlib.h>

#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"

namespace tmv {

class EZlibError : public Exception {
public:
  using Exception::Exception;
};
class ECompressionError : public EZlibError {
public:
  using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
public:
  using EZlibError::EZlibError;
};

class TCustomZlibStream : public TStream {
public:
  using TProgressEvent = std::function<void(TCustomZlibStream&)>;
  ~TCustomZlibStream() override = default;
  TCustomZlibStream(const TCustomZlibStream&) = delete;
  TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;

  // Fired each time a buffer of compressed bytes has gone to or come from the underlying stream.
  TProgressEvent OnProgress;

protected:
  explicit TCustomZlibStream(TStream& strm);
  void Progress();
  // The underlying stream may be moved by others between calls; the adapter goes back to
  // where it stopped.
  void ReturnToSavedPosition();

  static constexpr int32_t kBufferSize = 4096;
  TStream& strm_;
  int64_t strmPos_;
  z_stream zstrm_{};
  uint8_t buffer_[kBufferSize];
};

// A scoped enumeration: the colour constants already use the cl prefix.
enum class TCompressionLevel { None, Fastest, Default, Max };

class TCompressionStream : public TCustomZlibStream {
public:
  TCompressionStream(TCompressionLevel level, TStream& dest);
  // Finishes the stream if Finish was not called; a failure there cannot be reported.
  ~TCompressionStream() override;

  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  // Only Seek(0, soCurrent): the number of bytes taken in so far.
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  // Writes the rest of the compressed stream; raises on a write or deflate failure.
  void Finish();

private:
  void WriteBufferOut(int32_t count);
  bool finished_ = false;
};

// Reads one zlib stream from the source; bytes after its end are ignored. A source that ends
// before the zlib stream does, a stream that asks for a preset dictionary, or corrupt data
// raise EDecompressionError.
class TDecompressionStream : public TCustomZlibStream {
public:
  explicit TDecompressionStream(TStream& source);
  ~TDecompressionStream() override;

  // Answers fewer bytes than asked only once the zlib stream has ended.
  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  // Seek(0, soBeginning) restarts; forward seeks skip; the answer is the bytes delivered.
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  bool StreamEnded() const { return ended_; }
  // What the compressed bytes not yet inflated could expand to at deflate's largest ratio.
  int64_t BytesLeftAtMost() override;

private:
  void Restart();
  void SkipForward(int64_t count);
  int64_t startPos_;
  bool ended_ = false;
};

// Deflates all of source (from its start) into target at the highest level.
void DeflateStreamTo(TStream& source, TStream& target);
// Inflates all of source (from its start) and appends the bytes to target.
void InflateStreamTo(TStream& target, TStream& source);
// Inflates all of source (from its start) straight into the bytes answered, which grow in
// few large steps rather than a block at a time.
std::vector<uint8_t> InflateStream(TStream& source);

}  // namespace tmv
