#include "core/base/text_file.h"

#include "core/base/cp936.h"
#include "core/base/string_list.h"
#include "core/base/unicode.h"

namespace zv {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool IsUtf16(FileEncoding encoding) { return encoding == FileEncoding::kUtf16Le || encoding == FileEncoding::kUtf16Be; }

std::size_t Cp936Cut(std::string_view text, std::size_t max) {
  std::size_t i = 0;
  while (i < max) {
    const bool pair = i + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[i])) &&
                      IsTrailByte(static_cast<unsigned char>(text[i + 1]));
    const std::size_t next = i + (pair ? 2 : 1);
    if (next > max) break;
    i = next;
  }
  return i;
}

}  // namespace

std::string_view WithoutMark(std::string_view bytes, FileEncoding encoding) {
  const std::string_view mark = ByteOrderMark(encoding);
  return bytes.starts_with(mark) ? bytes.substr(mark.size()) : bytes;
}

FileEncoding DetectFileEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return FileEncoding::kUtf8Bom;
  if (bytes.starts_with(kUtf16LeMark)) return FileEncoding::kUtf16Le;
  if (bytes.starts_with(kUtf16BeMark)) return FileEncoding::kUtf16Be;
  const Utf8Scan scan = ScanUtf8(bytes);
  return scan.valid && scan.hasWide ? FileEncoding::kUtf8 : FileEncoding::kCp936;
}

FileEncoding ForcedFileEncoding(std::string_view bytes, Charset charset) {
  switch (charset) {
    case Charset::kCp936:
      return FileEncoding::kCp936;
    case Charset::kUtf8:
      return bytes.starts_with(kUtf8Mark) ? FileEncoding::kUtf8Bom : FileEncoding::kUtf8;
    case Charset::kUtf16:
      return bytes.starts_with(kUtf16BeMark) ? FileEncoding::kUtf16Be : FileEncoding::kUtf16Le;
  }
  return FileEncoding::kCp936;
}

Encoding InMemory(FileEncoding file) { return file == FileEncoding::kCp936 ? Encoding::kCp936 : Encoding::kUtf8; }

FileEncoding ArticleFileEncoding(FileEncoding library) { return IsUtf16(library) ? FileEncoding::kUtf16Le : library; }

std::string_view ByteOrderMark(FileEncoding encoding) {
  switch (encoding) {
    case FileEncoding::kUtf8Bom:
      return kUtf8Mark;
    case FileEncoding::kUtf16Le:
      return kUtf16LeMark;
    case FileEncoding::kUtf16Be:
      return kUtf16BeMark;
    default:
      return {};
  }
}

std::string DecodeTextFile(std::string_view bytes, FileEncoding encoding) {
  bytes = WithoutMark(bytes, encoding);
  if (!IsUtf16(encoding)) return std::string(bytes);
  std::string text;
  AppendUtf8FromUtf16(text, bytes, encoding == FileEncoding::kUtf16Be);
  return text;
}

void AppendEncoded(std::string& out, std::string_view text, FileEncoding encoding) {
  if (IsUtf16(encoding)) {
    AppendUtf16FromUtf8(out, text, encoding == FileEncoding::kUtf16Be);
  } else {
    out += text;
  }
}

std::string EncodeTextFile(std::string_view text, FileEncoding encoding) {
  std::string bytes(ByteOrderMark(encoding));
  AppendEncoded(bytes, text, encoding);
  return bytes;
}

TextLines ReadTextLines(std::string_view bytes, std::optional<Charset> forced) {
  TextLines text;
  text.encoding = forced ? ForcedFileEncoding(bytes, *forced) : DetectFileEncoding(bytes);
  // Only UTF-16 needs a decoded copy; the other lines come straight from the bytes.
  text.lines = IsUtf16(text.encoding) ? SplitLines(DecodeTextFile(bytes, text.encoding))
                                      : SplitLines(WithoutMark(bytes, text.encoding));
  return text;
}

std::size_t CutAtCharacter(std::string_view text, std::size_t max, Encoding encoding) {
  if (text.size() <= max) return text.size();
  return encoding == Encoding::kUtf8 ? Utf8Cut(text, max) : Cp936Cut(text, max);
}

}  // namespace zv
