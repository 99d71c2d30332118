// libFuzzer entry for reading text files by their encoding: any bytes give
// lines; decoded UTF-16 is valid UTF-8 and writes back to the same text; a
// cut never passes its limit nor splits a valid character.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/base/text_file.h"
#include "core/base/unicode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const zv::FileEncoding encoding = zv::DetectFileEncoding(bytes);
  const std::string text = zv::DecodeTextFile(bytes, encoding);
  if (encoding == zv::FileEncoding::kUtf16Le || encoding == zv::FileEncoding::kUtf16Be) {
    if (!zv::ScanUtf8(text).valid) std::abort();
    const zv::FileEncoding article = zv::ArticleFileEncoding(encoding);
    if (zv::DecodeTextFile(zv::EncodeTextFile(text, article), article) != text) std::abort();
  }
  const zv::Encoding inMemory = zv::InMemory(encoding);
  const bool valid = inMemory == zv::Encoding::kUtf8 && zv::ScanUtf8(text).valid;
  for (const std::size_t max : {text.size() / 2, text.size() / 3 + 1}) {
    const std::size_t cut = zv::CutAtCharacter(text, max, inMemory);
    if (cut > max) std::abort();
    if (valid && !zv::ScanUtf8(std::string_view(text).substr(0, cut)).valid) std::abort();
  }
  zv::ReadTextLines(bytes);
  return 0;
}
