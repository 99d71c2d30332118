#pragma once
// Promotion pictures: which file a picture URL is kept in and how that file
// is decoded.
#include <optional>
#include <string>
#include <string_view>

#include "core/base/error.h"
#include "core/platform/files.h"
#include "core/platform/picture_decoder.h"

namespace zv {

// "Unknown picture file extension (.%s)", with the extension as written.
class UnknownPictureExtension : public Error {
 public:
  explicit UnknownPictureExtension(std::string_view extension)
      : Error("Unknown picture file extension (." + std::string(extension) + ")") {}
};

// From the last "." to the end, unless a "\" or ":" follows it; else "".
// A "/" does not stop the search, so "http://host/a.b/c" gives ".b/c".
std::string PictureExtension(std::string_view url);

// bmp, ico, emf, wmf, gif, jpg, jpeg in any case; `extension` without dot.
std::optional<PictureFormat> PictureFormatOf(std::string_view extension);

// False when the text holds a character file names cannot: \ / : * ? " < > |
// or a control character.
bool IsFileNameSafe(std::string_view text);

// Reads and decodes a picture file by the extension of its name. Throws
// UnknownPictureExtension, the file's open error or the decoder's error.
Picture LoadPictureFile(Files& files, PictureDecoder& decoder, const std::string& path);

}  // namespace zv
