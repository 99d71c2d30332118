// Draws the application icon (a blue page with text lines and a pen stroke)
// at 16, 32 and 48 pixels and writes it as a .ico file. Run by the Windows
// build; nothing of it ships but the icon.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/base/bitmap.h"

namespace {

using zv::Bitmap;
using zv::Pixel;

// Coverage of a rounded rectangle at a pixel centre, for soft edges.
double RoundedRectCoverage(double x, double y, double l, double t, double r, double b, double radius) {
  const double cx = std::fmax(l + radius, std::fmin(x, r - radius));
  const double cy = std::fmax(t + radius, std::fmin(y, b - radius));
  const double d = std::hypot(x - cx, y - cy) - radius;
  return std::fmin(1.0, std::fmax(0.0, 0.5 - d));
}

void Blend(Pixel& p, int r, int g, int b, double coverage) {
  if (coverage <= 0) return;
  const double a0 = p.a / 255.0;
  const double a = coverage + a0 * (1 - coverage);
  auto mix = [&](std::uint8_t under, int over) {
    return static_cast<std::uint8_t>(std::lround((over * coverage + under * a0 * (1 - coverage)) / a));
  };
  p = {mix(p.b, b), mix(p.g, g), mix(p.r, r), static_cast<std::uint8_t>(std::lround(a * 255))};
}

Bitmap DrawIcon(int size) {
  Bitmap bmp(size, size);
  const double s = size / 32.0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      Pixel& p = bmp.At(x, y);
      Blend(p, 30, 94, 184, RoundedRectCoverage(px, py, 1 * s, 1 * s, 31 * s, 31 * s, 6 * s));     // tile
      Blend(p, 255, 255, 255, RoundedRectCoverage(px, py, 8 * s, 5 * s, 24 * s, 27 * s, 1.5 * s));  // page
      for (int line = 0; line < 4; ++line) {  // text lines
        const double top = (10 + line * 4) * s;
        const double right = (line == 3 ? 17 : 21) * s;
        Blend(p, 120, 160, 215, RoundedRectCoverage(px, py, 11 * s, top, right, top + 1.6 * s, 0.5 * s));
      }
    }
  }
  return bmp;
}

void Put16(std::string& out, int v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, static_cast<int>(v & 0xFFFF));
  Put16(out, static_cast<int>(v >> 16));
}

// One icon image: a bottom-up 32-bit DIB with doubled height, then the AND mask.
std::string IconImage(const Bitmap& bmp) {
  const int n = bmp.width();
  const int maskStride = ((n + 31) / 32) * 4;
  std::string out;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(n));
  Put32(out, static_cast<std::uint32_t>(n * 2));
  Put16(out, 1);
  Put16(out, 32);
  for (int i = 0; i < 6; ++i) Put32(out, 0);
  for (int y = n - 1; y >= 0; --y) {
    for (int x = 0; x < n; ++x) {
      const Pixel& p = bmp.At(x, y);
      out += static_cast<char>(p.b);
      out += static_cast<char>(p.g);
      out += static_cast<char>(p.r);
      out += static_cast<char>(p.a);
    }
  }
  for (int y = n - 1; y >= 0; --y) {
    std::string row(static_cast<std::size_t>(maskStride), '\0');
    for (int x = 0; x < n; ++x) {
      if (bmp.At(x, y).a == 0) row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
    }
    out += row;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-icon OUT.ico\n");
    return 2;
  }
  const std::vector<int> sizes{16, 32, 48};
  std::vector<std::string> images;
  for (int size : sizes) images.push_back(IconImage(DrawIcon(size)));
  std::string out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<int>(sizes.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(sizes.size());
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    out += static_cast<char>(sizes[i] == 256 ? 0 : sizes[i]);
    out += static_cast<char>(sizes[i] == 256 ? 0 : sizes[i]);
    out += '\0';
    out += '\0';
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<std::uint32_t>(images[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const auto& image : images) out += image;
  std::ofstream(argv[1], std::ios::binary) << out;
  return 0;
}
