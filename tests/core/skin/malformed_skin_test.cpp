// Every file in tests/data/malformed is a small damaged input that must end
// in a clear error, never in a crash or an unbounded allocation.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/base/bmp.h"
#include "core/skin/package.h"
#include "core/skin/stored_skin.h"

namespace zv {
namespace {

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The loader a file's name prefix asks for.
void Load(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  if (name.starts_with("bmp-")) {
    ReadBmp(bytes);
  } else if (name.starts_with("package-")) {
    ReadPackage(bytes);
  } else if (name.starts_with("stream-")) {
    TzsCompressedStoredSkin skin;
    ByteReader reader(bytes);
    skin.ReadSkinStream(reader);
    std::vector<std::uint8_t> unpacked;
    skin.Unpack(unpacked);
    ReadPackage(unpacked);
  } else {
    FAIL() << "no loader for " << name;
  }
}

TEST(MalformedSkinInputTest, EachFileEndsInAnError) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ZV_TEST_DATA "/malformed")) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with("bmp-") && !name.starts_with("package-") && !name.starts_with("stream-")) continue;
    ++files;
    EXPECT_THROW(Load(name, ReadFile(entry.path())), Error) << name;
  }
  EXPECT_GE(files, 13);
}

}  // namespace
}  // namespace zv
