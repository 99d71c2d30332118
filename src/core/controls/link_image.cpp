#include "core/controls/link_image.h"

#include <algorithm>

#include "core/base/error.h"
#include "core/gfx/resample.h"

namespace zv {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const char c = text[i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    if (lower != prefix[i]) return false;
  }
  return true;
}

std::uint8_t Blend(std::uint8_t src, std::uint8_t dst, std::uint8_t alpha) {
  return static_cast<std::uint8_t>((src * alpha + dst * (255 - alpha) + 127) / 255);
}

}  // namespace

bool IsWebLink(std::string_view url) {
  std::string_view rest;
  if (StartsWithNoCase(url, "http://")) {
    rest = url.substr(7);
  } else if (StartsWithNoCase(url, "https://")) {
    rest = url.substr(8);
  } else {
    return false;
  }
  if (rest.empty()) return false;
  return std::none_of(url.begin(), url.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b <= 0x20 || b == 0x7F || c == '"';
  });
}

void OpenWebLink(Shell& shell, const std::string& url) {
  if (IsWebLink(url)) shell.OpenUrl(url);
}

void TzsSkinLinkImage::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  drawnAtDpi_ = false;
  Rescale();
  host_.Invalidate();
}

void TzsSkinLinkImage::SetDpi(int dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  Rescale();
  host_.Invalidate();
}

void TzsSkinLinkImage::Rescale() {
  scaled_ = {};
  if (!picture_ || !Scales()) return;
  Bitmap& source = picture_->bitmap;
  const int w = source.width(), h = source.height();
  scaled_ = Bitmap(ScaleLength(w, dpi_), ScaleLength(h, dpi_));
  ResampleGrid(source.view(), {{0, w}, {0, scaled_.width()}}, {{0, h}, {0, scaled_.height()}}, scaled_.view(),
               ResampleFilter::kArea);
}

BitmapView TzsSkinLinkImage::Canvas() {
  if (!picture_) {
    const Size size = host_.ClientSize();
    picture_ = Picture{PictureFormat::kBitmap,
                       Bitmap(std::max(size.width, 0), std::max(size.height, 0), Pixel{255, 255, 255, 255}), false};
    drawnAtDpi_ = true;
  }
  if (picture_->format != PictureFormat::kBitmap) throw Error("Can only modify an image if it contains a bitmap");
  return picture_->bitmap.view();
}

void TzsSkinLinkImage::Click(Shell& shell) {
  if (OnClick) OnClick();
  OpenWebLink(shell, URL);
}

void TzsSkinLinkImage::Paint(const BitmapView& target) const {
  if (!picture_) return;
  const Bitmap& source = Scales() ? scaled_ : picture_->bitmap;
  const int width = std::min(source.width(), target.width());
  const int height = std::min(source.height(), target.height());
  for (int y = 0; y < height; ++y) {
    Pixel* row = target.Row(y);
    for (int x = 0; x < width; ++x) {
      const Pixel& s = source.At(x, y);
      if (!picture_->transparent || s.a == 255) {
        row[x] = {s.b, s.g, s.r, 255};
      } else if (s.a != 0) {
        row[x] = {Blend(s.b, row[x].b, s.a), Blend(s.g, row[x].g, s.a), Blend(s.r, row[x].r, s.a), row[x].a};
      }
    }
  }
}

}  // namespace zv
