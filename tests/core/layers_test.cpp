// The core's folders are layers: each includes only those below it, and the
// folders beside the engine are included by none of it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace zv {
namespace {

const std::map<std::string, int> kRank = {
    {"base", 0}, {"platform", 1}, {"gfx", 2}, {"skin", 3},   {"controls", 4}, {"menus", 5},
    {"tray", 6}, {"frame", 7},    {"app", 8}, {"status", 8}, {"ui", 8},
};

TEST(CoreLayers, NoIncludeRunsBackUp) {
  const std::filesystem::path core = std::filesystem::path(ZV_TEST_DATA) / ".." / ".." / "src" / "core";
  const std::regex include(R"re(#include "core/([a-z_]+)/)re");
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(core)) {
    if (!entry.is_regular_file()) continue;
    // A folder's subfolders (skin/scaling) belong to its layer.
    const std::string folder = std::filesystem::relative(entry.path(), core).begin()->string();
    ASSERT_EQ(kRank.count(folder), 1u) << "a core folder without a layer: " << folder;
    ++files;
    std::ifstream in(entry.path());
    for (std::string line; std::getline(in, line);) {
      std::smatch m;
      if (!std::regex_search(line, m, include) || m[1] == folder) continue;
      ASSERT_EQ(kRank.count(m[1]), 1u) << entry.path() << ": " << line;
      EXPECT_LT(kRank.at(m[1]), kRank.at(folder)) << entry.path() << ": " << line;
    }
  }
  EXPECT_GT(files, 100);
}

}  // namespace
}  // namespace zv
