#pragma once
// zorvane-cli skin render: a control record or the window frame composed at
// a size, as the skinned controls and the frame compose them, for skin
// authors to look at.
#include <map>
#include <string>
#include <vector>

#include "core/platform/files.h"
#include "core/skin/package_skin.h"

namespace zv {

// No side of a rendered picture is longer than this.
constexpr int kMaxRenderSide = 8192;
bool IsRenderSize(Size size);

// The control record `name` at `size` (the size the record's sizing mode
// allows; a fixed record keeps its own). Throws zv::Error for an unknown
// record, one without frame geometry, one without a picture, or one whose
// own size is not an IsRenderSize.
Bitmap RenderSkinControl(const SkinSource& skin, const std::string& name, Size size);

// The window's shape on its picture: alpha 255 inside `region` (everywhere
// when it is empty, as for a maximised window), 0 and no colour outside.
void KeepOnlyRegion(const BitmapView& picture, const std::vector<Rect>& region);

// The window frame at `size` (an IsRenderSize, else zv::Error): the four
// bands from the main picture, the client area in the skin's button face
// colour; alpha 255 inside the mask's region, 0 outside (everywhere 255
// without a mask).
Bitmap RenderSkinFrame(const PackageSkin& skin, Size size);

// Reads a compressed skin file into a skin.
PackageSkin LoadSkinFile(Files& files, const std::string& path);

// "WxH", as the size options take it.
std::string SizeText(Size size);

// "W x H" as "WxH"; throws CliError for anything else or sides outside
// 1..kMaxRenderSide.
Size ParseRenderSize(const std::string& text);

// --dpi's value: a whole number from kMinDpi to kMaxDpi, else CliError.
int ParseDpi(const std::string& text);
// The value of "--dpi" in `values`, 96 without one.
int DpiOption(const std::map<std::string, std::string>& values);

// Writes `picture` to `out` atomically: PNG when the name ends in ".png"
// (with alpha for 32 bits), BMP of `bits` bits otherwise. Returns the line
// to print.
std::string WriteRenderedPicture(Files& files, const std::string& out, Bitmap picture, int bits);

// args after "render": FILE (--control NAME --size WxH | --frame WxH)
// [--dpi N] OUT. Returns the line to print.
std::string RunSkinRender(Files& files, const std::vector<std::string>& args);

}  // namespace zv
