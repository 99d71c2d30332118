#include "core/frame/system_menu.h"

#include <gtest/gtest.h>

#include <algorithm>
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
  EXPECT_EQ(Names(normal), (std::vector<std::string>{"ZSF_MOVE", "ZSF_SIZE", "ZSF_MINITEM", "ZSF_MAXITEM", "ZSF_ROLLUP",
                                                     "ZSF_MINTOTRAY", "-", "ZSF_CLOSE"}));
  EXPECT_EQ(normal.front().caption, "&Move");
  EXPECT_EQ(normal[1].caption, "&Size");
  EXPECT_EQ(normal[2].caption, "Mi&nimize");
  // Close is the default item, as on every window.
  EXPECT_EQ(normal.back(), (SystemMenuItem{"ZSF_CLOSE", "&Close", "Alt+F4", 0, true}));
  EXPECT_EQ(std::count_if(normal.begin(), normal.end(), [](const SystemMenuItem& i) { return i.isDefault; }), 1);

  window.state = WindowState::wsMaximized;
  EXPECT_EQ(Names(DefaultSystemMenu(window, nullptr)),
            (std::vector<std::string>{"ZSF_MINITEM", "ZSF_RESTORE", "ZSF_ROLLUP", "ZSF_MINTOTRAY", "-", "ZSF_CLOSE"}));
  window.state = WindowState::wsMinimized;
  EXPECT_EQ(Names(DefaultSystemMenu(window, nullptr)),
            (std::vector<std::string>{"ZSF_MAXITEM", "ZSF_RESTORE", "ZSF_MINTOTRAY", "-", "ZSF_CLOSE"}));
  window = {WindowState::wsNormal, true};
  EXPECT_EQ(Names(DefaultSystemMenu(window, nullptr)),
            (std::vector<std::string>{"ZSF_MOVE", "ZSF_MINITEM", "ZSF_MAXITEM", "ZSF_RESTORE", "ZSF_MINTOTRAY", "-",
                                      "ZSF_CLOSE"}));
  // A window that cannot be resized has no Size item.
  window = {};
  window.resizable = false;
  EXPECT_EQ(Names(DefaultSystemMenu(window, nullptr))[1], "ZSF_MINITEM");

  // No icons, not resizable: Move and Close; an MDI child's shortcut.
  const SystemMenuWindow bare{WindowState::wsNormal, false, true, false, false, false, false, false};
  EXPECT_EQ(DefaultSystemMenu(bare, nullptr),
            (std::vector<SystemMenuItem>{
                {"ZSF_MOVE", "&Move", ""}, {"", "-", ""}, {"ZSF_CLOSE", "&Close", "Ctrl+F4", 0, true}}));
}

TEST(SystemMenu, ResourceStringsAndTheMergeIntoAnApplicationsMenu) {
  TzsResourceStrData strings;
  strings.SetResStrings({"MI_CLOSECAPTION=\xB9\xD8\xB1\xD5", "MI_MAXCAPTION=", "ZSF_MOVE=M"});  // 关闭
  const SystemMenuWindow window;
  const auto items = DefaultSystemMenu(window, &strings);
  EXPECT_EQ(items.back().caption, "\xB9\xD8\xB1\xD5");
  EXPECT_EQ(items[0].caption, "M");
  EXPECT_EQ(items[3].caption, "Ma&ximize");  // an empty resource string keeps the built-in text
  EXPECT_EQ(TrayMenu(false, &strings), (std::vector<SystemMenuItem>{{"TRAY_ZSF_RESTORE", "&Restore", "", 0, true},
                                                                    {"", "-", ""},
                                                                    {"TRAY_ZSF_CLOSE", "\xB9\xD8\xB1\xD5", "Alt+F4"}}));

  // Merged twice: the window's items once, above the application's, one Close.
  std::vector<SystemMenuItem> app{{"", "About", ""}, {"ZSF_CLOSE", "&Close", "Alt+F4"}};
  app = MergeSystemMenu(app, window, nullptr);
  app = MergeSystemMenu(app, window, nullptr);
  EXPECT_EQ(Names(app), (std::vector<std::string>{"ZSF_MOVE", "ZSF_SIZE", "ZSF_MINITEM", "ZSF_MAXITEM", "ZSF_ROLLUP",
                                                  "ZSF_MINTOTRAY", "About", "ZSF_CLOSE"}));
}

}  // namespace
}  // namespace zv
