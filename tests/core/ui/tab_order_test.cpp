#include "core/ui/tab_order.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(TabOrder, MainWindowWalksIntoPanelsByTabOrder) {
  enum { TopPnl, btn1, Panel1, Memo1, pnl1, ListBox1, btnScan, btnGen, Bar, Memo2, img1 };
  std::vector<TabEntry> e(11);
  e[TopPnl] = {-1, 0, false};
  e[btn1] = {-1, 2, true};
  e[Panel1] = {-1, 1, false};
  e[Memo1] = {Panel1, 0, true};
  e[pnl1] = {Panel1, 1, false};
  e[ListBox1] = {pnl1, 0, true};
  e[btnScan] = {pnl1, 3, true};
  e[btnGen] = {pnl1, 2, true};
  e[Bar] = {-1, 3, false};
  e[Memo2] = {pnl1, 1, true};
  e[img1] = {TopPnl, 0, false};
  EXPECT_EQ(TabSequence(e), (std::vector<int>{Memo1, ListBox1, Memo2, btnGen, btnScan, btn1}));
}

TEST(TabOrder, TiesKeepCreationOrderAndEmptyFormsHaveNoStops) {
  EXPECT_TRUE(TabSequence({}).empty());
  std::vector<TabEntry> e{{-1, 0, true}, {-1, 0, true}, {-1, -1, true}};
  EXPECT_EQ(TabSequence(e), (std::vector<int>{2, 0, 1}));
}

}  // namespace
}  // namespace zv
