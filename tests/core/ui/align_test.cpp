#include "core/ui/align.h"

#include <gtest/gtest.h>

#include <set>

namespace zv {
namespace {

TEST(Align, MainWindowBandsTakeWhatIsLeft) {
  // The main window: a top panel, a bottom bar and a panel filling the rest.
  LayoutItem top{Align::kTop, {}, Rect::FromSize(0, 0, 10, 49)};
  LayoutItem client{Align::kClient, {}, Rect::FromSize(5, 5, 1, 1)};
  LayoutItem bottom{Align::kBottom, {}, Rect::FromSize(0, 0, 10, 19)};
  std::vector<LayoutItem*> items{&top, &client, &bottom};
  const Rect area{0, 0, 791, 496};
  ArrangeChildren(items, area, area);
  EXPECT_EQ(top.bounds, Rect::FromSize(0, 0, 791, 49));
  EXPECT_EQ(bottom.bounds, Rect::FromSize(0, 477, 791, 19));
  EXPECT_EQ(client.bounds, Rect::FromSize(0, 49, 791, 428));
}

TEST(Align, LeftRightAndStackedTopsInCreationOrder) {
  LayoutItem memo{Align::kLeft, {}, Rect::FromSize(0, 0, 614, 5)};
  LayoutItem rest{Align::kClient, {}, {}};
  LayoutItem right{Align::kRight, {}, Rect::FromSize(0, 0, 20, 5)};
  LayoutItem list{Align::kTop, {}, Rect::FromSize(0, 0, 5, 208)};
  LayoutItem label{Align::kTop, {}, Rect::FromSize(0, 0, 5, 13)};
  std::vector<LayoutItem*> items{&memo, &rest, &right, &list, &label};
  const Rect inner{1, 1, 790, 427};  // inside a one-pixel bevel
  ArrangeChildren(items, inner, inner);
  EXPECT_EQ(list.bounds, Rect::FromSize(1, 1, 789, 208));
  EXPECT_EQ(label.bounds, Rect::FromSize(1, 209, 789, 13));
  EXPECT_EQ(memo.bounds, Rect::FromSize(1, 222, 614, 205));
  EXPECT_EQ(right.bounds, Rect::FromSize(770, 222, 20, 205));
  EXPECT_EQ(rest.bounds, (Rect{615, 222, 770, 427}));
}

TEST(Align, OversizedBandsNeverInvertTheRest) {
  LayoutItem tall{Align::kTop, {}, Rect::FromSize(0, 0, 5, 500)};
  LayoutItem client{Align::kClient, {}, {}};
  std::vector<LayoutItem*> items{&tall, &client};
  ArrangeChildren(items, {0, 0, 100, 100}, {0, 0, 100, 100});
  EXPECT_EQ(client.bounds.Height(), 0);
  EXPECT_FALSE(client.bounds.bottom < client.bounds.top);
}

TEST(Align, AParentShrunkToNothingAndBackKeepsTheOrder) {
  // The keyword box's panel while the window is minimised or rolled up.
  LayoutItem list{Align::kTop, {}, Rect::FromSize(1, 1, 173, 208)};
  LayoutItem keywords{Align::kTop, {}, Rect::FromSize(1, 222, 173, 89)};
  LayoutItem label{Align::kTop, {}, Rect::FromSize(1, 209, 173, 13)};
  LayoutItem bar{Align::kBottom, {}, Rect::FromSize(1, 408, 173, 19)};
  LayoutItem status{Align::kBottom, {}, Rect::FromSize(1, 389, 173, 19)};
  LayoutItem left{Align::kLeft, {}, Rect::FromSize(1, 311, 50, 78)};
  std::vector<LayoutItem*> items{&list, &keywords, &label, &bar, &status, &left};
  const Rect inner{1, 1, 174, 427};
  ArrangeChildren(items, inner, {1, 1, 1, 1});
  EXPECT_GE(left.bounds.Height(), 0);
  ArrangeChildren(items, {1, 1, 1, 1}, inner);
  EXPECT_EQ(list.bounds, Rect::FromSize(1, 1, 173, 208));
  EXPECT_EQ(label.bounds, Rect::FromSize(1, 209, 173, 13));
  EXPECT_EQ(keywords.bounds, Rect::FromSize(1, 222, 173, 89));
  EXPECT_EQ(bar.bounds, Rect::FromSize(1, 408, 173, 19));
  EXPECT_EQ(status.bounds, Rect::FromSize(1, 389, 173, 19));
  EXPECT_EQ(left.bounds, Rect::FromSize(1, 311, 50, 78));
}

TEST(Align, AnchorsFollowTheParentsResize) {
  LayoutItem topRight{Align::kNone, {false, true, true, false}, Rect::FromSize(44, 328, 85, 25)};
  LayoutItem topLeft{Align::kNone, {}, Rect::FromSize(44, 368, 85, 25)};
  LayoutItem stretch{Align::kNone, {true, true, true, true}, Rect::FromSize(10, 10, 50, 50)};
  std::vector<LayoutItem*> items{&topRight, &topLeft, &stretch};
  ArrangeChildren(items, {0, 0, 175, 426}, {0, 0, 275, 526});
  EXPECT_EQ(topRight.bounds, Rect::FromSize(144, 328, 85, 25));
  EXPECT_EQ(topLeft.bounds, Rect::FromSize(44, 368, 85, 25));
  EXPECT_EQ(stretch.bounds, Rect::FromSize(10, 10, 150, 150));
}

TEST(Align, BandsOfOneAlignmentKeepTheirStandingOrder) {
  // Created out of order, laid out by where they stand.
  LayoutItem keywords{Align::kTop, {}, Rect::FromSize(1, 222, 173, 89)};
  LayoutItem list{Align::kTop, {}, Rect::FromSize(1, 1, 173, 208)};
  LayoutItem label{Align::kTop, {}, Rect::FromSize(1, 209, 173, 13)};
  std::vector<LayoutItem*> items{&keywords, &list, &label};
  const Rect inner{1, 1, 174, 427};
  ArrangeChildren(items, inner, inner);
  EXPECT_EQ(list.bounds, Rect::FromSize(1, 1, 173, 208));
  EXPECT_EQ(label.bounds, Rect::FromSize(1, 209, 173, 13));
  EXPECT_EQ(keywords.bounds, Rect::FromSize(1, 222, 173, 89));
}

TEST(Align, EveryItemTakesItsBoundsThroughTheRuleAndTheRestFollowsWhatItTook) {
  // A top band whose skin keeps 59 x 52 (it stands 30 high yet), a left
  // band that keeps 40 of its height, an anchored item that keeps its height.
  LayoutItem fixedTop{Align::kTop, {}, Rect::FromSize(0, 0, 59, 30)};
  LayoutItem top{Align::kTop, {}, Rect::FromSize(0, 60, 10, 10)};
  LayoutItem left{Align::kLeft, {}, Rect::FromSize(0, 0, 30, 5)};
  LayoutItem client{Align::kClient, {}, {}};
  LayoutItem anchored{Align::kNone, {true, true, true, true}, Rect::FromSize(10, 100, 50, 20)};
  std::vector<LayoutItem*> items{&fixedTop, &top, &left, &client, &anchored};
  std::vector<std::size_t> asked;
  const BoundsRule rule = [&](std::size_t i, const Rect& wanted) {
    asked.push_back(i);
    if (i == 0) return Rect::FromSize(wanted.left, wanted.top, 59, 52);
    if (i == 2) return Rect::FromSize(wanted.left, wanted.top, 30, 40);
    if (i == 4) return Rect::FromSize(wanted.left, wanted.top, wanted.Width(), 20);
    return wanted;
  };
  ArrangeChildren(items, {0, 0, 200, 200}, {0, 0, 300, 300}, rule);
  EXPECT_EQ((std::set<std::size_t>(asked.begin(), asked.end())), (std::set<std::size_t>{0, 1, 2, 3, 4}));
  EXPECT_EQ(fixedTop.bounds, Rect::FromSize(0, 0, 59, 52));
  EXPECT_EQ(top.bounds, Rect::FromSize(0, 52, 300, 10));  // below what the first one kept
  EXPECT_EQ(left.bounds, Rect::FromSize(0, 62, 30, 40));
  EXPECT_EQ(client.bounds, (Rect{30, 62, 300, 300}));
  EXPECT_EQ(anchored.bounds, Rect::FromSize(10, 100, 150, 20));
}

}  // namespace
}  // namespace zv
