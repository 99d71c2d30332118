#include "core/base/unicode.h"

namespace zv {

namespace {

unsigned char Byte(std::string_view text, std::size_t i) { return static_cast<unsigned char>(text[i]); }

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The second byte's range narrows after E0, ED, F0 and F4 so that overlong
// forms, surrogates and code points past U+10FFFF are refused.
struct LeadRule {
  std::size_t length;
  unsigned char secondLow;
  unsigned char secondHigh;
};

LeadRule RuleFor(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
  if (lead == 0xE0) return {3, 0xA0, 0xBF};
  if (lead == 0xED) return {3, 0x80, 0x9F};
  if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
  if (lead == 0xF0) return {4, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
  if (lead == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

char32_t ReadUnit(std::string_view bytes, std::size_t i, bool bigEndian) {
  const char32_t a = Byte(bytes, i);
  const char32_t b = Byte(bytes, i + 1);
  return bigEndian ? (a << 8 | b) : (b << 8 | a);
}

void AppendUnit(std::string& out, char32_t unit, bool bigEndian) {
  const char high = static_cast<char>(unit >> 8);
  const char low = static_cast<char>(unit & 0xFF);
  out += bigEndian ? high : low;
  out += bigEndian ? low : high;
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  const unsigned char lead = Byte(text, i);
  if (lead < 0x80) return 1;
  const LeadRule rule = RuleFor(lead);
  if (rule.length == 0 || i + rule.length > text.size()) return 0;
  const unsigned char second = Byte(text, i + 1);
  if (second < rule.secondLow || second > rule.secondHigh) return 0;
  for (std::size_t k = 2; k < rule.length; ++k) {
    if (!IsContinuation(Byte(text, i + k))) return 0;
  }
  return rule.length;
}

Utf8Scan ScanUtf8(std::string_view text) {
  Utf8Scan scan;
  for (std::size_t i = 0; i < text.size();) {
    if (Byte(text, i) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t n = Utf8SequenceLength(text, i);
    if (n == 0) return {false, scan.hasWide};
    scan.hasWide = scan.hasWide || n >= 3;
    i += n;
  }
  return scan;
}

char32_t DecodeUtf8Sequence(std::string_view sequence) {
  static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t c = Byte(sequence, 0) & kLeadMask[sequence.size()];
  for (std::size_t k = 1; k < sequence.size(); ++k) c = c << 6 | (Byte(sequence, k) & 0x3F);
  return c;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string ValidUtf8(std::string_view text) {
  if (ScanUtf8(text).valid) return std::string(text);
  std::string out;
  out.reserve(text.size() + 8);
  ForEachUtf8Character(text, [&](char32_t c, std::string_view) { AppendUtf8(out, c); });
  return out;
}

void AppendUtf8FromUtf16(std::string& out, std::string_view bytes, bool bigEndian) {
  out.reserve(out.size() + bytes.size() * 3 / 2);
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const char32_t unit = ReadUnit(bytes, i, bigEndian);
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const char32_t next = i + 3 < bytes.size() ? ReadUnit(bytes, i + 2, bigEndian) : 0;
    if (high && next >= 0xDC00 && next <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
      i += 2;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      AppendUtf8(out, kReplacementCharacter);
    } else {
      AppendUtf8(out, unit);
    }
  }
  if (i < bytes.size()) AppendUtf8(out, kReplacementCharacter);
}

void AppendUtf16FromUtf8(std::string& out, std::string_view utf8, bool bigEndian) {
  out.reserve(out.size() + utf8.size() * 2);
  ForEachUtf8Character(utf8, [&](char32_t c, std::string_view) {
    if (c < 0x10000) {
      AppendUnit(out, c, bigEndian);
    } else {
      AppendUnit(out, 0xD800 + ((c - 0x10000) >> 10), bigEndian);
      AppendUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FF), bigEndian);
    }
  });
}

std::size_t Utf8Cut(std::string_view text, std::size_t max) {
  if (text.size() <= max) return text.size();
  for (std::size_t back = 1; back <= 3 && back <= max; ++back) {
    const std::size_t start = max - back;
    if (Utf8SequenceLength(text, start) > back) return start;  // that character runs past the cut
    if (!IsContinuation(Byte(text, start))) break;
  }
  return max;
}

}  // namespace zv
