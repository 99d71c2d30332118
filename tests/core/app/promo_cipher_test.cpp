#include "core/app/promo_cipher.h"

#include <gtest/gtest.h>

#include "core/app/texts.h"

namespace zv {
namespace {

std::string Scramble(std::string_view plain) { return ScrambleValue(plain, kPromoStartKey); }
std::string Unscramble(std::string_view hex) { return UnscrambleValue(hex, kPromoStartKey); }

TEST(PromoCipher, KnownVectors) {
  // Worked out by hand from the key register: "A" ^ 0x7A = 0x3B.
  EXPECT_EQ(Scramble("A"), "3B");
  EXPECT_EQ(Scramble("http://a.cn/x.jpg"), "124BCA2BF615F52E6410126D957943F6B0");
  EXPECT_EQ(Unscramble("124BCA2BF615F52E6410126D957943F6B0"), "http://a.cn/x.jpg");
  // Another start key gives other bytes.
  EXPECT_NE(ScrambleValue("A", 0x1234), "3B");
}

TEST(PromoCipher, EmptyValue) {
  EXPECT_EQ(Scramble(""), "");
  EXPECT_EQ(Unscramble(""), "");
}

TEST(PromoCipher, BytesEqualToTheKeysHighByteAreStoredUnchanged) {
  // 0x7A, 0x20 and 0x07 each equal the key's high byte at their position.
  const std::string plain =
      "z \x07"
      "A";
  EXPECT_EQ(Scramble(plain), "7A200753");
  EXPECT_EQ(Unscramble("7A200753"), plain);
}

TEST(PromoCipher, RoundTripsEveryTextWithoutNul) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  for (const std::string& plain : {all, std::string(texts::kPromoFallback), std::string(3000, '\xFF'),
                                   std::string("https://promo.zorvane.invalid/a.jpg")}) {
    const std::string hex = Scramble(plain);
    EXPECT_EQ(hex.size(), plain.size() * 2);
    EXPECT_EQ(Unscramble(hex), plain);
  }
  // A NUL plain byte comes back as the key's high byte: the documented limit.
  EXPECT_EQ(Unscramble(Scramble(std::string(1, '\0'))), "z");
}

TEST(PromoCipher, HexText) {
  EXPECT_EQ(HexEncodeBytes(std::string("\x00\x0f\xa0\xff", 4)), "000FA0FF");
  EXPECT_EQ(HexEncodeBytes(""), "");
  EXPECT_EQ(HexDecodeBytes("000FA0FF"), std::string("\x00\x0f\xa0\xff", 4));
  // An odd last character is ignored.
  EXPECT_EQ(HexDecodeBytes("4142F"), "AB");
  EXPECT_EQ(HexDecodeBytes("F"), "");
  // Lower case decodes to other bytes, silently: 'a' is 97 - 55 = 42.
  EXPECT_EQ(HexDecodeBytes("af"), std::string(1, static_cast<char>((42 * 16 + 47) & 0xFF)));
  EXPECT_EQ(HexDecodeBytes("0a"), "*");  // 42, not 10
  // As a high digit the excess of 32 is shifted out of the byte.
  EXPECT_EQ(HexDecodeBytes("a0"), HexDecodeBytes("A0"));
  EXPECT_EQ(HexDigitValue('0'), 0);
  EXPECT_EQ(HexDigitValue('9'), 9);
  EXPECT_EQ(HexDigitValue('A'), 10);
  EXPECT_EQ(HexDigitValue('F'), 15);
  EXPECT_EQ(HexDigitValue('G'), 16);
  EXPECT_EQ(HexDigitValue('a'), 42);
  EXPECT_EQ(HexDigitValue(' '), 32 - 55);
  EXPECT_EQ(HexDigitValue('\xFF'), 255 - 55);
}

}  // namespace
}  // namespace zv
