#pragma once
// Promotion pictures decoded without the platform: JPEG with libjpeg-turbo,
// GIF (first frame) with giflib. Bitmaps, icons and metafiles are not
// decodable in this build.
#include <cstdint>
#include <span>

#include "core/platform/picture_decoder.h"

namespace zv {

Picture DecodeJpeg(std::span<const std::uint8_t> bytes);
Picture DecodeGif(std::span<const std::uint8_t> bytes);

class NativePictureDecoder : public PictureDecoder {
 public:
  Picture Decode(std::span<const std::uint8_t> bytes, PictureFormat format) override;
};

}  // namespace zv
