// Compares what the BMP reader makes of a picture with a reference picture
// in binary PPM form (as ImageMagick writes it from a corpus's PNG, or from
// its own decoding of the picture). Prints one line and exits 0 when the
// colours agree (or, without a reference, when the picture is read), 1 when
// they differ, 2 when the reader refuses the picture and 3 when the files
// cannot be used. Colours may differ by one step where a
// channel has fewer than 8 bits: decoders scale such channels to 8 bits with
// different rounding.
#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/base/bmp.h"

namespace {

struct Reference {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

std::vector<std::uint8_t> ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(std::string("cannot open ") + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// P6 with a maximum of 255; comments are not expected from ImageMagick.
Reference ReadPpm(const char* path) {
  const std::vector<std::uint8_t> bytes = ReadFile(path);
  std::istringstream header(std::string(bytes.begin(), bytes.begin() + std::min<std::size_t>(bytes.size(), 64)));
  std::string magic;
  int maxValue = 0;
  Reference ref;
  header >> magic >> ref.width >> ref.height >> maxValue;
  if (!header || magic != "P6" || maxValue != 255) throw std::runtime_error(std::string(path) + " is no 8-bit P6");
  const std::size_t start = static_cast<std::size_t>(header.tellg()) + 1;
  const std::size_t size = static_cast<std::size_t>(ref.width) * ref.height * 3;
  if (bytes.size() < start + size) throw std::runtime_error(std::string(path) + " is cut short");
  ref.rgb.assign(bytes.begin() + start, bytes.begin() + start + size);
  return ref;
}

// One step of rounding for channels narrower than 8 bits.
int Tolerance(const zv::BmpPicture& picture) {
  if (picture.bitCount != 16) return 0;
  for (const auto mask : {picture.redMask, picture.greenMask, picture.blueMask}) {
    if (std::popcount(mask) < 8) return 1;
  }
  return 0;
}

int Compare(const char* picturePath, const char* referencePath) {
  zv::BmpPicture picture;
  try {
    picture = zv::ReadBmp(ReadFile(picturePath));
  } catch (const zv::Error& e) {
    std::printf("refused: %s\n", e.what());
    return 2;
  }
  if (referencePath == nullptr) {
    std::printf("read: %d x %d, %d-bit\n", picture.bitmap.width(), picture.bitmap.height(), picture.bitCount);
    return 0;
  }
  const Reference ref = ReadPpm(referencePath);
  const zv::Bitmap& ours = picture.bitmap;
  if (ours.width() != ref.width || ours.height() != ref.height) {
    std::printf("differs: %d x %d, reference %d x %d\n", ours.width(), ours.height(), ref.width, ref.height);
    return 1;
  }
  const int tolerance = Tolerance(picture);
  int differing = 0;
  char first[96] = "";
  for (int y = 0; y < ref.height; ++y) {
    for (int x = 0; x < ref.width; ++x) {
      const zv::Pixel& p = ours.At(x, y);
      const std::uint8_t* r = &ref.rgb[(static_cast<std::size_t>(y) * ref.width + x) * 3];
      if (std::abs(p.r - r[0]) <= tolerance && std::abs(p.g - r[1]) <= tolerance && std::abs(p.b - r[2]) <= tolerance) {
        continue;
      }
      if (differing++ == 0) {
        std::snprintf(first, sizeof first, "(%d,%d) %d,%d,%d against %d,%d,%d", x, y, p.r, p.g, p.b, r[0], r[1], r[2]);
      }
    }
  }
  if (differing == 0) {
    std::printf("same\n");
    return 0;
  }
  std::printf("differs: %d pixels, first %s\n", differing, first);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fputs("usage: bmp-check PICTURE.bmp [REFERENCE.ppm]\n", stderr);
    return 3;
  }
  try {
    return Compare(argv[1], argc == 3 ? argv[2] : nullptr);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bmp-check: %s\n", e.what());
    return 3;
  }
}
