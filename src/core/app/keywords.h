#pragma once
// Keywords on their way into an article: from the keyword box or the
// terminal (Unicode) or a keyword file (in its own encoding), into the
// article's encoding.
#include <cstdint>
#include <string>
#include <vector>

#include "core/base/error.h"
#include "core/base/text_file.h"
#include "core/platform/text_codec.h"

namespace zv {

// A keyword as it came.
struct Keyword {
  std::string text;
  Encoding encoding = Encoding::kUtf8;
};

// A keyword the article's encoding cannot hold; the message names it, its
// characters outside CP936 spelt as U+XXXX.
class KeywordNotInEncoding : public Error {
 public:
  KeywordNotInEncoding(const std::string& keyword, TextCodec& codec);
};

// The keyword lines the generator draws from, in the article's encoding, each
// kept as it joins the article: the draw list would split a keyword at its
// line ends and lose what follows a NUL, so those are dropped once here.
class KeywordLines {
 public:
  KeywordLines() = default;
  KeywordLines(const std::vector<std::string>& lines);  // NOLINT: a list of lines is keyword lines
  std::uint32_t Count() const { return static_cast<std::uint32_t>(woven_.size()); }
  // Keyword k as it joins the article; empty past the end.
  const std::string& Woven(std::uint32_t k) const;

 private:
  std::vector<std::string> woven_;
};

// The keywords in `target`. Throws KeywordNotInEncoding for the first one
// that cannot be written in it, before anything is drawn. Each is cut to
// `maxBytes`, never inside a character.
KeywordLines ArticleKeywords(const std::vector<Keyword>& keywords, Encoding target, TextCodec& codec,
                             std::size_t maxBytes = std::string::npos);

}  // namespace zv
