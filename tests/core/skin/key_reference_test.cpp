#include "core/skin/check/key_reference.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zv {
namespace {

constexpr std::string_view kBegin = "<!-- keys: `zorvane-cli skin keys` writes what follows -->\n";
constexpr std::string_view kEnd = "<!-- end of keys -->\n";

TEST(KeyReference, TheDocumentIsTheReadersTables) {
  std::ifstream file(ZV_TEST_DATA "/../../docs/skin-definition.md", std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  const std::string doc = text.str();
  const std::size_t begin = doc.find(kBegin);
  const std::size_t end = doc.find(kEnd);
  ASSERT_NE(begin, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  const std::string listed = doc.substr(begin + kBegin.size(), end - begin - kBegin.size());
  EXPECT_EQ(listed, SkinKeyReference()) << "regenerate with zorvane-cli skin keys";

  const std::string reference = SkinKeyReference();
  EXPECT_NE(reference.find(
                "| clientrect | rect | pixels from the picture rectangle's top-left corner | 0,0,0,0 | 5,4,280,24 |\n"),
            std::string::npos);
  EXPECT_NE(reference.find("| activepictureindex | integer | active picture index, -1 none | -1 | 3 |"),
            std::string::npos);
  EXPECT_NE(reference.find("#### control type `panel`, its own keys"), std::string::npos);
}

}  // namespace
}  // namespace zv
