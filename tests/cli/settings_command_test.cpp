#include "cli/settings_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "cli/cli_error.h"
#include "core/app/profile_file.h"
#include "core/app/promo_cipher.h"

namespace zv {
namespace {

std::string Read(const std::string& text, const std::string& section, const std::string& key) {
  return UnscrambleValue(ReadProfileValue(text, section, key, ""), kPromoStartKey);
}

TEST(SettingsCommand, MakesACompleteSettingsFile) {
  const std::string text =
      MakeSettingsFile("zvk", {"http://h.cn/1.jpg", "https://l.cn/1"}, {"http://h.cn/2.GIF", "http://l.cn/2?a=b"});
  EXPECT_EQ(Read(text, "zvkpath", "fname1"), "http://h.cn/1.jpg");
  EXPECT_EQ(Read(text, "zvkpath", "fname2"), "http://h.cn/2.GIF");
  EXPECT_EQ(Read(text, "zvklink", "fname1"), "https://l.cn/1");
  EXPECT_EQ(Read(text, "zvklink", "fname2"), "http://l.cn/2?a=b");
  EXPECT_EQ(text.find("http"), std::string::npos);  // nothing in plain text
}

TEST(SettingsCommand, RefusesWhatTheProgramWouldNotUse) {
  const PromoSlotSettings good{"http://h.cn/1.jpg", "https://l.cn/1"};
  EXPECT_THROW(MakeSettingsFile("zvk", {"http://h.cn/1.png", "https://l.cn/1"}, good), CliError);
  EXPECT_THROW(MakeSettingsFile("zvk", {"http://h.cn/1.jpg?v=2", "https://l.cn/1"}, good), CliError);
  EXPECT_THROW(MakeSettingsFile("zvk", {"file:///C:/1.jpg", "https://l.cn/1"}, good), CliError);
  EXPECT_THROW(MakeSettingsFile("zvk", good, {"http://h.cn/2.gif", "calc.exe"}), CliError);
  EXPECT_THROW(MakeSettingsFile("zv/k", good, good), CliError);
  EXPECT_NO_THROW(MakeSettingsFile("zvk", good, good));
}

TEST(SettingsCommand, RefusesValuesLongerThanTheProgramReadsBack) {
  const PromoSlotSettings good{"http://h.cn/1.jpg", "https://l.cn/1"};
  const std::string longest = "http://h.cn/" + std::string(1023 - 16, 'p') + ".jpg";
  ASSERT_EQ(longest.size(), 1023u);
  EXPECT_EQ(Read(MakeSettingsFile("zvk", {longest, longest}, good), "zvklink", "fname1"), longest);
  const std::string tooLong = "http://h.cn/" + std::string(1024 - 16, 'p') + ".jpg";
  try {
    MakeSettingsFile("zvk", good, {good.picture, tooLong});
    ADD_FAILURE() << "wrote a value the program cannot read back";
  } catch (const CliError& e) {
    EXPECT_NE(std::string(e.what()).find("--link2 is 1024 bytes long"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("at most 1023 bytes (2047 hexadecimal characters)"), std::string::npos);
  }
  EXPECT_THROW(MakeSettingsFile("zvk", {tooLong, good.link}, good), CliError);
}

TEST(SettingsCommand, ExampleFolderMatchesTheCipher) {
  std::ifstream in(std::string(ZV_TEST_DATA) + "/../../tools/promo-example/zvk.rar", std::ios::binary);
  ASSERT_TRUE(in);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(Read(text, "zvkpath", "fname1"), "http://127.0.0.1:8000/banner1.jpg");
  EXPECT_EQ(Read(text, "zvkpath", "fname2"), "http://127.0.0.1:8000/banner2.gif");
  EXPECT_EQ(Read(text, "zvklink", "fname1"), "https://example.com/zorvane-pro");
}

}  // namespace
}  // namespace zv
