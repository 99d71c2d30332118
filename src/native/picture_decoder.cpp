#include "native/picture_decoder.h"

// Sections: size limits, JPEG, GIF, dispatch.
#include <algorithm>
#include <csetjmp>
#include <cstdio>  // before jpeglib.h, which uses FILE
#include <memory>
#include <string>
#include <vector>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
#include <gif_lib.h>
// clang-format on

#include "core/base/error.h"

namespace zv {

namespace {

void CheckSize(const char* what, int width, int height) {
  if (width <= 0 || height <= 0) throw Error(std::string(what) + ": the picture has no pixels");
  if (width > kMaxPictureSide || height > kMaxPictureSide ||
      static_cast<std::int64_t>(width) * height > kMaxPicturePixels) {
    throw Error(std::string(what) + ": the picture is too large (" + std::to_string(width) + " x " +
                std::to_string(height) + ")");
  }
}

// --- JPEG -----------------------------------------------------------------
// libjpeg reports errors by calling error_exit, which by default ends the
// process. Ours jumps back to DecodeJpegInto, which holds no C++ objects of
// its own, and the caller turns the failure into an Error.

constexpr int kMaxJpegScans = 1000;  // a progressive file cannot make us loop for long

struct JpegState {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  jpeg_progress_mgr progress{};
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX] = "";
  bool tooLarge = false;
};

JpegState& StateOf(j_common_ptr info) { return *reinterpret_cast<JpegState*>(info->client_data); }

[[noreturn]] void OnJpegError(j_common_ptr info) {
  JpegState& state = StateOf(info);
  (*info->err->format_message)(info, state.message);
  std::longjmp(state.jump, 1);
}

// Warnings are ignored, except a file that ends early: it is no complete picture.
void OnJpegMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) OnJpegError(info);
}

void OnJpegProgress(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > kMaxJpegScans) {
    std::snprintf(StateOf(info).message, JMSG_LENGTH_MAX, "too many scans");
    std::longjmp(StateOf(info).jump, 1);
  }
}

bool IsCmyk(const jpeg_decompress_struct& info) {
  return info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
}

// Reads the header into state.info, checks the size, and fills bitmap (and
// cmykRow for CMYK files). False when libjpeg reported an error.
bool DecodeJpegInto(JpegState& state, std::span<const std::uint8_t> bytes, Bitmap& bitmap,
                    std::vector<JSAMPLE>& cmykRow) {
  if (setjmp(state.jump)) return false;
  jpeg_mem_src(&state.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&state.info, TRUE);
  const int width = static_cast<int>(state.info.image_width);
  const int height = static_cast<int>(state.info.image_height);
  if (width > kMaxPictureSide || height > kMaxPictureSide ||
      static_cast<std::int64_t>(width) * height > kMaxPicturePixels) {
    state.tooLarge = true;
    return false;
  }
  state.info.out_color_space = IsCmyk(state.info) ? JCS_CMYK : JCS_EXT_BGRA;
  jpeg_start_decompress(&state.info);
  bitmap = Bitmap(width, height);
  if (IsCmyk(state.info)) cmykRow.resize(static_cast<std::size_t>(width) * 4);
  while (state.info.output_scanline < state.info.output_height) {
    const int y = static_cast<int>(state.info.output_scanline);
    JSAMPROW row = cmykRow.empty() ? reinterpret_cast<JSAMPROW>(&bitmap.At(0, y)) : cmykRow.data();
    jpeg_read_scanlines(&state.info, &row, 1);
    if (cmykRow.empty()) continue;
    // Adobe writes CMYK inverted: each sample already is 255 minus the ink.
    for (int x = 0; x < width; ++x) {
      const JSAMPLE* s = &cmykRow[static_cast<std::size_t>(x) * 4];
      bitmap.At(x, y) =
          Pixel{static_cast<std::uint8_t>(s[2] * s[3] / 255), static_cast<std::uint8_t>(s[1] * s[3] / 255),
                static_cast<std::uint8_t>(s[0] * s[3] / 255), 255};
    }
  }
  jpeg_finish_decompress(&state.info);
  return true;
}

// --- GIF ------------------------------------------------------------------

struct GifSource {
  std::span<const std::uint8_t> bytes;
  std::size_t position = 0;
};

int ReadGifBytes(GifFileType* gif, GifByteType* out, int wanted) {
  auto* source = static_cast<GifSource*>(gif->UserData);
  const std::size_t left = source->bytes.size() - source->position;
  const std::size_t count = std::min(left, static_cast<std::size_t>(std::max(wanted, 0)));
  std::copy_n(source->bytes.data() + source->position, count, out);
  source->position += count;
  return static_cast<int>(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int ignored = 0;
    DGifCloseFile(gif, &ignored);
  }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

[[noreturn]] void ThrowGifError(int code) {
  const char* text = GifErrorString(code);
  throw Error(std::string("GIF error: ") + (text ? text : "unknown error"));
}

// The transparent colour index of a graphic control extension, or -1.
int ReadExtensions(GifFileType* gif, int transparent) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) ThrowGifError(gif->Error);
  if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) transparent = (block[1] & 1) ? block[4] : -1;
  while (block) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) ThrowGifError(gif->Error);
  }
  return transparent;
}

// The frame's colour indexes, top row first, whether stored interlaced or not.
std::vector<GifPixelType> ReadFrameIndexes(GifFileType* gif, int width, int height) {
  std::vector<GifPixelType> indexes(static_cast<std::size_t>(width) * height);
  auto readRow = [&](int y) {
    if (DGifGetLine(gif, &indexes[static_cast<std::size_t>(y) * width], width) == GIF_ERROR) {
      ThrowGifError(gif->Error);
    }
  };
  if (!gif->Image.Interlace) {
    for (int y = 0; y < height; ++y) readRow(y);
    return indexes;
  }
  constexpr int kStart[] = {0, 4, 2, 1};
  constexpr int kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = kStart[pass]; y < height; y += kStep[pass]) readRow(y);
  }
  return indexes;
}

Picture FirstFrame(GifFileType* gif, int transparent) {
  if (DGifGetImageDesc(gif) == GIF_ERROR) ThrowGifError(gif->Error);
  const GifImageDesc& frame = gif->Image;
  CheckSize("GIF", frame.Width, frame.Height);
  const ColorMapObject* colors = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
  if (!colors) throw Error("GIF error: the picture has no colour table");
  // The logical screen, or the frame's extent when the screen is empty.
  const int width = gif->SWidth > 0 ? gif->SWidth : frame.Left + frame.Width;
  const int height = gif->SHeight > 0 ? gif->SHeight : frame.Top + frame.Height;
  CheckSize("GIF", width, height);
  const std::vector<GifPixelType> indexes = ReadFrameIndexes(gif, frame.Width, frame.Height);

  Picture picture{PictureFormat::kGif, Bitmap(width, height), true};
  for (int y = 0; y < frame.Height && frame.Top + y < height; ++y) {
    for (int x = 0; x < frame.Width && frame.Left + x < width; ++x) {
      if (frame.Left + x < 0 || frame.Top + y < 0) continue;
      const int index = indexes[static_cast<std::size_t>(y) * frame.Width + x];
      if (index == transparent || index >= colors->ColorCount) continue;
      const GifColorType& c = colors->Colors[index];
      picture.bitmap.At(frame.Left + x, frame.Top + y) = Pixel{c.Blue, c.Green, c.Red, 255};
    }
  }
  return picture;
}

const char* FormatName(PictureFormat format) {
  switch (format) {
    case PictureFormat::kBitmap:
      return "bitmap";
    case PictureFormat::kIcon:
      return "icon";
    case PictureFormat::kEnhancedMetafile:
      return "enhanced metafile";
    case PictureFormat::kMetafile:
      return "metafile";
    case PictureFormat::kGif:
      return "GIF";
    case PictureFormat::kJpeg:
      return "JPEG";
  }
  return "unknown";
}

}  // namespace

Picture DecodeJpeg(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) throw Error("JPEG error: the file is empty");
  JpegState state;
  state.info.err = jpeg_std_error(&state.errors);
  state.errors.error_exit = OnJpegError;
  state.errors.emit_message = OnJpegMessage;
  state.info.client_data = &state;
  jpeg_create_decompress(&state.info);
  state.progress.progress_monitor = OnJpegProgress;
  state.info.progress = &state.progress;

  Picture picture{PictureFormat::kJpeg, Bitmap(), false};
  std::vector<JSAMPLE> cmykRow;
  bool ok = false;
  try {
    ok = DecodeJpegInto(state, bytes, picture.bitmap, cmykRow);
  } catch (...) {
    jpeg_destroy_decompress(&state.info);
    throw;
  }
  const int width = static_cast<int>(state.info.image_width);
  const int height = static_cast<int>(state.info.image_height);
  jpeg_destroy_decompress(&state.info);
  if (state.tooLarge) CheckSize("JPEG error", width, height);
  if (!ok) throw Error(std::string("JPEG error: ") + state.message);
  return picture;
}

Picture DecodeGif(std::span<const std::uint8_t> bytes) {
  GifSource source{bytes};
  int error = 0;
  GifFile gif(DGifOpen(&source, ReadGifBytes, &error));
  if (!gif) ThrowGifError(error);
  if (gif->SWidth > kMaxPictureSide || gif->SHeight > kMaxPictureSide) CheckSize("GIF", gif->SWidth, gif->SHeight);
  int transparent = -1;
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) ThrowGifError(gif->Error);
    switch (record) {
      case EXTENSION_RECORD_TYPE:
        transparent = ReadExtensions(gif.get(), transparent);
        break;
      case IMAGE_DESC_RECORD_TYPE:
        return FirstFrame(gif.get(), transparent);
      case TERMINATE_RECORD_TYPE:
        throw Error("GIF error: the file holds no image");
      default:
        throw Error("GIF error: wrong record type");
    }
  }
}

Picture NativePictureDecoder::Decode(std::span<const std::uint8_t> bytes, PictureFormat format) {
  switch (format) {
    case PictureFormat::kJpeg:
      return DecodeJpeg(bytes);
    case PictureFormat::kGif:
      return DecodeGif(bytes);
    default:
      throw Error(std::string("Cannot decode ") + FormatName(format) + " pictures in this build");
  }
}

}  // namespace zv
