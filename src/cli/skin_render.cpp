#include "cli/skin_render.h"

#include <algorithm>
#include <charconv>

#include "cli/cli_error.h"
#include "cli/skin_command.h"
#include "core/base/bmp.h"
#include "core/base/display_scale.h"
#include "core/base/nearest_name.h"
#include "core/controls/skin_control.h"
#include "core/gfx/blit.h"
#include "core/gfx/regions.h"
#include "core/platform/png_codec.h"

namespace zv {
namespace {

// The classic system colours, for skins that name one.
ColorRef ClassicSystemColor(int index) {
  switch (index) {
    case kColorBtnShadow:
      return Rgb(128, 128, 128);
    case kColorBtnText:
      return Rgb(0, 0, 0);
    case kColorBtnHighlight:
      return Rgb(255, 255, 255);
    default:
      return Rgb(192, 192, 192);
  }
}

class NoText : public TextRenderer {
 public:
  Size Measure(const FontSpec&, std::string_view) override { return {}; }
  void Draw(const BitmapView&, const FontSpec&, std::string_view, Point, const Rect&) override {}
};

// A control with no window: only its bounds are kept.
class PreviewHost : public SkinControlHost {
 public:
  Rect bounds;
  Rect Bounds() const override { return bounds; }
  void ApplyBounds(const Rect& b) override { bounds = b; }
  bool HasParent() const override { return false; }
  void Invalidate() override {}
  void SetShape(const std::vector<Rect>&) override {}
  void PaintParentBackground(const BitmapView&) override {}
  void NotifyChildrenParentBackChanged() override {}
  void SetChildrenEnabled(bool) override {}
  void SetChildrenVisible(bool) override {}
  void SetAlignSuspended(bool) override {}
  void RealignChildren() override {}
  bool Enabled() const override { return true; }
  ColorRef SystemColorValue(int index) const override { return ClassicSystemColor(index); }
  TextRenderer& Text() override { return text_; }

 private:
  NoText text_;
};

// The picture a control paints off screen, rendered straight into the
// bitmap that is written out: copying it onto a canvas first would double
// the memory a large preview takes.
class PreviewControl : public TzsSkinCustomControl {
 public:
  using TzsSkinCustomControl::TzsSkinCustomControl;
  Bitmap Picture(Size size) {
    LookUpSkinRecord();
    FitSizeToSkin(size);
    // A fixed record makes a bitmap of its own size.
    Bitmap picture = Sizing() == SkinSizing::kFixed ? Bitmap() : Bitmap(size.width, size.height);
    RenderSkinned(picture);
    return picture;
  }
};

// An unknown record name gets the nearest of the skin's.
void RequireControlRecord(const PackageSkin& skin, const std::string& name) {
  if (skin.ControlRecord(name)) return;
  std::vector<std::string> names;
  for (const auto& record : skin.Definition().controls) names.push_back(record->Name());
  const std::string_view near = NearestName(name, std::vector<std::string_view>(names.begin(), names.end()));
  throw CliError("the skin has no control record named " + name +
                 (near.empty() ? "" : "; did you mean " + std::string(near) + "?"));
}

ColorRef Resolved(ColorRef color) { return IsSystemColor(color) ? ClassicSystemColor(SystemColorIndex(color)) : color; }

}  // namespace

Bitmap RenderSkinControl(const SkinSource& skin, const std::string& name, Size size) {
  const TzsDataSkinControl* found = skin.ControlRecord(name);
  if (!found) throw Error("the skin has no control record named " + name);
  const auto* record = dynamic_cast<const TzsDataSkinCustomControl*>(found);
  if (!record) throw Error("the control record " + name + " has no frame geometry");
  if (skin.Picture(record->pictureIndex).width() <= 0) {
    throw Error("the control record " + name + " names no picture of the skin");
  }
  PreviewHost host;
  host.bounds = Rect::FromSize(0, 0, size.width, size.height);
  PreviewControl control(host, name);
  control.SetSkinData(&skin);  // fits the size to the record
  control.SetBounds(host.bounds);
  if (control.Sizing() == SkinSizing::kNoSkin) throw Error("the control record " + name + " has an empty skinrect");
  // A fixed or one-way record sets its own size, which must keep to the cap too.
  const Size fitted{host.bounds.Width(), host.bounds.Height()};
  if (!IsRenderSize(fitted)) {
    throw Error("the control record " + name + " renders at " + SizeText(fitted) + ", beyond the limit of " +
                SizeText({kMaxRenderSide, kMaxRenderSide}));
  }
  return control.Picture(fitted);
}

void KeepOnlyRegion(const BitmapView& picture, const std::vector<Rect>& region) {
  for (int y = 0; y < picture.height(); ++y) {
    Pixel* row = picture.Row(y);
    for (int x = 0; x < picture.width(); ++x) row[x].a = region.empty() ? 255 : 0;
  }
  for (const Rect& r : region) {
    const Rect inside = r.Intersect(picture.bounds());
    for (int y = inside.top; y < inside.bottom; ++y) {
      for (int x = inside.left; x < inside.right; ++x) picture.At(x, y).a = 255;
    }
  }
  // Outside the shape nothing shows: no colour either.
  for (int y = 0; y < picture.height(); ++y) {
    Pixel* row = picture.Row(y);
    for (int x = 0; x < picture.width(); ++x) {
      if (row[x].a == 0) row[x] = {};
    }
  }
}

bool IsRenderSize(Size size) {
  return size.width >= 1 && size.height >= 1 && size.width <= kMaxRenderSide && size.height <= kMaxRenderSide;
}

Bitmap RenderSkinFrame(const PackageSkin& skin, Size size) {
  if (!IsRenderSize(size)) throw Error("cannot render a frame of " + SizeText(size));
  const BitmapView main = skin.MainPicture();
  if (main.width() <= 0) throw Error("the skin has no main picture");
  const SkinFormInfo& info = skin.Definition().formInfo;
  const SkinPieces pieces = PiecesOf(info, main, main.bounds());
  SkinPoints fitted;
  FitSizeToSkin(SkinSizing::kBoth, pieces, size, fitted);

  Bitmap out(size.width, size.height, ToPixel(Resolved(skin.Colors().cBtnFace)));
  const FrameBands bands = ComposeFrameBands(size, pieces, fitted);
  auto place = [&](const Bitmap& band, Point at) {
    Blit(out.view(), at, const_cast<Bitmap&>(band).view(), Rect{0, 0, band.width(), band.height()});
  };
  place(bands.top, {0, 0});
  place(bands.left, {0, bands.top.height()});
  place(bands.right, {size.width - bands.right.width(), bands.top.height()});
  place(bands.bottom, {0, size.height - bands.bottom.height()});

  const BitmapView mask = skin.MaskPicture();
  KeepOnlyRegion(out.view(), mask.width() > 0
                                 ? RegionFromFrameMask(pieces.points, fitted, size.width, size.height, mask)
                                 : std::vector<Rect>{});
  return out;
}

PackageSkin LoadSkinFile(Files& files, const std::string& path) {
  SkinPackage package = ReadSkinPackage(files, path);
  try {
    return PackageSkin(std::move(package));
  } catch (const Error& e) {
    // The check says where the definition goes wrong; the reader only what.
    RequireNoErrors(CheckSkin(PackageUnderCheck(ReadSkinPackage(files, path), ShownSource(path))));
    throw Error(ShownSource(path) + ": " + e.what());
  }
}

std::string SizeText(Size size) { return std::to_string(size.width) + "x" + std::to_string(size.height); }

Size ParseRenderSize(const std::string& text) {
  const auto x = text.find('x');
  auto number = [&](std::string_view part) {
    int value = 0;
    const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (ec != std::errc() || end != part.data() + part.size() || value < 1 || value > kMaxRenderSide) {
      throw CliError("expected a size WxH with sides from 1 to " + std::to_string(kMaxRenderSide) + ", got '" + text +
                     "'");
    }
    return value;
  };
  if (x == std::string::npos) throw CliError("expected a size WxH, got '" + text + "'");
  const std::string_view all(text);
  return {number(all.substr(0, x)), number(all.substr(x + 1))};
}

int ParseDpi(const std::string& text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !IsSupportedDpi(value)) {
    throw CliError("--dpi takes a whole number from " + std::to_string(kMinDpi) + " to " + std::to_string(kMaxDpi) +
                   ", not '" + text + "'");
  }
  return value;
}

int DpiOption(const std::map<std::string, std::string>& values) {
  const auto dpi = values.find("--dpi");
  return dpi == values.end() ? kBaseDpi : ParseDpi(dpi->second);
}

std::string WriteRenderedPicture(Files& files, const std::string& out, Bitmap picture, int bits) {
  const Size size{picture.width(), picture.height()};
  std::vector<std::uint8_t> bytes;
  if (IsPngName(out)) {
    bytes = EncodePng(picture.view(), bits == 32);
  } else {
    // The picture moves into the encoder's input rather than being copied.
    BmpPicture image;
    image.bitCount = bits;
    image.bitmap = std::move(picture);
    bytes = EncodeBmp(image);
  }
  files.WriteAtomic(out, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  return out + ": " + std::to_string(size.width) + " x " + std::to_string(size.height) + ", " + std::to_string(bits) +
         "-bit\n";
}

std::string RunSkinRender(Files& files, const std::vector<std::string>& given) {
  constexpr const char* kForm =
      "expected 'skin render FILE|--embedded --control NAME --size WxH [--dpi N] OUT', "
      "'skin render FILE|--embedded --frame WxH ... OUT' or 'skin render FILE|--embedded --states OUT'";
  // --dpi may stand anywhere after the file.
  std::vector<std::string> args;
  std::map<std::string, std::string> values;
  for (std::size_t i = 0; i < given.size(); ++i) {
    constexpr std::string_view kKnown[] = {"--embedded", "--control", "--size", "--frame", "--dpi"};
    const bool option = given[i].size() > 2 && given[i].starts_with("--");
    if (option && std::find(std::begin(kKnown), std::end(kKnown), given[i]) == std::end(kKnown)) {
      throw CliError::UnknownOption(given[i]);
    }
    if (i > 0 && given[i] == "--dpi") {
      if (i + 1 >= given.size() || !values.emplace("--dpi", given[i + 1]).second) throw CliError(kForm);
      ++i;
    } else {
      args.push_back(given[i]);
    }
  }
  const int dpi = DpiOption(values);
  Bitmap picture;
  int bits = 24;
  std::string out;
  if (args.size() == 6 && args[1] == "--control" && args[3] == "--size") {
    const Size size = ParseRenderSize(args[4]);
    const PackageSkin skin = LoadSkinFile(files, args[0]);
    RequireControlRecord(skin, args[2]);
    picture = RenderSkinControl(skin.AtDpi(dpi), args[2], size);
    out = args[5];
  } else if (args.size() == 4 && args[1] == "--frame" && dpi == kBaseDpi) {
    const Size size = ParseRenderSize(args[2]);
    picture = RenderSkinFrame(LoadSkinFile(files, args[0]), size);
    bits = 32;
    out = args[3];
  } else {
    throw CliError(kForm);
  }
  return WriteRenderedPicture(files, out, std::move(picture), bits);
}

}  // namespace zv
