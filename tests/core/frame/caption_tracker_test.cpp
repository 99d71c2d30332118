#include "core/frame/caption_tracker.h"

#include <gtest/gtest.h>

#include "frame/frame_fixture.h"

namespace zv {
namespace {

struct CaptionTrackerTest : ::testing::Test {
  test::EmbeddedFrameSkin embedded;
  std::vector<CaptionObject> objects;
  CaptionTracker tracker;
  TrackContext context;

  void SetUp() override {
    objects = BuildCaptionObjects(embedded.skin);
    ApplyBorderIcons(objects, {BorderIcons::All(), false, false});
    LayoutCaptionObjects(objects, ComputeFrameGeometry(embedded.skin.info, embedded.skin.PictureSize(), {800, 500}));
    tracker.Reset(&objects);
  }
  const CaptionObject& Close() const { return objects[0]; }
  static constexpr Point kOnClose{785, 15};
  static constexpr Point kOnMax{760, 15};
  static constexpr Point kOff{400, 300};
};

TEST_F(CaptionTrackerTest, HoverPressDragOffAndBack) {
  EXPECT_TRUE(tracker.Track(kOnClose, true, context));
  EXPECT_TRUE(Close().active);
  const PressResult press = tracker.Press(MouseButton::kLeft, kOnClose, context);
  EXPECT_TRUE(press.capture);
  EXPECT_EQ(press.command, FrameCommand::kNone);
  EXPECT_TRUE(Close().down);
  // Dragged off: the normal look, and another button does not light up.
  EXPECT_TRUE(tracker.Track(kOff, true, context));
  EXPECT_FALSE(Close().active);
  tracker.Track(kOnMax, true, context);
  EXPECT_FALSE(objects[1].active);
  // Released off the button: no command.
  ReleaseResult release = tracker.Release(MouseButton::kLeft, context);
  EXPECT_TRUE(release.releaseCapture);
  EXPECT_EQ(release.command, FrameCommand::kNone);
  EXPECT_FALSE(Close().down);

  // Dragged back on: down again, and the release closes.
  tracker.Press(MouseButton::kLeft, kOnClose, context);
  tracker.Track(kOff, true, context);
  tracker.Track(kOnClose, true, context);
  EXPECT_TRUE(Close().active && Close().down && Close().mouseIn);
  release = tracker.Release(MouseButton::kLeft, context);
  EXPECT_EQ(release.command, FrameCommand::kClose);
  EXPECT_FALSE(Close().active);  // every object left before the command
}

TEST_F(CaptionTrackerTest, AnActiveMaskTakesTheMouseOnlyOnItsBlackPixels) {
  // Close sits at (776, 5)-(797, 26); its mask is black in its first ten
  // columns and shorter than the button.
  Bitmap mask(21, 15);
  mask.view().Fill(mask.view().bounds(), {255, 255, 255, 255});
  mask.view().Fill({0, 0, 10, 15}, {0, 0, 0, 255});
  objects[0].activeMask = mask.view();
  EXPECT_TRUE(tracker.Track({776 + 9, 15}, true, context));
  EXPECT_TRUE(Close().active);
  EXPECT_TRUE(tracker.Track({776 + 10, 15}, true, context));
  EXPECT_FALSE(Close().active);
  tracker.Track({776 + 2, 5 + 15}, true, context);  // below the mask
  EXPECT_FALSE(Close().active);
}

TEST_F(CaptionTrackerTest, CaptureLostReleasesWithoutCommand) {
  tracker.Press(MouseButton::kLeft, kOnClose, context);
  EXPECT_TRUE(tracker.CaptureLost());
  EXPECT_FALSE(Close().down);
  EXPECT_EQ(tracker.Release(MouseButton::kLeft, context).command, FrameCommand::kNone);
}

TEST_F(CaptionTrackerTest, CommandsByStateAndButton) {
  tracker.Press(MouseButton::kRight, kOnClose, context);
  EXPECT_EQ(tracker.Release(MouseButton::kRight, context).command, FrameCommand::kNone);

  context.state.maximized = true;
  tracker.Press(MouseButton::kLeft, kOnMax, context);
  EXPECT_EQ(tracker.Release(MouseButton::kLeft, context).command, FrameCommand::kRestore);

  context.alwaysMinimizeToTray = true;
  EXPECT_EQ(CommandFor(ButtonCommand::cmMinimize, context), FrameCommand::kMinimizeToTray);
  context.alwaysMinimizeToTray = false;
  context.state = {false, true, false};
  EXPECT_EQ(CommandFor(ButtonCommand::cmMinimize, context), FrameCommand::kRestore);

  // The system-menu button opens its menu at the press, anchored to itself.
  const PressResult menu = tracker.Press(MouseButton::kLeft, {8, 12}, context);
  EXPECT_EQ(menu.command, FrameCommand::kSystemMenu);
  EXPECT_EQ(menu.objectRect, (Rect{3, 8, 17, 20}));

  // Pressing the caption itself captures nothing (the platform moves the window).
  tracker.Release(MouseButton::kLeft, context);
  EXPECT_FALSE(tracker.Press(MouseButton::kLeft, {300, 10}, context).capture);

  const BorderIcons all = BorderIcons::All();
  BorderIcons noMaximize = all;
  noMaximize.maximize = false;
  BorderIcons noRollUp = noMaximize;
  noRollUp.rollUp = false;
  EXPECT_EQ(CaptionDoubleClickCommand({}, true, all), FrameCommand::kMaximize);
  EXPECT_EQ(CaptionDoubleClickCommand({true, false, false}, true, all), FrameCommand::kRestore);
  EXPECT_EQ(CaptionDoubleClickCommand({}, true, noMaximize), FrameCommand::kRollUp);
  EXPECT_EQ(CaptionDoubleClickCommand({false, true, false}, true, all), FrameCommand::kRestore);
  EXPECT_EQ(CaptionDoubleClickCommand({}, false, all), FrameCommand::kRollUp);
  // Without the roll-up icon the caption never rolls the window up.
  EXPECT_EQ(CaptionDoubleClickCommand({}, true, noRollUp), FrameCommand::kNone);
  EXPECT_EQ(CaptionDoubleClickCommand({}, false, noRollUp), FrameCommand::kNone);
}

TEST_F(CaptionTrackerTest, EachClickOfADoubleClickIsAClick) {
  const Point onRollUp{715, 15};
  const auto click = [&](bool second) {
    const PressResult press =
        second ? tracker.DoubleClick(onRollUp, context) : tracker.Press(MouseButton::kLeft, onRollUp, context);
    EXPECT_TRUE(press.capture);
    EXPECT_EQ(press.command, FrameCommand::kNone);
    const ReleaseResult release = tracker.Release(MouseButton::kLeft, context);
    EXPECT_TRUE(release.releaseCapture);
    return release.command;
  };
  EXPECT_EQ(click(false), FrameCommand::kRollUp);
  EXPECT_EQ(click(true), FrameCommand::kRollUp);
  EXPECT_EQ(tracker.pressed(), CaptionTracker::kNone);
  EXPECT_FALSE(objects[3].down);

  // On the system-menu button the second press closes and leaves nothing pressed.
  tracker.Press(MouseButton::kLeft, {8, 12}, context);
  tracker.Release(MouseButton::kLeft, context);
  const PressResult second = tracker.DoubleClick({8, 12}, context);
  EXPECT_EQ(second.command, FrameCommand::kClose);
  EXPECT_FALSE(second.capture);
  EXPECT_FALSE(objects[4].down);
  EXPECT_EQ(tracker.pressed(), CaptionTracker::kNone);
}

TEST_F(CaptionTrackerTest, WhichObjectsReportPressesAndReleases) {
  // A command button reports no press; its release only with the mouse on it.
  EXPECT_FALSE(tracker.Press(MouseButton::kLeft, kOnClose, context).downEvent);
  EXPECT_EQ(tracker.moveTarget(), 0);
  tracker.Track(kOff, true, context);
  EXPECT_EQ(tracker.moveTarget(), 0);  // moves still go to the pressed button
  EXPECT_EQ(tracker.Release(MouseButton::kLeft, context).upEvent, -1);
  // The caption reports both.
  EXPECT_TRUE(tracker.Press(MouseButton::kRight, {300, 10}, context).downEvent);
  EXPECT_EQ(tracker.Release(MouseButton::kRight, context).upEvent, 5);
}

TEST_F(CaptionTrackerTest, AnimatedButtonRunsItsCommandAsAButton) {
  TzsDataSkinAnimate record("animated");
  record.skinRectInAPicture = true;
  record.command = ButtonCommand::cmMinimizeToTray;
  record.skinRect = {0, 0, 40, 10};
  record.countFrames = 4;
  FrameSkin skin = embedded.skin;
  skin.objects = {&record};
  objects = BuildCaptionObjects(skin);
  ApplyBorderIcons(objects, {BorderIcons::All(), false, false});
  LayoutCaptionObjects(objects, ComputeFrameGeometry(skin.info, skin.PictureSize(), {800, 500}));
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0].rect, (Rect{787, 5, 797, 15}));  // one frame wide
  tracker.Reset(&objects);
  const PressResult press = tracker.Press(MouseButton::kLeft, {790, 8}, context);
  EXPECT_TRUE(objects[0].down && press.capture && !press.downEvent);
  EXPECT_EQ(tracker.Release(MouseButton::kLeft, context).command, FrameCommand::kMinimizeToTray);
  // As the system-menu button it opens the menu, and a double-click closes.
  record.command = ButtonCommand::cmSysMenu;
  objects = BuildCaptionObjects(skin);
  objects[0].rect = objects[0].hitRect = {787, 5, 797, 15};
  tracker.Reset(&objects);
  EXPECT_EQ(tracker.Press(MouseButton::kLeft, {790, 8}, context).command, FrameCommand::kSystemMenu);
  tracker.Release(MouseButton::kLeft, context);
  EXPECT_EQ(tracker.DoubleClick({790, 8}, context).command, FrameCommand::kClose);
}

TEST_F(CaptionTrackerTest, InactiveOrMovingWindowDoesNotLightButtons) {
  context.windowActive = false;
  EXPECT_FALSE(tracker.Track(kOnClose, true, context));
  EXPECT_FALSE(Close().active);
  context = {};
  context.inSizeMove = true;
  EXPECT_FALSE(tracker.Track(kOnClose, true, context));
  EXPECT_EQ(tracker.underMouse(), CaptionTracker::kNone);
}

TEST(CaptionDragTest, TheMoveStartsOncePastTheDragBox) {
  CaptionDrag drag;
  EXPECT_FALSE(drag.StartsMove({500, 500}, {4, 4}));  // no press
  drag.Press({100, 100});
  EXPECT_FALSE(drag.StartsMove({104, 96}, {4, 4}));
  EXPECT_TRUE(drag.Pending());
  EXPECT_TRUE(drag.StartsMove({100, 105}, {4, 4}));
  EXPECT_FALSE(drag.StartsMove({100, 120}, {4, 4}));
  // Released first: a click.
  drag.Press({100, 100});
  drag.End();
  EXPECT_FALSE(drag.StartsMove({200, 200}, {4, 4}));
}

TEST(SizeMoveMarksTest, LoopEndsHoweverItStarted) {
  SizeMoveMarks marks;
  // A loop from the keyboard: the flag goes with it, the next press is a press.
  marks.EnterLoop();
  marks.ExitLoop();
  EXPECT_FALSE(marks.inSizeMove());
  marks.BeginPress();
  EXPECT_FALSE(marks.LoopEndedInPress());
  // A drag of the caption: the loop runs inside the press.
  marks.BeginPress();
  marks.EnterLoop();
  EXPECT_TRUE(marks.inSizeMove());
  marks.ExitLoop();
  EXPECT_TRUE(marks.LoopEndedInPress());
  EXPECT_FALSE(marks.inSizeMove());
}

}  // namespace
}  // namespace zv
