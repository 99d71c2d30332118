#pragma once
// The main window's status bar: two text panes from the left and the clock
// from the right on a 791 x 19 bar, with every seam faked.
#include "core/status/status_bar.h"
#include "status/fake_status.h"
#include "fake_text_renderer.h"

namespace zv::test {

struct MainStatusBar {
  FakeTimerHost timers;
  StatusLists lists{timers};
  FakeBarHost host;
  FakeTextRenderer text;
  SystemPalette palette = SystemPalette::Classic();
  FakeLocalTime time;
  FakeTheme theme;
  TSbStatusBar bar{host, text, palette, &theme};
  TSbStatusPane& pane1 = AddPane(alLeft, 161);
  TSbStatusPane& pane2 = AddPane(alLeft, 100);
  TSbClockStatus& clock = bar.AddPane<TSbClockStatus>(lists, time);

  MainStatusBar() {
    bar.SetSize(791, 19);
    clock.SetAlign(alRight);
    clock.SetHeight(19);
    bar.Loaded();
  }

  TSbStatusPane& AddPane(TAlign align, int width) {
    auto& pane = bar.AddPane<TSbStatusPane>(lists);
    pane.SetAlign(align);
    pane.SetWidth(width);
    pane.SetHeight(19);
    return pane;
  }
};

}  // namespace zv::test
