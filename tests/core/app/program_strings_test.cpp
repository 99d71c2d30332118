#include "core/app/program_strings.h"

#include <gtest/gtest.h>

#include <set>

#include "core/frame/caption_objects.h"
#include "core/frame/system_menu.h"
#include "core/menus/skin_menu.h"
#include "core/skin/ini_text.h"
#include "frame/frame_fixture.h"
#include "menus/menu_fakes.h"

namespace zv {
namespace {

// The program's texts start with a Chinese character; the engine's
// built-in English ones never do.
bool Chinese(const std::string& text) { return !text.empty() && static_cast<unsigned char>(text[0]) >= 0x81; }

std::vector<SystemMenuWindow> EveryState() {
  std::vector<SystemMenuWindow> windows(4);
  windows[1].state = WindowState::wsMaximized;
  windows[2].state = WindowState::wsMinimized;
  windows[3].rolledUp = true;
  return windows;
}

TEST(ProgramStrings, SystemMenuInChineseWithTheEnglishMnemonics) {
  const TzsResourceStrData strings = ProgramResourceStrings();
  // 最小化(&N) shows as 最小化(N), N its key, as Chinese Windows writes it.
  const std::string minimize = strings.GetResString("mi_mincaption");
  EXPECT_EQ(minimize, "\xd7\xee\xd0\xa1\xbb\xaf(&N)");
  EXPECT_EQ(DisplayCaption(minimize), "\xd7\xee\xd0\xa1\xbb\xaf(N)");
  EXPECT_EQ(AcceleratorOf(minimize), 'n');

  // Every item of every state, and the tray menu: a Chinese caption with the
  // key of the English one, so no key of the table is misspelt.
  std::set<std::string> seen;
  const auto compare = [&](const std::vector<SystemMenuItem>& ours, const std::vector<SystemMenuItem>& builtIn) {
    ASSERT_EQ(ours.size(), builtIn.size());
    for (std::size_t i = 0; i < ours.size(); ++i) {
      EXPECT_EQ(ours[i].name, builtIn[i].name);
      EXPECT_EQ(ours[i].shortcut, builtIn[i].shortcut);
      if (ours[i].caption == "-") continue;
      seen.insert(ours[i].name);
      EXPECT_TRUE(Chinese(ours[i].caption)) << ours[i].name;
      EXPECT_NE(AcceleratorOf(ours[i].caption), 0) << ours[i].name;
      EXPECT_EQ(AcceleratorOf(ours[i].caption), AcceleratorOf(builtIn[i].caption)) << ours[i].name;
    }
  };
  for (const SystemMenuWindow& window : EveryState()) {
    compare(DefaultSystemMenu(window, &strings), DefaultSystemMenu(window, nullptr));
  }
  compare(TrayMenu(false, &strings), TrayMenu(false, nullptr));
  EXPECT_EQ(seen.size(), 10u);  // eight window items, the tray's two

  // The engine's other texts stay; no key is there twice.
  std::set<std::string> keys;
  for (const std::string& line : strings.ResStrings()) keys.insert(AnsiUpperKey(line.substr(0, line.find('='))));
  EXPECT_EQ(keys.size(), strings.ResStrings().size());
  for (const ResourceStringDefault& entry : DefaultResourceStrings()) {
    EXPECT_TRUE(keys.count(AnsiUpperKey(entry.key))) << entry.key;
  }
  EXPECT_EQ(strings.GetResString("MSG_BTN_OK"), "OK");
}

TEST(ProgramStrings, CaptionButtonHintsInChinese) {
  test::EmbeddedFrameSkin embedded;
  const TzsResourceStrData strings = ProgramResourceStrings();
  std::vector<CaptionObject> objects = BuildCaptionObjects(embedded.skin);
  CaptionOptions options{BorderIcons::All()};
  options.defaultHints = true;
  options.strings = &strings;
  ApplyBorderIcons(objects, options);
  int buttons = 0;
  for (const CaptionObject& o : objects) {
    if (!o.HasCommand()) continue;
    ++buttons;
    EXPECT_TRUE(Chinese(HintFor(o, {}))) << o.Name();
    EXPECT_TRUE(Chinese(HintFor(o, {true, true, true}))) << o.Name();  // the restore hints
  }
  EXPECT_EQ(buttons, 6);
  EXPECT_EQ(HintFor(objects[0], {}), "\xb9\xd8\xb1\xd5");                      // 关闭
  EXPECT_EQ(HintFor(objects[1], {true, false, false}), "\xbb\xb9\xd4\xad");  // 还原
}

// Measured a cell per byte, a Chinese character takes two, as in a CJK font.
TEST(ProgramStrings, TheMenuFitsTheChineseCaptionsAndTheShortcut) {
  test::FakeMenuPlatform platform;
  TzsSkinMenu menu(platform, nullptr);
  const TzsResourceStrData strings = ProgramResourceStrings();
  MenuNode root;
  for (const SystemMenuItem& item : DefaultSystemMenu({}, &strings)) root.children.push_back(MenuNodeOf(item));
  menu.Open(nullptr, MenuSkinOf(test::DefaultPackageSkin()), root, {100, 100, 100, 100});
  const TzsSkinPopupWindow& w = *menu.Top();
  Bitmap canvas(w.WindowSize().width, w.WindowSize().height);
  w.Paint(canvas.view());

  const int cell = platform.text.cellWidth;
  const auto right = [&](const test::FakeTextRenderer::Call& c) {
    return c.origin.x + static_cast<int>(c.text.size()) * cell;
  };
  int captions = 0;
  for (std::size_t i = 0; i < platform.text.calls.size(); ++i) {
    const auto& call = platform.text.calls[i];
    EXPECT_LE(right(call), call.clip.right) << "cut: " << call.text;
    if (call.text != "Alt+F4") {
      ++captions;
      continue;
    }
    // Close's shortcut keeps the two blanks the menu measured after its caption.
    ASSERT_GT(i, 0u);
    EXPECT_GE(call.origin.x, right(platform.text.calls[i - 1]) + 2 * cell);
  }
  EXPECT_EQ(captions, 7);
}

}  // namespace
}  // namespace zv
