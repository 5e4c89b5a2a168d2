#include "skin/data/ZlibStreams.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace tmv {

namespace {

const char kInvalidOperation[] = "Invalid stream operation";

int ZlibLevel(TCompressionLevel level) {
  switch (level) {
    case TCompressionLevel::None: return Z_NO_COMPRESSION;
    case TCompressionLevel::Fastest: return Z_BEST_SPEED;
    case TCompressionLevel::Default: return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::Max: return Z_BEST_COMPRESSION;
  }
  return Z_DEFAULT_COMPRESSION;
}

int CheckDeflate(int code) {
  if (code < 0) throw ECompressionError("error");
  return code;
}

[[noreturn]] void CorruptData() { throw EDecompressionError("compression error"); }

}  // namespace

TCustomZlibStream::TCustomZlibStream(TStream& strm) : strm_(strm), strmPos_(strm.Position()) {}

void TCustomZlibStream::Progress() {
  if (OnProgress) OnProgress(*this);
}

void TCustomZlibStream::ReturnToSavedPosition() {
  if (strm_.Position() != strmPos_) strm_.SetPosition(strmPos_);
}

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream& dest)
    : TCustomZlibStream(dest) {
  zstrm_.next_out = buffer_;
  zstrm_.avail_out = kBufferSize;
  CheckDeflate(deflateInit(&zstrm_, ZlibLevel(level)));
}

TCompressionStream::~TCompressionStream() {
  if (!finished_) {
    try {
      Finish();
    } catch (const Exception&) {
      // A destructor cannot raise; callers who need to know call Finish themselves.
    }
  }
  deflateEnd(&zstrm_);
}

void TCompressionStream::WriteBufferOut(int32_t count) {
  strm_.WriteBuffer(buffer_, count);
  zstrm_.next_out = buffer_;
  zstrm_.avail_out = kBufferSize;
  strmPos_ = strm_.Position();
  Progress();
}

int32_t TCompressionStream::Read(void*, int32_t) { throw ECompressionError(kInvalidOperation); }

int32_t TCompressionStream::Write(const void* buffer, int32_t count) {
  if (count <= 0) return 0;
  if (finished_) throw ECompressionError(kInvalidOperation);
  zstrm_.next_in = static_cast<Bytef*>(const_cast<void*>(buffer));
  zstrm_.avail_in = static_cast<uInt>(count);
  ReturnToSavedPosition();
  while (zstrm_.avail_in > 0) {
    CheckDeflate(deflate(&zstrm_, Z_NO_FLUSH));
    if (zstrm_.avail_out == 0) WriteBufferOut(kBufferSize);
  }
  return count;
}

int64_t TCompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  if (offset == 0 && origin == soCurrent) return static_cast<int64_t>(zstrm_.total_in);
  throw ECompressionError(kInvalidOperation);
}

void TCompressionStream::Finish() {
  if (finished_) return;
  finished_ = true;
  zstrm_.next_in = nullptr;
  zstrm_.avail_in = 0;
  ReturnToSavedPosition();
  while (CheckDeflate(deflate(&zstrm_, Z_FINISH)) != Z_STREAM_END) {
    if (zstrm_.avail_out == 0) WriteBufferOut(kBufferSize);
  }
  int32_t rest = kBufferSize - static_cast<int32_t>(zstrm_.avail_out);
  if (rest > 0) WriteBufferOut(rest);
}

TDecompressionStream::TDecompressionStream(TStream& source)
    : TCustomZlibStream(source), startPos_(strmPos_) {
  zstrm_.next_in = buffer_;
  zstrm_.avail_in = 0;
  if (inflateInit(&zstrm_) != Z_OK) throw EDecompressionError("error");
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&zstrm_); }

int32_t TDecompressionStream::Read(void* buffer, int32_t count) {
  if (count <= 0 || ended_) return 0;
  zstrm_.next_out = static_cast<Bytef*>(buffer);
  zstrm_.avail_out = static_cast<uInt>(count);
  ReturnToSavedPosition();
  while (zstrm_.avail_out > 0) {
    if (zstrm_.avail_in == 0) {
      int32_t got = strm_.Read(buffer_, kBufferSize);
      // Without more input the stream can never reach its end: waiting would loop forever.
      if (got <= 0) CorruptData();
      zstrm_.next_in = buffer_;
      zstrm_.avail_in = static_cast<uInt>(got);
      strmPos_ = strm_.Position();
      Progress();
    }
    int code = inflate(&zstrm_, Z_NO_FLUSH);
    // Whatever follows the end, such as the padding a .skn length may cover, is not read.
    if (code == Z_STREAM_END) {
      ended_ = true;
      break;
    }
    // Z_NEED_DICT is positive but no dictionary exists here; waiting for one never ends.
    if (code != Z_OK) CorruptData();
  }
  return count - static_cast<int32_t>(zstrm_.avail_out);
}

int64_t TDecompressionStream::BytesLeftAtMost() {
  if (ended_) return 0;
  // Deflate expands by at most 1032 to 1; a match cut short by the last read adds up to 258.
  constexpr int64_t kLargestRatio = 1032, kLongestMatch = 258;
  return (strm_.Size() - strmPos_ + zstrm_.avail_in) * kLargestRatio + kLongestMatch;
}

int32_t TDecompressionStream::Write(const void*, int32_t) {
  throw EDecompressionError(kInvalidOperation);
}

void TDecompressionStream::Restart() {
  if (inflateReset(&zstrm_) != Z_OK) CorruptData();
  zstrm_.next_in = buffer_;
  zstrm_.avail_in = 0;
  ended_ = false;
  strm_.SetPosition(startPos_);
  strmPos_ = startPos_;
}

void TDecompressionStream::SkipForward(int64_t count) {
  uint8_t discard[kBufferSize];
  while (count > 0) {
    int32_t n = static_cast<int32_t>(std::min<int64_t>(count, kBufferSize));
    int32_t got = Read(discard, n);
    if (got <= 0) break;
    count -= got;
  }
}

int64_t TDecompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t delivered = static_cast<int64_t>(zstrm_.total_out);
  if (origin == soBeginning && offset == 0) {
    Restart();
  } else if (origin == soBeginning && offset >= delivered) {
    SkipForward(offset - delivered);
  } else if (origin == soCurrent && offset >= 0) {
    SkipForward(offset);
  } else {
    throw EDecompressionError(kInvalidOperation);
  }
  return static_cast<int64_t>(zstrm_.total_out);
}

void DeflateStreamTo(TStream& source, TStream& target) {
  TCompressionStream compressor(TCompressionLevel::Max, target);
  source.SetPosition(0);
  uint8_t block[8192];
  for (;;) {
    int32_t got = source.Read(block, sizeof block);
    if (got <= 0) break;
    compressor.WriteBuffer(block, got);
  }
  compressor.Finish();
}

void InflateStreamTo(TStream& target, TStream& source) {
  const std::vector<uint8_t> bytes = InflateStream(source);
  if (!bytes.empty()) target.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

std::vector<uint8_t> InflateStream(TStream& source) {
  source.SetPosition(0);
  TDecompressionStream decompressor(source);
  // A skin deflates to about a twentieth: start near its size and double from there.
  constexpr size_t kFirstStep = 64 * 1024;
  constexpr size_t kLargestStep = 16 * 1024 * 1024;
  size_t step = std::max(kFirstStep, static_cast<size_t>(std::min<int64_t>(source.Size(), kLargestStep)) * 8);
  // Pieces left uncleared and joined once: growing one buffer would clear it and copy what it
  // held at every step.
  std::vector<std::pair<std::unique_ptr<uint8_t[]>, size_t>> pieces;
  size_t total = 0;
  for (;;) {
    step = std::min(step, kLargestStep);
    std::unique_ptr<uint8_t[]> piece(new uint8_t[step]);
    const int32_t got = decompressor.Read(piece.get(), static_cast<int32_t>(step));
    const size_t kept = static_cast<size_t>(std::max(got, 0));
    pieces.emplace_back(std::move(piece), kept);
    total += kept;
    if (kept < step) break;
    step = total;
  }
  std::vector<uint8_t> bytes;
  bytes.reserve(total);
  for (const auto& [piece, size] : pieces) bytes.insert(bytes.end(), piece.get(), piece.get() + size);
  return bytes;
}

}  // namespace tmv
