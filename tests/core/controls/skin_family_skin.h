#pragma once
// A skin with the records of the smaller skinned controls: a status bar
// (panel record with a gripper), a tool button with four looks and two
// up-down records. Picture 0 is a trace picture, so every copied pixel tells
// where it came from (blue = x, green = y, red 77).
#include <string_view>

#include "controls/skin_control_fakes.h"

namespace zv::test {

inline constexpr std::string_view kFamilySkinIni =
    "[SKINCOLORS]\r\ncbtnshadow=8421504\r\ncbtntext=255\r\ncbtnface=12632256\r\n"
    "[SKINCONTROLS]\r\ncount=5\r\n0=statusbar:panel\r\n1=toolbutton:button\r\n2=hupdown:updown\r\n"
    "3=vupdown:updown\r\n4=panel:panel\r\n"
    "[statusbar]\r\npictureindex=0\r\nskinrect=0,0,60,21\r\n"
    "lefttoppoint=5,5\r\nrighttoppoint=50,5\r\nleftbottompoint=5,16\r\nrightbottompoint=50,16\r\n"
    "clientrect=2,2,44,19\r\ngripperrect=100,0,112,14\r\n"
    "[toolbutton]\r\npictureindex=0\r\nskinrect=0,100,20,120\r\nactiveskinrect=20,100,40,120\r\n"
    "downskinrect=40,100,60,120\r\ndisabledskinrect=60,100,80,120\r\n"
    "lefttoppoint=5,5\r\nrighttoppoint=15,5\r\nleftbottompoint=5,15\r\nrightbottompoint=15,15\r\n"
    "clientrect=5,5,15,15\r\n"
    "fontcolor=255\r\nactivefontcolor=65280\r\ndownfontcolor=16711680\r\ndisabledfontcolor=8421504\r\n"
    "[hupdown]\r\npictureindex=0\r\nskinrect=0,130,40,150\r\n"
    "upbuttonrect=0,160,20,180\r\nactiveupbuttonrect=20,160,40,180\r\ndownupbuttonrect=40,160,60,180\r\n"
    "downbuttonrect=0,190,20,210\r\nactivedownbuttonrect=20,190,40,210\r\ndowndownbuttonrect=40,190,60,210\r\n"
    "[vupdown]\r\npictureindex=0\r\nskinrect=0,130,16,170\r\n"
    "upbuttonrect=0,160,16,180\r\ndownbuttonrect=0,190,16,210\r\n"
    "[panel]\r\npictureindex=0\r\nskinrect=141,4,200,56\r\n"
    "lefttoppoint=10,10\r\nrighttoppoint=49,10\r\nleftbottompoint=10,42\r\nrightbottompoint=49,42\r\n"
    "clientrect=2,2,57,50\r\n";

inline FakeSkinSource FamilySkin() { return FakeSkinSource(kFamilySkinIni, {TracePicture(220, 220, 77)}); }

// The trace picture's pixel at (x, y).
constexpr Pixel Traced(int x, int y) {
  return {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 77, 0};
}

}  // namespace zv::test
