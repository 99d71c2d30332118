#include "core/app/promo_picture.h"

#include <cstdint>
#include <span>

#include "core/base/cp936.h"

namespace zv {

namespace {

struct FormatName {
  std::string_view extension;
  PictureFormat format;
};

constexpr FormatName kFormats[] = {
    {"bmp", PictureFormat::kBitmap},   {"ico", PictureFormat::kIcon}, {"emf", PictureFormat::kEnhancedMetafile},
    {"wmf", PictureFormat::kMetafile}, {"gif", PictureFormat::kGif},  {"jpg", PictureFormat::kJpeg},
    {"jpeg", PictureFormat::kJpeg},
};

bool SameAsciiNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::string PictureExtension(std::string_view url) {
  // Scanned forwards so that the trail byte of a double-byte character,
  // which may be a "\\", is never taken for a delimiter.
  std::size_t dot = std::string_view::npos;
  ForEachSingleByte(url, [&](std::size_t i, char c) {
    if (c == '.') dot = i;
    if (c == '\\' || c == ':') dot = std::string_view::npos;
  });
  return dot == std::string_view::npos ? std::string() : std::string(url.substr(dot));
}

std::optional<PictureFormat> PictureFormatOf(std::string_view extension) {
  for (const auto& entry : kFormats) {
    if (SameAsciiNoCase(entry.extension, extension)) return entry.format;
  }
  return std::nullopt;
}

bool IsFileNameSafe(std::string_view text) {
  bool safe = true;
  ForEachSingleByte(text, [&](std::size_t, char c) {
    if (static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
      safe = false;
    }
  });
  return safe;
}

Picture LoadPictureFile(Files& files, PictureDecoder& decoder, const std::string& path) {
  const std::string extension = PictureExtension(path);
  const std::string_view name = extension.empty() ? std::string_view() : std::string_view(extension).substr(1);
  const auto format = PictureFormatOf(name);
  if (!format) throw UnknownPictureExtension(name);
  const std::string bytes = files.ReadAll(path);
  const std::span<const std::uint8_t> span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  Picture picture = decoder.Decode(span, *format);
  picture.format = *format;
  return picture;
}

}  // namespace zv
