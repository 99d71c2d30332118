// JPEG, GIF and icon pictures through the Windows Imaging Component.
#include <windows.h>
#include <wincodec.h>

#include <cstdio>
#include <string>

#include "core/base/error.h"
#include "win32/platform/com_ref.h"
#include "win32/platform/win_picture_decoder.h"

namespace zv::win {

namespace {

struct WicFormat {
  PictureFormat format;
  const GUID* container;
  const char* errorPrefix;
  bool transparent;
};

const WicFormat kWicFormats[] = {
    {PictureFormat::kJpeg, &GUID_ContainerFormatJpeg, "JPEG error", false},
    {PictureFormat::kGif, &GUID_ContainerFormatGif, "GIF error", true},
    {PictureFormat::kIcon, &GUID_ContainerFormatIco, "Icon image is not valid", true},
};

const WicFormat& WicFormatOf(PictureFormat format) {
  for (const WicFormat& entry : kWicFormats) {
    if (entry.format == format) return entry;
  }
  throw Error("No WIC decoder for this picture format");
}

class Decoding {
 public:
  explicit Decoding(const WicFormat& format) : format_(format) {}

  void Check(HRESULT hr, const char* step) const {
    if (SUCCEEDED(hr)) return;
    char text[160];
    std::snprintf(text, sizeof text, "%s: %s failed (0x%08lX)", format_.errorPrefix, step,
                  static_cast<unsigned long>(hr));
    throw Error(text);
  }
  [[noreturn]] void Fail(const std::string& why) const { throw Error(std::string(format_.errorPrefix) + ": " + why); }

 private:
  const WicFormat& format_;
};

}  // namespace

Picture DecodeWithWic(std::span<const std::uint8_t> bytes, PictureFormat format) {
  const WicFormat& wic = WicFormatOf(format);
  const Decoding decoding(wic);
  if (bytes.empty()) decoding.Fail("the file is empty");
  if (bytes.size() > MAXDWORD) decoding.Fail("the file is too large");

  ComScope com;
  ComRef<IWICImagingFactory> factory;
  decoding.Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(factory.put())),
                 "starting WIC");
  ComRef<IWICStream> stream;
  decoding.Check(factory->CreateStream(stream.put()), "making a stream");
  decoding.Check(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size())),
                 "reading the file");
  // The decoder of the extension's format only: a PNG named .jpg is no JPEG.
  ComRef<IWICBitmapDecoder> decoder;
  decoding.Check(factory->CreateDecoder(*wic.container, nullptr, decoder.put()), "making the decoder");
  decoding.Check(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand), "reading the header");
  UINT frames = 0;
  decoding.Check(decoder->GetFrameCount(&frames), "counting frames");
  if (frames == 0) decoding.Fail("the file holds no picture");
  ComRef<IWICBitmapFrameDecode> frame;
  decoding.Check(decoder->GetFrame(0, frame.put()), "reading the first frame");

  UINT width = 0;
  UINT height = 0;
  decoding.Check(frame->GetSize(&width, &height), "reading the size");
  if (width == 0 || height == 0) decoding.Fail("the picture has no pixels");
  if (width > kMaxPictureSide || height > kMaxPictureSide ||
      static_cast<std::int64_t>(width) * height > kMaxPicturePixels) {
    decoding.Fail("the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")");
  }
  ComRef<IWICBitmapSource> bgra;
  decoding.Check(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.get(), bgra.put()), "converting pixels");

  Picture picture{format, Bitmap(static_cast<int>(width), static_cast<int>(height)), wic.transparent};
  static_assert(sizeof(Pixel) == 4);
  const UINT stride = width * 4;
  decoding.Check(bgra->CopyPixels(nullptr, stride, stride * height,
                                  reinterpret_cast<BYTE*>(picture.bitmap.view().Row(0))),
                 "decoding pixels");
  return picture;
}

}  // namespace zv::win
