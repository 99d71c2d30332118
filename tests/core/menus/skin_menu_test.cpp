#include "core/menus/skin_menu.h"

#include <gtest/gtest.h>

#include "menu_fakes.h"

namespace zv {
namespace {

using test::FakeClient;
using test::FakeMenuPlatform;
using test::Item;

constexpr Rect kWork{0, 0, 1920, 1040};

struct SkinMenuTest : ::testing::Test {
  FakeMenuPlatform platform;
  FakeClient form;
  FakeClient control;
  TzsSkinMenu menu{platform, &form};
  MenuSkin skin = MenuSkinOf(test::DefaultPackageSkin());
  MenuNode root;

  void Add(MenuNode node) { root.children.push_back(std::move(node)); }
  void OpenAt(Point p, const MenuSkin& with) { menu.Open(&control, with, root, {p.x, p.y, p.x, p.y}); }
  TzsSkinPopupWindow& Top() { return *menu.Top(); }
  // The mouse timer finds the cursor in the middle of the top level's item.
  void Hover(int index) {
    TzsSkinPopupWindow& w = Top();
    const Rect r = w.Items()[index].rect.Offset(w.Bounds().left, w.Bounds().top);
    platform.cursor = {r.left + 5, r.top + r.Height() / 2};
    menu.TimerTick(TzsSkinMenu::kMouseTimerId);
  }
  bool Lit(int index) { return Top().Items()[index].active; }
};

TEST_F(SkinMenuTest, SystemMenuSizeAndLayoutFollowTheSkin) {
  for (const char* caption : {"&Restore", "&Minimize", "Ma&ximize", "Roll up"}) Add(Item(caption));
  Add(Item("-"));
  Add(Item("&Close", 61536));
  root.children.back().shortcut = "Alt+F4";
  OpenAt({100, 100}, skin);

  const TzsSkinPopupWindow& w = Top();
  const int pw = skin.popupPicture.width();
  const int ph = skin.popupPicture.height();
  // Widest text: "Close  Alt+F4" = 13 cells of 6, + 2, + glyph column 19, + 19.
  const int a = 13 * 6 + 2 + 19 + 19;
  EXPECT_EQ(w.WindowSize(), (Size{pw + a + 23 + 89 - 86 + 2 - 91, ph - 51 + 5 * 22 + 3}));
  EXPECT_EQ(w.ItemsRect(), (Rect{2, 2, w.WindowSize().width + 91 - pw, w.WindowSize().height + 53 - ph}));
  int y = 2;
  for (const TzsSkinMenuItem& item : w.Items()) {
    const int h = item.node->IsSeparator() ? 3 : 22;
    EXPECT_EQ(item.rect, (Rect{2, y, w.ItemsRect().right, y + h})) << item.node->caption;
    EXPECT_TRUE(item.visible);
    y += h;
  }
  EXPECT_EQ(y, w.ItemsRect().bottom);
  // Opened at the cursor, below and right of it; the mask shapes it.
  EXPECT_EQ(w.Bounds().left, 100);
  EXPECT_EQ(w.Bounds().top, 100);
  EXPECT_FALSE(w.Region().empty());
  EXPECT_TRUE(platform.timers.Running(TzsSkinMenu::kMouseTimerId));

  // The plain look: 20 per item, 4 per separator, + 6; width A + 10.
  TzsSkinMenu plain(platform, nullptr);
  plain.Open(nullptr, MenuSkin{}, root, {0, 0, 0, 0});
  EXPECT_EQ(plain.Top()->WindowSize(), (Size{a + 10, 5 * 20 + 4 + 6}));
  EXPECT_EQ(plain.Top()->Items()[0].rect, (Rect{2, 2, a + 8, 22}));
}

TEST_F(SkinMenuTest, PlacementRulesAtTheWorkAreaEdges) {
  const Size s{100, 200};
  auto at = [&](Rect anchor, bool up, bool byItem) { return PlacePopup({anchor, up, byItem}, kWork, s, 2); };
  // Root below the anchor, pushed left at the right edge, never left of the work area.
  EXPECT_EQ(at({10, 10, 30, 20}, false, false), (Point{10, 20}));
  EXPECT_EQ(at({1900, 10, 1910, 20}, false, false), (Point{1820, 20}));
  EXPECT_EQ(at({-50, 10, -40, 20}, false, false), (Point{0, 20}));
  // No room below: upper half goes to the bottom, lower half above the anchor
  // (both overlap, so they go right of it).
  EXPECT_EQ(at({10, 500, 30, 900}, false, false), (Point{31, 840}));
  EXPECT_EQ(at({10, 900, 30, 950}, false, false), (Point{31, 700}));
  EXPECT_EQ(at({10, 100, 30, 1000}, false, false), (Point{31, 840}));
  // Popup-up: above; else below in the upper half, else at the top.
  EXPECT_EQ(at({10, 500, 30, 520}, true, false), (Point{10, 300}));
  EXPECT_EQ(at({10, 100, 30, 120}, true, false), (Point{10, 120}));
  EXPECT_EQ(at({10, 100, 30, 900}, true, false), (Point{31, 840}));
  EXPECT_EQ(at({10, 600, 30, 1000}, true, true), (Point{31, 598}));
  // Submenus: level with the parent item; near the bottom, bottom level with it.
  EXPECT_EQ(at({200, 100, 300, 122}, false, true), (Point{301, 98}));
  EXPECT_EQ(at({200, 1000, 300, 1022}, false, true), (Point{301, 824}));
  EXPECT_EQ(PlacePopup({{200, 300, 300, 322}, false, true}, kWork, {100, 800}, 2).y, 240);
  // Submenu with no room right goes left; a window as tall as the work area to its top.
  EXPECT_EQ(at({1850, 100, 1900, 122}, false, true), (Point{1749, 98}));
  EXPECT_EQ(PlacePopup({{10, 500, 30, 520}, false, false}, kWork, {100, 1040}, 2), (Point{31, 0}));
  // Never left of or above the work area: a wide parent's submenu flipped
  // left, a submenu of the top item, a point above a work area that starts lower.
  EXPECT_EQ(at({60, 100, 1880, 122}, false, true), (Point{0, 98}));
  EXPECT_EQ(at({200, 0, 300, 22}, false, true), (Point{301, 0}));
  EXPECT_EQ(PlacePopup({{100, 10, 100, 10}, false, false}, {0, 40, 1920, 1080}, s, 2), (Point{100, 40}));
}

TEST_F(SkinMenuTest, KeyboardWrapsAndSkipsWhatCannotBeSelected) {
  Add(Item("Off", 1, false));
  Add(Item("A", 2));
  Add(Item("-"));
  Add(Item("B", 3));
  Add(Item("C", 4, false));
  OpenAt({10, 10}, skin);
  EXPECT_EQ(Top().ActiveIndex(), 1);  // first items disabled
  menu.KeyDown(kKeyDown);
  EXPECT_EQ(Top().ActiveIndex(), 3);
  menu.KeyDown(kKeyDown);
  EXPECT_EQ(Top().ActiveIndex(), 1);  // wrapped
  menu.KeyDown(kKeyUp);
  EXPECT_EQ(Top().ActiveIndex(), 3);
  EXPECT_FALSE(Top().Items()[1].active);
  menu.KeyDown(kKeyReturn);
  EXPECT_EQ(platform.executed, std::vector<int>{3});
  EXPECT_FALSE(menu.Visible());

  // Nothing selectable: the keys neither loop nor run anything.
  root.children = {Item("-"), Item("X", 9, false)};
  OpenAt({10, 10}, skin);
  EXPECT_EQ(Top().ActiveIndex(), -1);
  menu.KeyDown(kKeyDown);
  menu.KeyDown(kKeyUp);
  menu.KeyDown(kKeyReturn);
  EXPECT_EQ(Top().ActiveIndex(), -1);
  EXPECT_EQ(platform.executed, std::vector<int>{3});

  // An accelerator runs its item at once.
  root.children = {Item("&One", 1), Item("&Two", 2)};
  OpenAt({10, 10}, skin);
  menu.KeyDown('T');
  EXPECT_EQ(platform.executed, (std::vector<int>{3, 2}));
}

TEST_F(SkinMenuTest, TheItemUnderTheCursorIsActiveWhateverWasCrossedOnTheWay) {
  Add(Item("Mi&nimize", 1));
  Add(Item("Off", 2, false));
  Add(Item("-"));
  Add(Item("&Close", 3));
  OpenAt({10, 10}, skin);
  Hover(3);
  EXPECT_TRUE(Lit(3));
  // Over the separator and the disabled item: they are active, nothing is lit.
  Hover(2);
  EXPECT_EQ(Top().ActiveIndex(), 2);
  EXPECT_FALSE(Lit(3));
  Hover(1);
  EXPECT_EQ(Top().ActiveIndex(), 1);
  EXPECT_FALSE(Lit(1));
  menu.KeyDown(kKeyReturn);  // Enter runs the lit item only
  EXPECT_TRUE(menu.Visible());
  EXPECT_TRUE(platform.executed.empty());
  // Back onto Close across the separator: lit again, and a click runs it.
  Hover(2);
  Hover(3);
  EXPECT_TRUE(Lit(3));
  Top().MouseUp(platform.cursor);
  EXPECT_EQ(platform.executed, std::vector<int>{3});

  OpenAt({10, 10}, skin);
  Hover(3);
  Hover(2);
  menu.KeyDown(kKeyReturn);
  EXPECT_EQ(platform.executed, std::vector<int>{3});
  Hover(3);
  menu.KeyDown(kKeyReturn);
  EXPECT_EQ(platform.executed, (std::vector<int>{3, 3}));

  // A submenu closed by Escape after the mouse left its item for the
  // separator: the item is no longer down, and opens again.
  MenuNode more = Item("More");
  more.children = {Item("Deep", 7)};
  root.children[0] = more;
  OpenAt({10, 10}, skin);
  Hover(0);
  menu.TimerTick(TzsSkinMenu::kWaitTimerId);
  ASSERT_EQ(menu.LevelCount(), 2);
  TzsSkinPopupWindow& first = menu.LevelAt(0);
  const Rect separator = first.Items()[2].rect.Offset(first.Bounds().left, first.Bounds().top);
  platform.cursor = {separator.left + 5, separator.top + 1};
  menu.TimerTick(TzsSkinMenu::kMouseTimerId);
  menu.KeyDown(kKeyEscape);
  ASSERT_EQ(menu.LevelCount(), 1);
  EXPECT_FALSE(Top().Items()[0].down);
  Hover(0);
  menu.TimerTick(TzsSkinMenu::kWaitTimerId);
  EXPECT_EQ(menu.LevelCount(), 2);
}

TEST_F(SkinMenuTest, AcceleratorsSkipDisabledItemsAndTakeTurnsWhenShared) {
  Add(Item("&Alpha", 1, false));
  Add(Item("&Beta", 2));
  Add(Item("-"));
  Add(Item("&Apple", 3));
  OpenAt({10, 10}, skin);
  menu.KeyDown('A');  // the disabled Alpha has no accelerator: Apple runs
  EXPECT_EQ(platform.executed, std::vector<int>{3});
  EXPECT_FALSE(menu.Visible());

  // Two items with S: each press selects the next of them, none runs.
  root.children = {Item("&Save", 4), Item("Op&en", 5), Item("&Send", 6), Item("&Stop", 7, false)};
  OpenAt({10, 10}, skin);
  ASSERT_EQ(Top().ActiveIndex(), 0);
  menu.KeyDown('S');
  EXPECT_EQ(Top().ActiveIndex(), 2);
  EXPECT_TRUE(Lit(2));
  EXPECT_FALSE(Lit(0));
  menu.KeyDown('S');
  EXPECT_EQ(Top().ActiveIndex(), 0);
  EXPECT_TRUE(menu.Visible());
  EXPECT_EQ(platform.executed, std::vector<int>{3});
  menu.KeyDown('E');
  EXPECT_EQ(platform.executed, (std::vector<int>{3, 5}));
}

TEST_F(SkinMenuTest, HomeEndAndAltOrF10ClosingEveryLevel) {
  MenuNode more = Item("More");
  more.children = {Item("Deep", 7)};
  Add(Item("Off", 1, false));
  Add(Item("A", 2));
  Add(more);
  Add(Item("C", 4));
  Add(Item("Last", 5, false));
  for (const int key : {kKeyMenu, kKeyF10}) {
    OpenAt({10, 10}, skin);
    menu.KeyDown(kKeyEnd);
    EXPECT_EQ(Top().ActiveIndex(), 3);
    menu.KeyDown(kKeyHome);
    EXPECT_EQ(Top().ActiveIndex(), 1);
    menu.KeyDown(kKeyDown);
    menu.KeyDown(kKeyRight);
    ASSERT_EQ(menu.LevelCount(), 2);
    const int closed = control.closed;
    menu.KeyDown(key);
    EXPECT_FALSE(menu.Visible());
    EXPECT_EQ(menu.LevelCount(), 0);
    EXPECT_EQ(control.closed, closed + 1);
  }
  EXPECT_EQ(platform.executed, (std::vector<int>{0, 0}));  // only the submenu's owner, opening it
}

TEST_F(SkinMenuTest, ScrollsPastTheVisibleRangeAndWrapsToTheOtherEnd) {
  for (int i = 0; i < 10; ++i) Add(Item("Item" + std::to_string(i), i));
  menu.Options.maxMenuItemsInWindow = 3;
  OpenAt({10, 10}, skin);
  TzsSkinPopupWindow& w = Top();
  ASSERT_TRUE(w.Scrollable());
  EXPECT_EQ(w.WindowSize().height, 3 * 22 + skin.popupPicture.height() - 51 + 20);
  EXPECT_EQ(w.VisibleCount(), 3);
  EXPECT_EQ(w.Items()[0].rect.top, 2 + 10);
  // Shorter than the screen, it opens at its point.
  EXPECT_EQ(w.Bounds().left, 10);
  EXPECT_EQ(w.Bounds().top, 10);
  for (int i = 0; i < 3; ++i) menu.KeyDown(kKeyDown);
  EXPECT_EQ(w.ActiveIndex(), 3);
  EXPECT_EQ(w.VisibleStart(), 1);
  EXPECT_TRUE(w.Items()[3].visible);
  EXPECT_FALSE(w.Items()[0].visible);
  for (int i = 3; i < 9; ++i) menu.KeyDown(kKeyDown);
  EXPECT_EQ(w.VisibleStart(), 7);
  menu.KeyDown(kKeyDown);  // wraps to the first item and the start
  EXPECT_EQ(w.ActiveIndex(), 0);
  EXPECT_EQ(w.VisibleStart(), 0);
  menu.KeyDown(kKeyUp);  // and back to the last items
  EXPECT_EQ(w.ActiveIndex(), 9);
  EXPECT_EQ(w.VisibleStart(), 7);

  // Hovering the upper marker scrolls up one item per tick until the top.
  const Rect b = w.Bounds();
  platform.cursor = {b.left + 20, b.top + w.ItemsRect().top + 3};
  menu.TimerTick(TzsSkinMenu::kMouseTimerId);
  EXPECT_EQ(w.ScrollCode(), 1);
  ASSERT_TRUE(platform.timers.Running(TzsSkinMenu::kScrollTimerId));
  for (int i = 0; i < 20; ++i) menu.TimerTick(TzsSkinMenu::kScrollTimerId);
  EXPECT_EQ(w.VisibleStart(), 0);
  EXPECT_EQ(w.ScrollCode(), 0);
  EXPECT_FALSE(platform.timers.Running(TzsSkinMenu::kScrollTimerId));

  // Home and End reach the ends, scrolling them into view.
  menu.KeyDown(kKeyEnd);
  EXPECT_EQ(w.ActiveIndex(), 9);
  EXPECT_TRUE(w.Items()[9].visible);
  menu.KeyDown(kKeyHome);
  EXPECT_EQ(w.ActiveIndex(), 0);
  EXPECT_EQ(w.VisibleStart(), 0);

  // The wheel scrolls an item a notch, halves add up, and it stops at the end.
  platform.cursor = {b.left + 20, b.top + 40};
  menu.MouseWheel(platform.cursor, -kWheelDelta);
  EXPECT_EQ(w.VisibleStart(), 1);
  menu.MouseWheel(platform.cursor, -2 * kWheelDelta);
  EXPECT_EQ(w.VisibleStart(), 3);
  menu.MouseWheel(platform.cursor, kWheelDelta / 2);
  EXPECT_EQ(w.VisibleStart(), 3);
  menu.MouseWheel(platform.cursor, kWheelDelta / 2);
  EXPECT_EQ(w.VisibleStart(), 2);
  menu.MouseWheel(platform.cursor, -50 * kWheelDelta);
  EXPECT_EQ(w.VisibleStart(), 7);

  // Taller than the work area, a menu fills it from its top.
  platform.monitors = {{0, 0, 800, 150}};
  menu.Options.maxMenuItemsInWindow = 0;
  OpenAt({10, 100}, skin);
  EXPECT_EQ(Top().WindowSize().height, 150);
  EXPECT_EQ(Top().Bounds().top, 0);
  menu.MouseWheel(platform.cursor, -kWheelDelta);
  EXPECT_EQ(Top().VisibleStart(), 1);
}

TEST_F(SkinMenuTest, OpensInTheWorkAreaOfTheMonitorHoldingItsPoint) {
  for (int i = 0; i < 5; ++i) Add(Item("Item" + std::to_string(i), i));
  platform.monitors = {{0, 0, 1920, 1040}, {1920, 0, 3200, 990}};
  OpenAt({3150, 950}, skin);
  const Rect b = Top().Bounds();
  EXPECT_GE(b.left, 1920);
  EXPECT_LE(b.right, 3200);
  EXPECT_LE(b.bottom, 990);
  EXPECT_EQ(menu.WorkArea(), (Rect{1920, 0, 3200, 990}));
  OpenAt({1000, 500}, skin);
  EXPECT_EQ(menu.WorkArea(), (Rect{0, 0, 1920, 1040}));
}

TEST_F(SkinMenuTest, SubmenusOpenAfterTheWaitAndCloseLevelByLevel) {
  MenuNode sub = Item("More");
  sub.children = {Item("Deep", 7)};
  Add(Item("First", 1));
  Add(sub);
  std::vector<std::string> order;
  control.order = &order;
  int handlerCalls = 0;
  menu.OnMenuClose = [&] { ++handlerCalls; };
  OpenAt({10, 10}, skin);
  TzsSkinPopupWindow& w = Top();
  const Rect item = w.Items()[1].rect.Offset(w.Bounds().left, w.Bounds().top);
  platform.cursor = {item.left + 5, item.top + 5};
  menu.TimerTick(TzsSkinMenu::kMouseTimerId);
  EXPECT_EQ(w.ActiveIndex(), 1);
  EXPECT_EQ(menu.LevelCount(), 1);
  ASSERT_EQ(platform.timers.running[TzsSkinMenu::kWaitTimerId], 500u);
  menu.TimerTick(TzsSkinMenu::kWaitTimerId);
  ASSERT_EQ(menu.LevelCount(), 2);
  EXPECT_TRUE(w.Items()[1].down);
  EXPECT_EQ(menu.LevelAt(1).Bounds().top, item.top - menu.LevelAt(1).ItemsRect().top);
  EXPECT_EQ(menu.LevelAt(1).Bounds().left, item.right + 1);

  menu.KeyDown(kKeyEscape);  // only the submenu
  EXPECT_EQ(menu.LevelCount(), 1);
  EXPECT_FALSE(w.Items()[1].down);
  EXPECT_EQ(control.closed, 0);
  menu.KeyDown(kKeyRight);  // opens it at once
  ASSERT_EQ(menu.LevelCount(), 2);
  menu.KeyDown(kKeyReturn);
  EXPECT_EQ(platform.executed, (std::vector<int>{0, 0, 7}));  // the submenu's owner was dispatched too
  EXPECT_FALSE(menu.Visible());
  EXPECT_EQ(order, (std::vector<std::string>{"closed", "command"}));
  EXPECT_EQ(form.closed, 1);
  EXPECT_EQ(handlerCalls, 1);

  // A click outside closes every level, and the one-shot handler is gone.
  OpenAt({10, 10}, skin);
  menu.MouseDownAt({1500, 900});
  EXPECT_FALSE(menu.Visible());
  EXPECT_EQ(control.closed, 2);
  EXPECT_EQ(handlerCalls, 1);
}

TEST_F(SkinMenuTest, NothingOpensWithoutItemsFromTheStartIndex) {
  OpenAt({10, 10}, skin);
  EXPECT_FALSE(menu.Visible());
  Add(Item("A"));
  menu.Open(&control, skin, root, {0, 0, 0, 0}, {.startIndex = 1});
  EXPECT_FALSE(menu.Visible());
  EXPECT_EQ(menu.LevelCount(), 0);
}

// The default skin with one picture gone.
class SkinWithoutPicture : public SkinSource {
 public:
  explicit SkinWithoutPicture(int missing) : missing_(missing) {}
  bool IsEmpty() const override { return false; }
  const TzsDataSkinControl* ControlRecord(std::string_view name) const override {
    return test::DefaultPackageSkin().ControlRecord(name);
  }
  BitmapView Picture(int index) const override {
    return index == missing_ ? BitmapView{} : test::DefaultPackageSkin().Picture(index);
  }
  const TzsSkinColors& Colors() const override { return test::DefaultPackageSkin().Colors(); }

 private:
  int missing_;
};

TEST_F(SkinMenuTest, MenuItemWithoutPictureLeavesPlainItemsInTheSkinnedFrame) {
  const SkinDefinition& d = test::DefaultPackageSkin().Definition();
  const MenuSkin partial = MenuSkinFrom(SkinWithoutPicture(3), d.popupWindow, d.hintWindow, d.objects);
  ASSERT_TRUE(partial.Skinned());
  EXPECT_FALSE(partial.ItemsSkinned());
  Add(Item("A"));
  Add(Item("-"));
  OpenAt({10, 10}, partial);
  EXPECT_EQ(Top().Items()[0].rect.Height(), 20);
  EXPECT_EQ(Top().Items()[1].rect.Height(), 4);
}

TEST_F(SkinMenuTest, ReopeningTellsOnlyThePreviousControlAndForm) {
  Add(Item("A", 1));
  OpenAt({10, 10}, skin);
  FakeClient next;
  menu.Open(&next, skin, root, {50, 50, 50, 50});
  EXPECT_EQ(control.closed, 1);
  EXPECT_EQ(form.closed, 1);
  EXPECT_EQ(next.closed, 0);
  menu.KeyDown(kKeyEscape);
  EXPECT_EQ(next.closed, 1);
  EXPECT_EQ(control.closed, 1);
}

TEST_F(SkinMenuTest, PaintsItemsFromTheSkinAndKeepsBadRecordsDrawable) {
  MenuNode checked = Item("Check");
  checked.checked = true;
  Add(Item("Active"));
  Add(checked);
  Add(Item("-Header-", 0, false));
  OpenAt({10, 10}, skin);
  TzsSkinPopupWindow& w = Top();
  Bitmap canvas(w.WindowSize().width, w.WindowSize().height);
  w.Paint(canvas.view());
  // The active item's background comes from activeskinrect, the others' from skinrect.
  const TzsDataSkinMenuItem& rec = *skin.item;
  const Rect r0 = w.Items()[0].rect;
  const Rect r1 = w.Items()[1].rect;
  EXPECT_EQ(ToColorRef(canvas.At(r0.left + 1, r0.top + 1)),
            ToColorRef(skin.itemPicture.At(rec.activeSkinRect.left + 1, rec.activeSkinRect.top + 1)));
  EXPECT_EQ(ToColorRef(canvas.At(r1.left + 1, r1.top + 1)),
            ToColorRef(skin.itemPicture.At(rec.skinRect.left + 1, rec.skinRect.top + 1)));
  // Captions start at the text rect; the header is centred without its dashes.
  ASSERT_GE(platform.text.calls.size(), 3u);
  EXPECT_EQ(platform.text.calls[0].text, "Active");
  EXPECT_EQ(platform.text.calls[0].origin.x, rec.textRect.left);  // no image column beside an imagerect
  EXPECT_EQ(platform.text.calls[2].text, "Header");

  // Absurd records: inverted and huge rects, points far outside the picture.
  TzsDataSkinPopupWindow popup = *skin.popup;
  popup.itemsRect = {500, 400, -300, -9000};
  popup.rightBottomPoint = {100000, -100000};
  TzsDataSkinMenuItem item("menuitem");
  item.skinRect = {50, 50, 10, 10};
  item.dividerRect = {0, 0, 100000, 3};
  item.textRect = {-100000, 5, 100000, 2};
  MenuSkin bad = skin;
  bad.popup = &popup;
  bad.item = &item;
  root.children.push_back(Item("-"));
  OpenAt({10, 10}, bad);
  const Size size = Top().WindowSize();
  EXPECT_GE(size.width, 1);
  EXPECT_LE(size.width, 8192);
  EXPECT_LE(size.height, kWork.Height());
  Bitmap badCanvas(size.width, size.height);
  Top().Paint(badCanvas.view());
  menu.KeyDown(kKeyDown);
}

// Draws the open menu and finds where its item's caption was drawn, in
// window coordinates.
struct PaintedCaption {
  Bitmap canvas;
  Point origin;
};
PaintedCaption PaintCaption(TzsSkinMenu& menu, test::FakeMenuPlatform& platform, int index) {
  TzsSkinPopupWindow& w = *menu.Top();
  const TzsSkinMenuItem& item = w.Items()[index];
  PaintedCaption painted{Bitmap(w.WindowSize().width, w.WindowSize().height), {}};
  platform.text.calls.clear();
  w.Paint(painted.canvas.view());
  for (const auto& call : platform.text.calls) {
    if (call.text == DisplayCaption(item.node->caption)) {
      painted.origin = {item.rect.left + call.origin.x, item.rect.top + call.origin.y};
    }
  }
  return painted;
}

TEST_F(SkinMenuTest, AcceleratorsAreUnderlinedWhenTheKeyboardOpenedTheMenuOrTheUserAsks) {
  Add(Item("&Restore", 1));
  Add(Item("Mi&nimize", 2));
  // The fake draws each character as a block one pixel narrower than its
  // 6-pixel cell: the line under "n" also fills the gap after it.
  const auto underlined = [&](const MenuSkin& look) {
    const PaintedCaption p = PaintCaption(menu, platform, 1);
    const int bottom = p.origin.y + platform.text.height - 1;
    const Pixel ink = p.canvas.At(p.origin.x, bottom);
    EXPECT_NE(ToColorRef(p.canvas.At(p.origin.x + 5, bottom)), ToColorRef(ink)) << look.Skinned();
    return ToColorRef(p.canvas.At(p.origin.x + 2 * 6 + 5, bottom)) == ToColorRef(ink);
  };
  for (const MenuSkin& look : {skin, MenuSkin{}}) {
    platform.keyboardCues = false;
    OpenAt({10, 10}, look);
    EXPECT_FALSE(menu.ShowsCues());
    EXPECT_FALSE(underlined(look));
    menu.Open(&control, look, root, {10, 10, 10, 10}, {.fromKeyboard = true});
    EXPECT_TRUE(underlined(look)) << look.Skinned();
    platform.keyboardCues = true;
    OpenAt({10, 10}, look);
    EXPECT_TRUE(underlined(look)) << look.Skinned();
  }
}

TEST_F(SkinMenuTest, ADisabledItemsListImageIsDrawnDisabled) {
  // A red square on a key-coloured ground.
  Bitmap image(16, 16);
  image.view().Fill(image.view().bounds(), ToPixel(Rgb(255, 0, 255), 255));
  image.view().Fill({4, 4, 12, 12}, ToPixel(Rgb(255, 0, 0), 255));
  const SkinImageList images{{16, 16}, {image}};
  menu.Options.images = &images;
  MenuNode on = Item("On", 1);
  MenuNode off = Item("Off", 2, false);
  on.imageIndex = off.imageIndex = 0;
  Add(Item("First", 3));
  Add(on);
  Add(off);
  OpenAt({10, 10}, MenuSkin{});
  TzsSkinPopupWindow& w = Top();
  Bitmap canvas(w.WindowSize().width, w.WindowSize().height);
  w.Paint(canvas.view());
  // Plain items put images at (3, 2) in their rectangle.
  const auto pixel = [&](int item, int x, int y) {
    const Rect r = w.Items()[item].rect;
    return ToColorRef(canvas.At(r.left + 3 + x, r.top + 2 + y));
  };
  EXPECT_EQ(pixel(1, 6, 6), Rgb(255, 0, 0));
  EXPECT_EQ(pixel(2, 6, 6), platform.SystemColor(kSysColorBtnShadow));
  EXPECT_EQ(pixel(2, 12, 12), platform.SystemColor(kSysColorBtnHighlight));  // the highlight one pixel lower right
  EXPECT_NE(pixel(2, 2, 2), Rgb(255, 0, 255));                               // the key stays out
}

TEST(MenuNodeTest, CaptionsHeadersAndFades) {
  EXPECT_EQ(DisplayCaption("&Save && Quit"), "Save & Quit");
  EXPECT_EQ(AcceleratorOf("Save && &Quit"), 'q');
  EXPECT_EQ(AcceleratorOf("\xb2\x26x"), 0);  // "&" as a trail byte marks nothing
  EXPECT_EQ(ShowCaption("&&Save &as").accelerator, 6u);
  EXPECT_EQ(ShowCaption("&\xb2\xe2 &x").accelerator, std::string::npos);  // the first "&" decides
  MenuNode header = Item("-", 0, false);
  EXPECT_FALSE(IsHeaderCaption(header));  // a one-character caption is not a header
  header.caption = "-T-";
  EXPECT_TRUE(IsHeaderCaption(header));
  EXPECT_EQ(FadeSteps(0, 255, 10).back(), 255);
  EXPECT_EQ(FadeSteps(0, 255, 10).size(), 26u);
  EXPECT_EQ(FadeSteps(0, 200, 0), std::vector<int>{200});
}

}  // namespace
}  // namespace zv

namespace zv {
namespace {

struct MarkShape {
  Size box;        // of the pixels the mark changes
  int pixels = 0;  // how many it changes
};

// What an item's mark changes, against an item without one.
MarkShape MarkOf(const Bitmap& canvas, const Rect& item, const Rect& blank) {
  MarkShape shape;
  Rect box{item.Width(), item.Height(), 0, 0};
  for (int y = 0; y < item.Height(); ++y) {
    for (int x = 0; x < item.Width(); ++x) {
      if (canvas.At(item.left + x, item.top + y) == canvas.At(blank.left + x, blank.top + y)) continue;
      ++shape.pixels;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    }
  }
  shape.box = {box.Width(), box.Height()};
  return shape;
}

TEST_F(SkinMenuTest, MarksKeepTheirShapeAtTheDisplaysScale) {
  MenuNode check = Item("");
  check.checked = true;
  MenuNode radio = check;
  radio.radioItem = true;
  MenuNode close = Item("");
  close.name = "ZSF_CLOSE";
  MenuNode submenu = Item("");
  submenu.children.push_back(Item("inner"));
  for (const MenuNode& node : {Item(""), check, radio, close, submenu, Item("")}) Add(node);
  std::vector<MarkShape> marks[2];
  for (const int dpi : {96, 192}) {
    const MenuSkin scaled = MenuSkinOf(test::DefaultPackageSkin(), dpi);
    TzsSkinMenu at{platform, &form};
    at.Open(&control, scaled, root, {10, 10, 10, 10});
    const TzsSkinPopupWindow& w = *at.Top();
    Bitmap canvas(w.WindowSize().width, w.WindowSize().height);
    w.Paint(canvas.view());
    for (std::size_t i = 1; i + 1 < w.Items().size(); ++i) {
      marks[dpi / 192].push_back(MarkOf(canvas, w.Items()[i].rect, w.Items().back().rect));
    }
  }
  ASSERT_EQ(marks[0].size(), 4u);
  for (std::size_t i = 0; i < marks[0].size(); ++i) {
    EXPECT_GT(marks[0][i].pixels, 0) << i;
    // Each pixel of the design becomes a 2 x 2 block.
    EXPECT_EQ(marks[1][i].box, (Size{2 * marks[0][i].box.width, 2 * marks[0][i].box.height})) << i;
    EXPECT_EQ(marks[1][i].pixels, 4 * marks[0][i].pixels) << i;
  }
}

}  // namespace
}  // namespace zv
