// Enhanced and Windows metafiles, played by GDI onto white at their own size
// (96 pixels per inch).
#include <windows.h>

#include <cstring>
#include <string>

#include "core/base/error.h"
#include "win32/platform/dib_surface.h"
#include "win32/platform/win_picture_decoder.h"

namespace zv::win {

namespace {

inline BOOL WINAPI DeleteEnhMetafileHandle(HENHMETAFILE h) { return DeleteEnhMetaFile(h); }
using EnhMetafile = Owned<HENHMETAFILE, DeleteEnhMetafileHandle>;

constexpr int kPixelsPerInch = 96;
constexpr int kHundredthsMmPerInch = 2540;
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableHeaderSize = 22;
constexpr std::size_t kMetaHeaderSize = 18;
constexpr DWORD kMinEnhHeaderSize = 88;  // the header without its later additions

[[noreturn]] void Invalid(const std::string& why) { throw Error("Metafile is not valid: " + why); }

void CheckSize(int width, int height) {
  if (width <= 0 || height <= 0) Invalid("the picture has no pixels");
  if (width > kMaxPictureSide || height > kMaxPictureSide ||
      static_cast<std::int64_t>(width) * height > kMaxPicturePixels) {
    Invalid("the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")");
  }
}

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Dword(std::span<const std::uint8_t> bytes, std::size_t at) {
  return Word(bytes, at) | (static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16);
}

Picture Play(HENHMETAFILE metafile, int width, int height, PictureFormat format) {
  CheckSize(width, height);
  DibSurface dib;
  dib.Resize({width, height});
  const BitmapView view = dib.view();
  view.Fill(view.bounds(), Pixel{255, 255, 255, 255});
  const RECT frame{0, 0, width, height};
  if (!PlayEnhMetaFile(dib.dc(), metafile, &frame)) Invalid("it cannot be played");
  GdiFlush();
  Picture picture{format, Bitmap(width, height), false};
  for (int y = 0; y < height; ++y) {
    const Pixel* from = view.Row(y);
    for (int x = 0; x < width; ++x) picture.bitmap.At(x, y) = {from[x].b, from[x].g, from[x].r, 255};
  }
  return picture;
}

}  // namespace

Picture DecodeEnhancedMetafile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < sizeof(ENHMETAHEADER)) Invalid("the file is too short");
  ENHMETAHEADER header;
  std::memcpy(&header, bytes.data(), sizeof header);
  if (header.iType != EMR_HEADER || header.dSignature != ENHMETA_SIGNATURE) Invalid("wrong signature");
  if (header.nSize < kMinEnhHeaderSize || header.nBytes > bytes.size() || header.nBytes < header.nSize) {
    Invalid("wrong length");
  }
  const int width = MulDiv(header.rclFrame.right - header.rclFrame.left, kPixelsPerInch, kHundredthsMmPerInch);
  const int height = MulDiv(header.rclFrame.bottom - header.rclFrame.top, kPixelsPerInch, kHundredthsMmPerInch);
  CheckSize(width, height);
  EnhMetafile metafile(SetEnhMetaFileBits(header.nBytes, bytes.data()));
  if (!metafile) Invalid("the records cannot be read");
  return Play(metafile.get(), width, height, PictureFormat::kEnhancedMetafile);
}

Picture DecodeWindowsMetafile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kPlaceableHeaderSize + kMetaHeaderSize) Invalid("the file is too short");
  if (Dword(bytes, 0) != kPlaceableKey) Invalid("the placeable header is missing");
  std::uint16_t checksum = 0;
  for (std::size_t at = 0; at < 20; at += 2) checksum ^= Word(bytes, at);
  if (checksum != Word(bytes, 20)) Invalid("wrong header checksum");
  const auto left = static_cast<std::int16_t>(Word(bytes, 6));
  const auto top = static_cast<std::int16_t>(Word(bytes, 8));
  const auto right = static_cast<std::int16_t>(Word(bytes, 10));
  const auto bottom = static_cast<std::int16_t>(Word(bytes, 12));
  const int unitsPerInch = Word(bytes, 14);
  if (unitsPerInch == 0) Invalid("no units per inch");
  const int width = MulDiv(right - left, kPixelsPerInch, unitsPerInch);
  const int height = MulDiv(bottom - top, kPixelsPerInch, unitsPerInch);
  CheckSize(width, height);

  // The records: their header's word count must lie inside the file.
  const std::span<const std::uint8_t> records = bytes.subspan(kPlaceableHeaderSize);
  const std::uint64_t recordBytes = 2ull * Dword(records, 6);
  if (Word(records, 2) != kMetaHeaderSize / 2 || recordBytes < kMetaHeaderSize || recordBytes > records.size()) {
    Invalid("wrong length");
  }
  METAFILEPICT picture{MM_ANISOTROPIC, MulDiv(width, kHundredthsMmPerInch, kPixelsPerInch),
                       MulDiv(height, kHundredthsMmPerInch, kPixelsPerInch), nullptr};
  EnhMetafile metafile(SetWinMetaFileBits(static_cast<UINT>(recordBytes), records.data(), nullptr, &picture));
  if (!metafile) Invalid("the records cannot be read");
  return Play(metafile.get(), width, height, PictureFormat::kMetafile);
}

}  // namespace zv::win
