#include "win32/platform/win_picture_decoder.h"

#include "core/base/bmp.h"
#include "core/base/error.h"

namespace zv::win {

Picture WinPictureDecoder::Decode(std::span<const std::uint8_t> bytes, PictureFormat format) {
  switch (format) {
    case PictureFormat::kBitmap:
      return Picture{format, DecodeBmp(bytes), false};
    case PictureFormat::kEnhancedMetafile:
      return DecodeEnhancedMetafile(bytes);
    case PictureFormat::kMetafile:
      return DecodeWindowsMetafile(bytes);
    case PictureFormat::kIcon:
    case PictureFormat::kGif:
    case PictureFormat::kJpeg:
      return DecodeWithWic(bytes, format);
  }
  throw Error("Unknown picture format");
}

}  // namespace zv::win
