#include "core/skin/compression.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

std::vector<std::uint8_t> Varied(std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  std::uint32_t state = 12345;
  for (auto& b : bytes) {
    state = state * 1103515245 + 12345;
    b = static_cast<std::uint8_t>((state >> 16) % 7);  // compressible but not trivially
  }
  return bytes;
}

std::vector<std::uint8_t> Compressed(const std::vector<std::uint8_t>& source) {
  std::vector<std::uint8_t> out;
  CompressPackage(source, out);
  return out;
}

TEST(SkinCompressionTest, StreamsBeginWithTheBestCompressionHeaderAndRoundTrip) {
  for (const std::size_t size : {0u, 1u, 4095u, 4096u, 4097u, 50000u}) {
    const auto source = Varied(size);
    const auto packed = Compressed(source);
    ASSERT_GE(packed.size(), 2u);
    EXPECT_EQ(packed[0], 0x78);
    EXPECT_EQ(packed[1], 0xDA);
    std::vector<std::uint8_t> back;
    DecompressPackage(back, packed);
    EXPECT_EQ(back, source) << size;
  }
}

TEST(SkinCompressionTest, BothDirectionsAppendToWhatTheTargetHolds) {
  const auto source = Varied(9000);
  std::vector<std::uint8_t> packed = {1, 2, 3};
  CompressPackage(source, packed);
  EXPECT_EQ(packed[3], 0x78);
  std::vector<std::uint8_t> back = {9};
  DecompressPackage(back, std::span(packed).subspan(3));
  ASSERT_EQ(back.size(), source.size() + 1);
  EXPECT_EQ(back[0], 9);
  EXPECT_TRUE(std::equal(source.begin(), source.end(), back.begin() + 1));
}

TEST(SkinCompressionTest, DamagedOrCutStreamsRaiseCompressionError) {
  std::vector<std::uint8_t> out;
  try {
    DecompressPackage(out, std::vector<std::uint8_t>{3, 0, 0, 0, 0, 0, 0, 0});
    ADD_FAILURE() << "not a zlib stream, yet no error";
  } catch (const EDecompressionError& e) {
    EXPECT_STREQ(e.what(), "compression error");
  }
  const auto packed = Compressed(Varied(20000));
  for (const std::size_t cut : {std::size_t{0}, std::size_t{1}, std::size_t{2}, packed.size() / 2, packed.size() - 1}) {
    out.clear();
    EXPECT_THROW(DecompressPackage(out, std::span(packed).first(cut)), EDecompressionError) << "cut at " << cut;
  }
  auto flipped = packed;
  flipped[flipped.size() - 1] ^= 0xFF;  // Adler-32 no longer matches
  EXPECT_THROW(DecompressPackage(out, flipped), EDecompressionError);
}

TEST(SkinCompressionTest, BytesAfterTheStreamAreIgnored) {
  const auto source = Varied(5000);
  auto packed = Compressed(source);
  packed.insert(packed.end(), {0xDE, 0xAD, 0xBE, 0xEF});
  std::vector<std::uint8_t> back;
  DecompressPackage(back, packed);
  EXPECT_EQ(back, source);
}

TEST(SkinCompressionTest, UnpackingStopsAtTheLimit) {
  const std::vector<std::uint8_t> zeros(1 << 20, 0);  // 1 MB of zeros packs to about 1 KB
  const auto bomb = Compressed(zeros);
  std::vector<std::uint8_t> back;
  EXPECT_THROW(DecompressPackage(back, bomb, 100000), EDecompressionError);
  EXPECT_LE(back.size(), 100000u);
  back.clear();
  EXPECT_NO_THROW(DecompressPackage(back, bomb, zeros.size()));
  EXPECT_EQ(back.size(), zeros.size());
}

}  // namespace
}  // namespace zv
