// PNG through the Windows Imaging Component.
#include <wincodec.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "core/base/error.h"
#include "core/platform/png_codec.h"
#include "win32/platform/com_ref.h"

namespace zv {
namespace {

using win::ComRef;

void Check(HRESULT hr, const char* step) {
  if (SUCCEEDED(hr)) return;
  char text[160];
  std::snprintf(text, sizeof text, "PNG error: %s failed (0x%08lX)", step, static_cast<unsigned long>(hr));
  throw Error(text);
}

ComRef<IWICImagingFactory> Factory() {
  ComRef<IWICImagingFactory> factory;
  Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                         reinterpret_cast<void**>(factory.put())),
        "starting WIC");
  return factory;
}

// The bytes an IStream on global memory holds.
std::vector<std::uint8_t> BytesOf(IStream* stream) {
  HGLOBAL memory = nullptr;
  Check(GetHGlobalFromStream(stream, &memory), "reading the stream");
  STATSTG stat{};
  Check(stream->Stat(&stat, STATFLAG_NONAME), "measuring the stream");
  const auto* data = static_cast<const std::uint8_t*>(GlobalLock(memory));
  std::vector<std::uint8_t> bytes(data, data + stat.cbSize.QuadPart);
  GlobalUnlock(memory);
  return bytes;
}

bool HasAlpha(IWICImagingFactory* factory, const WICPixelFormatGUID& format) {
  ComRef<IWICComponentInfo> info;
  if (FAILED(factory->CreateComponentInfo(format, info.put()))) return false;
  ComRef<IWICPixelFormatInfo2> pixel;
  if (FAILED(info->QueryInterface(IID_IWICPixelFormatInfo2, reinterpret_cast<void**>(pixel.put())))) return false;
  BOOL transparency = FALSE;
  return SUCCEEDED(pixel->SupportsTransparency(&transparency)) && transparency;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const BitmapView& pixels, bool alpha) {
  win::ComScope com;
  ComRef<IWICImagingFactory> factory = Factory();
  ComRef<IStream> stream;
  Check(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()), "making a stream");
  ComRef<IWICBitmapEncoder> encoder;
  Check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put()), "making the encoder");
  Check(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache), "starting the file");
  ComRef<IWICBitmapFrameEncode> frame;
  Check(encoder->CreateNewFrame(frame.put(), nullptr), "making a frame");
  Check(frame->Initialize(nullptr), "starting the frame");
  Check(frame->SetSize(static_cast<UINT>(pixels.width()), static_cast<UINT>(pixels.height())), "setting the size");
  // Without alpha the pixels go out as 24-bit colour.
  WICPixelFormatGUID format = alpha ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat24bppBGR;
  const WICPixelFormatGUID asked = format;
  Check(frame->SetPixelFormat(&format), "setting the pixel format");
  if (format != asked) throw Error("PNG error: WIC's PNG encoder refuses the pixel format");
  const UINT height = static_cast<UINT>(pixels.height());
  std::vector<BYTE> packed;
  if (!alpha) {
    packed.reserve(static_cast<std::size_t>(pixels.width()) * height * 3);
    for (int y = 0; y < pixels.height(); ++y) {
      for (int x = 0; x < pixels.width(); ++x)
        packed.insert(packed.end(), {pixels.At(x, y).b, pixels.At(x, y).g, pixels.At(x, y).r});
    }
  }
  const UINT stride = alpha ? static_cast<UINT>(pixels.stride()) * 4 : static_cast<UINT>(pixels.width()) * 3;
  BYTE* data = alpha ? reinterpret_cast<BYTE*>(pixels.Row(0)) : packed.data();
  Check(frame->WritePixels(height, stride, stride * height, data), "writing pixels");
  Check(frame->Commit(), "finishing the frame");
  Check(encoder->Commit(), "finishing the file");
  return BytesOf(stream.get());
}

PngImage DecodePng(std::span<const std::uint8_t> bytes) {
  if (bytes.empty() || bytes.size() > MAXDWORD) throw Error("PNG error: the file is empty or too large");
  win::ComScope com;
  ComRef<IWICImagingFactory> factory = Factory();
  ComRef<IWICStream> stream;
  Check(factory->CreateStream(stream.put()), "making a stream");
  Check(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size())),
        "reading the file");
  ComRef<IWICBitmapDecoder> decoder;
  Check(factory->CreateDecoder(GUID_ContainerFormatPng, nullptr, decoder.put()), "making the decoder");
  Check(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand), "reading the header");
  ComRef<IWICBitmapFrameDecode> frame;
  Check(decoder->GetFrame(0, frame.put()), "reading the picture");
  UINT width = 0;
  UINT height = 0;
  Check(frame->GetSize(&width, &height), "reading the size");
  if (width == 0 || height == 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
      static_cast<std::int64_t>(width) * height > kMaxPicturePixels) {
    throw Error("PNG error: the picture has no pixels or is too large (" + std::to_string(width) + " x " +
                std::to_string(height) + ")");
  }
  WICPixelFormatGUID source{};
  Check(frame->GetPixelFormat(&source), "reading the pixel format");
  ComRef<IWICBitmapSource> bgra;
  Check(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.get(), bgra.put()), "converting pixels");
  PngImage out{Bitmap(static_cast<int>(width), static_cast<int>(height)), HasAlpha(factory.get(), source)};
  const UINT stride = width * 4;
  Check(bgra->CopyPixels(nullptr, stride, stride * height, reinterpret_cast<BYTE*>(out.bitmap.view().Row(0))),
        "decoding pixels");
  if (!out.alpha) {
    const BitmapView v = out.bitmap.view();
    for (int y = 0; y < v.height(); ++y) {
      for (int x = 0; x < v.width(); ++x) v.At(x, y).a = 0;
    }
  }
  return out;
}

}  // namespace zv
