#include "core/frame/system_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zv {
namespace {

std::vector<std::string> Names(const std::vector<SystemMenuItem>& items) {
  std::vector<std::string> names;
  for (const SystemMenuItem& item : items) names.push_back(item.name.empty() ? item.caption : item.name);
  return names;
}

TEST(SystemMenu, ItemsFollowTheWindowsState) {
  SystemMenuWindow window;
  const auto normal = DefaultSystemMenu(window, nullptr);
  EXPECT_EQ(Names(normal),
            (std::vector<std::string>{"ZSF_MINITEM", "ZSF_MAXITEM", "ZSF_ROLLUP", "ZSF_MINTOTRAY", "-", "ZSF_CLOSE"}));
  EXPECT_EQ(normal.front().caption, "Mi&nimize");
  EXPECT_EQ(normal.back(), (SystemMenuItem{"ZSF_CLOSE", "&Close", "Alt+F4"}));

  window.state = WindowState::wsMaximized;
  EXPECT_EQ(Names(DefaultSystemMenu(window, nullptr)),
            (std::vector<std::string>{"ZSF_MINITEM", "ZSF_RESTORE", "ZSF_ROLLUP", "ZSF_MINTOTRAY", "-", "ZSF_CLOSE"}));
  window.state = WindowState::wsMinimized;
  EXPECT_EQ(Names(DefaultSystemMenu(window, nullptr)),
            (std::vector<std::string>{"ZSF_MAXITEM", "ZSF_RESTORE", "ZSF_MINTOTRAY", "-", "ZSF_CLOSE"}));
  window = {WindowState::wsNormal, true};
  EXPECT_EQ(Names(DefaultSystemMenu(window, nullptr)),
            (std::vector<std::string>{"ZSF_MINITEM", "ZSF_MAXITEM", "ZSF_RESTORE", "ZSF_MINTOTRAY", "-", "ZSF_CLOSE"}));

  // No icons: Close alone, with no separator above it; an MDI child's shortcut.
  const SystemMenuWindow bare{WindowState::wsNormal, false, true, false, false, false, false};
  EXPECT_EQ(DefaultSystemMenu(bare, nullptr), (std::vector<SystemMenuItem>{{"ZSF_CLOSE", "&Close", "Ctrl+F4"}}));
}

TEST(SystemMenu, ResourceStringsAndTheMergeIntoAnApplicationsMenu) {
  TzsResourceStrData strings;
  strings.SetResStrings({"MI_CLOSECAPTION=\xB9\xD8\xB1\xD5", "MI_MAXCAPTION="});  // 关闭
  const SystemMenuWindow window;
  const auto items = DefaultSystemMenu(window, &strings);
  EXPECT_EQ(items.back().caption, "\xB9\xD8\xB1\xD5");
  EXPECT_EQ(items[1].caption, "Ma&ximize");  // an empty resource string keeps the built-in text
  EXPECT_EQ(TrayMenu(false, &strings), (std::vector<SystemMenuItem>{{"TRAY_ZSF_RESTORE", "&Restore", ""},
                                                                    {"", "-", ""},
                                                                    {"TRAY_ZSF_CLOSE", "\xB9\xD8\xB1\xD5", "Alt+F4"}}));

  // Merged twice: the window's items once, above the application's, one Close.
  std::vector<SystemMenuItem> app{{"", "About", ""}, {"ZSF_CLOSE", "&Close", "Alt+F4"}};
  app = MergeSystemMenu(app, window, nullptr);
  app = MergeSystemMenu(app, window, nullptr);
  EXPECT_EQ(Names(app), (std::vector<std::string>{"ZSF_MINITEM", "ZSF_MAXITEM", "ZSF_ROLLUP", "ZSF_MINTOTRAY", "About",
                                                  "ZSF_CLOSE"}));
}

}  // namespace
}  // namespace zv
