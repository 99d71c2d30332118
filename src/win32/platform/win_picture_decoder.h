#pragma once
// Promotion pictures on Windows: JPEG, GIF and icons through WIC, enhanced
// and Windows metafiles played by GDI into a DIB, bitmaps through the core's
// own BMP codec so both builds read them alike.
#include "core/platform/picture_decoder.h"

namespace zv::win {

Picture DecodeWithWic(std::span<const std::uint8_t> bytes, PictureFormat format);
Picture DecodeEnhancedMetafile(std::span<const std::uint8_t> bytes);
// A placeable Windows metafile (the 22-byte header with its size and units).
Picture DecodeWindowsMetafile(std::span<const std::uint8_t> bytes);

class WinPictureDecoder : public PictureDecoder {
 public:
  Picture Decode(std::span<const std::uint8_t> bytes, PictureFormat format) override;
};

}  // namespace zv::win
