#include "cli/terminal_text.h"

#ifndef _WIN32
#include <iconv.h>

#include <cerrno>
#endif

namespace zv {

namespace {

// CP936 trail bytes are never below 0x40, so a byte scan finds only real controls.
std::string EscapeControls(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    } else {
      out += ch;
    }
  }
  return out;
}

}  // namespace

#ifdef _WIN32

std::string ToTerminal(std::string_view cp936) { return EscapeControls(cp936); }

std::optional<std::string> FromTerminal(std::string_view text) { return std::string(text); }

#else

std::string ToTerminal(std::string_view raw) {
  const std::string cp936 = EscapeControls(raw);
  iconv_t cd = iconv_open("UTF-8", "CP936");
  if (cd == reinterpret_cast<iconv_t>(-1)) return cp936;
  std::string out(cp936.size() * 3 + 4, '\0');
  char* in = const_cast<char*>(cp936.data());
  std::size_t inLeft = cp936.size();
  char* dst = out.data();
  std::size_t outLeft = out.size();
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<std::size_t>(-1)) break;
    if (errno != EILSEQ || outLeft == 0) break;  // EINVAL: a cut last character
    *dst++ = '?';
    --outLeft;
    ++in;
    --inLeft;
  }
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

std::optional<std::string> FromTerminal(std::string_view text) {
  iconv_t cd = iconv_open("CP936", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(text);
  std::string out(text.size() * 2 + 4, '\0');  // CP936 never takes more bytes than UTF-8
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char* dst = out.data();
  std::size_t outLeft = out.size();
  const bool ok = iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

#endif

}  // namespace zv
