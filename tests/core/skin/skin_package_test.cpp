#include "core/skin/package.h"

#include <gtest/gtest.h>

#include "core/base/byte_stream.h"
#include "skin_test_pictures.h"

namespace zv {
namespace {

using test::SamplePackage;
using test::SamplePicture;

void ExpectSamePicture(const std::optional<BmpPicture>& a, const std::optional<BmpPicture>& b) {
  ASSERT_EQ(a.has_value(), b.has_value());
  if (a) {
    EXPECT_TRUE(SameImage(*a, *b));
  }
}

TEST(SkinPackageTest, WrittenPackageReadsBackPictureForPicture) {
  const SkinPackage package = SamplePackage();
  const auto bytes = WritePackage(package);
  const SkinPackage back = ReadPackage(bytes);
  EXPECT_EQ(back.version, 3);
  ExpectSamePicture(back.picture, package.picture);
  ExpectSamePicture(back.inactivePicture, package.inactivePicture);
  ExpectSamePicture(back.mask, package.mask);
  ASSERT_EQ(back.activePictures.size(), package.activePictures.size());
  for (std::size_t i = 0; i < back.activePictures.size(); ++i) {
    EXPECT_TRUE(SameImage(back.activePictures[i], package.activePictures[i])) << i;
    EXPECT_EQ(back.activePictures[i].bitCount, package.activePictures[i].bitCount);
  }
  EXPECT_EQ(back.definitionText, package.definitionText);
}

TEST(SkinPackageTest, BytesAreLaidOutFieldByField) {
  const SkinPackage package = SamplePackage();
  const auto bytes = WritePackage(package);
  const auto main = EncodeBmp(*package.picture);
  const auto mask = EncodeBmp(*package.mask);
  ByteReader r(bytes);
  EXPECT_EQ(r.ReadI32(), 3);
  EXPECT_EQ(r.ReadU8(), 0);  // main picture present
  const auto mainBytes = r.ReadBytes(main.size());
  EXPECT_TRUE(std::equal(main.begin(), main.end(), mainBytes.begin()));
  EXPECT_EQ(r.ReadU8(), 1);  // no inactive picture, and nothing after its flag
  EXPECT_EQ(r.ReadU8(), 0);  // the mask follows at once
  const auto maskBytes = r.ReadBytes(mask.size());
  EXPECT_TRUE(std::equal(mask.begin(), mask.end(), maskBytes.begin()));
  EXPECT_EQ(r.ReadI32(), 4);
  for (const auto& picture : package.activePictures) {
    const auto image = EncodeBmp(picture);
    EXPECT_EQ(r.Rest()[0], 'B');  // no flag byte before active pictures
    r.ReadBytes(image.size());
  }
  const auto text = r.ReadRest();
  EXPECT_EQ(std::string(text.begin(), text.end()), package.definitionText);

  const PackageLayout layout = ParsePackage(bytes);
  EXPECT_FALSE(layout.inactivePicture.has_value());
  ASSERT_TRUE(layout.mask.has_value());
  EXPECT_EQ(layout.mask->size(), mask.size());
  EXPECT_EQ(layout.activePictures.size(), 4u);
}

// A package written by hand, for versions and counts the writer never makes.
std::vector<std::uint8_t> HandPackage(std::int32_t version, int extraPictures, std::int32_t count, int actualPictures,
                                      const std::string& text) {
  std::vector<std::uint8_t> bytes;
  ByteWriter w(bytes);
  w.WriteI32(version);
  w.WriteU8(1);
  w.WriteU8(0);
  w.WriteBytes(EncodeBmp(SamplePicture(8, 3, 3, 1)));
  w.WriteU8(1);
  for (int i = 0; i < extraPictures; ++i) {
    w.WriteU8(0);
    w.WriteBytes(EncodeBmp(SamplePicture(24, 4, 4, 9)));
  }
  w.WriteI32(count);
  for (int i = 0; i < actualPictures; ++i) w.WriteBytes(EncodeBmp(SamplePicture(1, 6, 2, i)));
  w.WriteBytes(test::Bytes(text));
  return bytes;
}

TEST(SkinPackageTest, VersionTwoSkipsItsTwoExtraPictures) {
  const SkinPackage package = ReadPackage(HandPackage(2, 2, 2, 2, "[VERSION]\r\n"));
  EXPECT_FALSE(package.picture.has_value());
  ASSERT_TRUE(package.inactivePicture.has_value());
  EXPECT_EQ(package.inactivePicture->bitCount, 8);
  EXPECT_FALSE(package.mask.has_value());
  ASSERT_EQ(package.activePictures.size(), 2u);
  EXPECT_TRUE(SameImage(package.activePictures[1], SamplePicture(1, 6, 2, 1)));
  EXPECT_EQ(package.definitionText, "[VERSION]\r\n");
  EXPECT_EQ(ParsePackage(HandPackage(2, 2, 0, 0, "")).discardedPictures, 2);
  // In every other version the same bytes are not skipped: the extra picture's
  // flag is taken as part of the count and the package falls apart.
  EXPECT_THROW(ReadPackage(HandPackage(3, 2, 2, 2, "")), Error);
}

TEST(SkinPackageTest, VersionsAndCountsAtTheirEdges) {
  const SkinPackage newer = ReadPackage(HandPackage(4, 0, 0, 0, "x"));
  EXPECT_EQ(newer.version, 4);
  EXPECT_FALSE(newer.inactivePicture.has_value());  // nothing after the version is read
  EXPECT_TRUE(newer.definitionText.empty());
  EXPECT_FALSE(IsAcceptedVersion(4));
  EXPECT_TRUE(IsAcceptedVersion(-7));

  const SkinPackage old = ReadPackage(HandPackage(-1, 0, 1, 1, "a\r\n"));
  EXPECT_EQ(old.activePictures.size(), 1u);
  EXPECT_EQ(old.definitionText, "a\r\n");

  for (const std::int32_t none : {0, -1, INT32_MIN}) {
    const SkinPackage package = ReadPackage(HandPackage(3, 0, none, 0, "[VERSION]\r\n"));
    EXPECT_TRUE(package.activePictures.empty()) << none;
    EXPECT_EQ(package.definitionText, "[VERSION]\r\n") << none;
  }
  EXPECT_THROW(ReadPackage(HandPackage(3, 0, INT32_MAX, 1, "")), Error);
  EXPECT_THROW(ReadPackage(HandPackage(3, 0, 3, 2, "")), Error);
}

TEST(SkinPackageTest, EveryCutShortPackageEitherReadsOrRaises) {
  const auto bytes = WritePackage(SamplePackage());
  const std::size_t textStart = bytes.size() - SamplePackage().definitionText.size();
  for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
    const std::span<const std::uint8_t> part(bytes.data(), cut);
    if (cut >= textStart) {
      EXPECT_EQ(ReadPackage(part).definitionText.size(), cut - textStart);
    } else {
      EXPECT_THROW(ReadPackage(part), Error) << "cut at " << cut;
    }
  }
}

TEST(SkinPackageTest, PictureLengthFieldsAreChecked) {
  auto bytes = HandPackage(3, 0, 1, 1, "");
  const std::size_t picture = 4 + 2;  // version, two flags
  bytes[picture + 2] = 0xFF;          // length of the inactive picture now far beyond the data
  bytes[picture + 5] = 0x7F;
  EXPECT_THROW(ReadPackage(bytes), EInvalidGraphic);
  auto shortened = HandPackage(3, 0, 1, 1, "");
  shortened[picture + 2] = 20;  // too short to hold a header
  shortened[picture + 3] = 0;
  shortened[picture + 4] = 0;
  shortened[picture + 5] = 0;
  EXPECT_THROW(ReadPackage(shortened), EInvalidGraphic);
}

std::vector<std::uint8_t> PackageOf(const std::vector<std::vector<std::uint8_t>>& pictures) {
  std::vector<std::uint8_t> bytes;
  ByteWriter w(bytes);
  w.WriteI32(3);
  for (int flag = 0; flag < 3; ++flag) w.WriteU8(1);
  w.WriteI32(static_cast<std::int32_t>(pictures.size()));
  for (const auto& picture : pictures) w.WriteBytes(picture);
  return bytes;
}

using test::BlankBmp;

TEST(SkinPackageTest, PicturesAreCountedBeforeTheyAreDecoded) {
  // Pictures of 8 M pixels take 32 MB apiece once decoded, from 1 MB of
  // package: the budget refuses the one that passes it before decoding it.
  const auto half = BlankBmp(4096, 2048);
  PictureBudget budget;
  budget.Take(half);
  budget.Take(half);  // exactly the budget
  EXPECT_THROW(budget.Take(BlankBmp(1, 1)), Error);
  EXPECT_THROW(ReadPackage(PackageOf({BlankBmp(1, 1), BlankBmp(4096, 4096)})), Error);

  // More pictures than a package may hold, however small.
  const std::vector<std::vector<std::uint8_t>> many(kMaxPackagePictures + 1, BlankBmp(1, 1));
  EXPECT_THROW(ParsePackage(PackageOf(many)), Error);
  EXPECT_EQ(ParsePackage(PackageOf({many.begin(), many.end() - 1})).activePictures.size(),
            static_cast<std::size_t>(kMaxPackagePictures));
  PictureBudget counted;
  for (int i = 0; i < kMaxPackagePictures; ++i) counted.Take(many[0]);
  EXPECT_THROW(counted.Take(many[0]), Error);
}

}  // namespace
}  // namespace zv
