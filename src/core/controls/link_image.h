#pragma once
// TzsSkinLinkImage: a picture control that opens its URL when clicked. The
// core holds its picture and link; the window side places it and paints
// what Paint draws.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/bitmap.h"
#include "core/base/display_scale.h"
#include "core/platform/picture_decoder.h"
#include "core/platform/shell.h"

namespace zv {

// The control's window as the core needs it.
class LinkImageHost {
 public:
  virtual ~LinkImageHost() = default;
  // The control's alignment may change the height again right after.
  virtual void SetHeight(int height) = 0;
  virtual Size ClientSize() = 0;
  virtual void Invalidate() = 0;
};

// True for http:// and https:// links (scheme in any case) without blanks,
// quotes or control characters: the only text a link may hand to the shell,
// so a hostile settings file cannot start a program or open a local file.
bool IsWebLink(std::string_view url);

// Hands url to the shell when it is a web link; anything else is ignored.
void OpenWebLink(Shell& shell, const std::string& url);

class TzsSkinLinkImage {
 public:
  explicit TzsSkinLinkImage(LinkImageHost& host) : host_(host) {}

  std::string URL;
  bool AutoSize = false;
  std::function<void()> OnClick;

  const std::optional<Picture>& picture() const { return picture_; }
  void SetPicture(Picture picture);
  void SetHeight(int height) { host_.SetHeight(height); }
  Size ClientSize() { return host_.ClientSize(); }

  // The bitmap to draw on: the held bitmap, or a new white one of the
  // control's size when it holds no picture. Throws "Can only modify an
  // image if it contains a bitmap" when it holds another format.
  BitmapView Canvas();
  // Call after drawing on the canvas.
  void Invalidate() {
    Rescale();
    host_.Invalidate();
  }

  // The click event, then the link.
  void Click(Shell& shell);

  // The picture at its natural size from the top-left corner, clipped to
  // target; transparent pixels keep what target holds.
  void Paint(const BitmapView& target) const;
  // Pictures are made for 96 DPI: at another scale each is drawn resampled
  // by area to its size at that scale, made once per picture and scale.
  void SetDpi(int dpi);
  int Dpi() const { return dpi_; }

 private:
  LinkImageHost& host_;
  std::optional<Picture> picture_;
  int dpi_ = kBaseDpi;
  bool drawnAtDpi_ = false;  // made by Canvas at the control's size: never rescaled
  Bitmap scaled_;            // the picture at dpi_, when that is not 96
  bool Scales() const { return dpi_ != kBaseDpi && !drawnAtDpi_; }
  void Rescale();
};

}  // namespace zv
