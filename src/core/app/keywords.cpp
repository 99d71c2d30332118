#include "core/app/keywords.h"

#include <optional>

#include "core/app/texts.h"
#include "core/base/string_list.h"
#include "core/base/unicode.h"

namespace zv {

KeywordNotInEncoding::KeywordNotInEncoding(const std::string& keyword, TextCodec& codec)
    : Error(texts::kKeywordNotInEncodingBefore + Cp936ForDisplay(codec, keyword) + texts::kKeywordNotInEncodingAfter) {}

KeywordLines::KeywordLines(const std::vector<std::string>& lines) {
  woven_.reserve(lines.size());
  for (const auto& line : lines) {
    std::string woven;
    ForEachLine(line, [&](std::string_view piece) { woven += piece; });
    woven_.push_back(std::move(woven));
  }
}

const std::string& KeywordLines::Woven(std::uint32_t k) const {
  static const std::string empty;
  return k < woven_.size() ? woven_[k] : empty;
}

namespace {

// The keyword in `target`, or nothing when that cannot hold it.
std::optional<std::string> Convert(const Keyword& keyword, Encoding target, TextCodec& codec) {
  if (keyword.encoding == Encoding::kCp936) {
    return target == Encoding::kCp936 ? keyword.text : codec.Utf8FromCp936(keyword.text);
  }
  if (target == Encoding::kCp936) return codec.Cp936FromUtf8(keyword.text);
  if (!ScanUtf8(keyword.text).valid) return std::nullopt;
  return keyword.text;
}

}  // namespace

KeywordLines ArticleKeywords(const std::vector<Keyword>& keywords, Encoding target, TextCodec& codec,
                             std::size_t maxBytes) {
  std::vector<std::string> lines;
  lines.reserve(keywords.size());
  for (const Keyword& keyword : keywords) {
    std::optional<std::string> converted = Convert(keyword, target, codec);
    if (!converted) throw KeywordNotInEncoding(keyword.text, codec);
    converted->resize(CutAtCharacter(*converted, maxBytes, target));
    lines.push_back(std::move(*converted));
  }
  return KeywordLines(lines);
}

}  // namespace zv
