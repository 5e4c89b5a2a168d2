#include <gtest/gtest.h>

#include <zlib.h>

#include <string>
#include <vector>

#include "SkinTestSupport.h"
#include "skin/data/ZlibStreams.h"

using namespace tmv;

namespace {

std::vector<uint8_t> Sample(size_t n) {
  std::vector<uint8_t> v(n);
  uint32_t x = 12345;
  for (size_t i = 0; i < n; ++i) {
    x = x * 1103515245 + 12345;
    v[i] = static_cast<uint8_t>(i % 7 == 0 ? x >> 16 : i / 97);
  }
  return v;
}

std::vector<uint8_t> Inflate(const std::vector<uint8_t>& compressed) {
  TMemoryStream source(compressed), target;
  InflateStreamTo(target, source);
  return target.Bytes();
}

template <class F>
std::string DecompressionMessage(F f) {
  try {
    f();
  } catch (const EDecompressionError& e) {
    return e.Message;
  }
  return "no error";
}

}  // namespace

TEST(ZlibStreams, RoundTripsAcrossBufferBoundariesAtMaximumLevel) {
  for (size_t n : {size_t{0}, size_t{1}, size_t{4095}, size_t{4096}, size_t{4097}, size_t{300000}}) {
    std::vector<uint8_t> data = Sample(n);
    std::vector<uint8_t> compressed = skintest::Compress(data);
    ASSERT_GE(compressed.size(), 2u);
    EXPECT_EQ(0x78, compressed[0]);
    EXPECT_EQ(0xDA, compressed[1]) << "level 9 header";
    EXPECT_EQ(data, Inflate(compressed)) << n;
  }
}

TEST(ZlibStreams, CompressionLevelsMapToZlibLevels) {
  std::vector<uint8_t> data = Sample(20000);
  std::vector<uint8_t> headers;
  for (TCompressionLevel level : {TCompressionLevel::None, TCompressionLevel::Fastest, TCompressionLevel::Default, TCompressionLevel::Max}) {
    TMemoryStream out;
    {
      TCompressionStream c(level, out);
      c.WriteBuffer(data.data(), static_cast<int32_t>(data.size()));
      EXPECT_EQ(20000, c.Seek(0, soCurrent));
      c.Finish();
    }
    headers.push_back(out.Bytes()[1]);
    EXPECT_EQ(data, Inflate(out.Bytes()));
  }
  EXPECT_EQ((std::vector<uint8_t>{0x01, 0x01, 0x9C, 0xDA}), headers);
}

TEST(ZlibStreams, CompressionStreamRefusesReadingAndSeeking) {
  TMemoryStream out;
  TCompressionStream c(TCompressionLevel::Default, out);
  uint8_t b[4];
  EXPECT_THROW(c.Read(b, 4), ECompressionError);
  EXPECT_THROW(c.Seek(1, soCurrent), ECompressionError);
  EXPECT_THROW(c.Seek(0, soBeginning), ECompressionError);
  try {
    c.Seek(0, soEnd);
  } catch (const EZlibError& e) {
    EXPECT_EQ("Invalid stream operation", e.Message);
  }
}

TEST(ZlibStreams, CompressionGoesBackToItsPlaceWhenTheTargetWasMoved) {
  std::vector<uint8_t> data = Sample(50000);
  TMemoryStream out;
  out.WriteInt32(7);
  {
    TCompressionStream c(TCompressionLevel::Max, out);
    c.WriteBuffer(data.data(), 25000);
    out.SetPosition(0);
    c.WriteBuffer(data.data() + 25000, 25000);
    c.Finish();
  }
  std::vector<uint8_t> compressed(out.Bytes().begin() + 4, out.Bytes().end());
  EXPECT_EQ(data, Inflate(compressed));
  out.SetPosition(0);
  EXPECT_EQ(7, out.ReadInt32());
}

TEST(ZlibStreams, ProgressFiresForEveryBufferMoved) {
  std::vector<uint8_t> data = Sample(200000);
  std::vector<uint8_t> compressed = skintest::Compress(data);
  TMemoryStream source(compressed);
  TDecompressionStream d(source);
  int calls = 0;
  d.OnProgress = [&calls](TCustomZlibStream&) { ++calls; };
  std::vector<uint8_t> out(data.size() + 1);
  EXPECT_EQ(static_cast<int32_t>(data.size()), d.Read(out.data(), static_cast<int32_t>(out.size())));
  out.pop_back();
  EXPECT_EQ(data, out);
  EXPECT_EQ(static_cast<int>((compressed.size() + 4095) / 4096), calls);
}

TEST(ZlibStreams, DecompressionSeeksForwardRestartsAndRefusesTheRest) {
  std::vector<uint8_t> data = Sample(30000);
  TMemoryStream source(skintest::Compress(data));
  TDecompressionStream d(source);
  EXPECT_EQ(10000, d.Seek(10000, soBeginning));
  uint8_t b = 0;
  d.ReadBuffer(&b, 1);
  EXPECT_EQ(data[10000], b);
  EXPECT_EQ(10101, d.Seek(100, soCurrent));
  d.ReadBuffer(&b, 1);
  EXPECT_EQ(data[10101], b);
  EXPECT_THROW(d.Seek(5, soBeginning), EDecompressionError);
  EXPECT_THROW(d.Seek(-1, soCurrent), EDecompressionError);
  EXPECT_THROW(d.Seek(0, soEnd), EDecompressionError);
  EXPECT_THROW(d.Write(&b, 1), EDecompressionError);
  EXPECT_EQ(0, d.Seek(0, soBeginning));
  d.ReadBuffer(&b, 1);
  EXPECT_EQ(data[0], b);
}

TEST(ZlibStreams, DamagedDataIsACompressionErrorNeverAHang) {
  std::vector<uint8_t> data = Sample(40000);
  std::vector<uint8_t> good = skintest::Compress(data);

  std::vector<uint8_t> truncated(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
  EXPECT_EQ("compression error", DecompressionMessage([&] { Inflate(truncated); }));

  std::vector<uint8_t> withoutChecksum(good.begin(), good.end() - 4);
  EXPECT_EQ("compression error", DecompressionMessage([&] { Inflate(withoutChecksum); }));

  std::vector<uint8_t> badChecksum = good;
  badChecksum.back() ^= 1;
  EXPECT_EQ("compression error", DecompressionMessage([&] { Inflate(badChecksum); }));

  std::vector<uint8_t> badHeader = good;
  badHeader[0] = 0x79;
  EXPECT_EQ("compression error", DecompressionMessage([&] { Inflate(badHeader); }));

  EXPECT_EQ("compression error", DecompressionMessage([&] { Inflate({}); }));
}

TEST(ZlibStreams, BytesAfterTheEndOfTheStreamAreIgnored) {
  std::vector<uint8_t> data = Sample(40000);
  std::vector<uint8_t> padded = skintest::Compress(data);
  padded.resize(padded.size() + 5000, 0xAB);
  EXPECT_EQ(data, Inflate(padded));

  TMemoryStream source(padded);
  TDecompressionStream d(source);
  std::vector<uint8_t> out(data.size() + 10);
  EXPECT_EQ(static_cast<int32_t>(data.size()), d.Read(out.data(), static_cast<int32_t>(out.size())));
  EXPECT_TRUE(d.StreamEnded());
}

TEST(ZlibStreams, AStreamAskingForAPresetDictionaryIsRefused) {
  std::vector<uint8_t> data = Sample(1000);
  z_stream z{};
  ASSERT_EQ(Z_OK, deflateInit(&z, 9));
  const Bytef dict[] = "dictionary";
  ASSERT_EQ(Z_OK, deflateSetDictionary(&z, dict, sizeof dict));
  std::vector<uint8_t> out(2000);
  z.next_in = data.data();
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  ASSERT_EQ(Z_STREAM_END, deflate(&z, Z_FINISH));
  out.resize(z.total_out);
  deflateEnd(&z);
  EXPECT_EQ("compression error", DecompressionMessage([&] { Inflate(out); }));
}

TEST(ZlibStreams, ReadingPastTheEndAnswersZero) {
  std::vector<uint8_t> data = Sample(100);
  TMemoryStream source(skintest::Compress(data));
  TDecompressionStream d(source);
  std::vector<uint8_t> out(500);
  EXPECT_EQ(100, d.Read(out.data(), 500));
  EXPECT_TRUE(d.StreamEnded());
  EXPECT_EQ(0, d.Read(out.data(), 500));
}

TEST(ZlibStreams, WhatIsLeftIsBoundedByTheCompressedBytesNotYetRead) {
  std::vector<uint8_t> data(200000, 0);
  std::vector<uint8_t> compressed = skintest::Compress(data);
  TMemoryStream source(compressed);
  TDecompressionStream d(source);
  std::vector<uint8_t> out(150000);
  EXPECT_GE(d.BytesLeftAtMost(), 200000);
  ASSERT_EQ(150000, d.Read(out.data(), 150000));
  EXPECT_GE(d.BytesLeftAtMost(), 50000);
  // What deflate makes of zeros is a thousandth of them: the bound is no lie's room.
  EXPECT_LT(d.BytesLeftAtMost(), int64_t(compressed.size()) * 1100);
  EXPECT_EQ(50000, d.Read(out.data(), 150000));
  EXPECT_EQ(0, d.BytesLeftAtMost());
}
