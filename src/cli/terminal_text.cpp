#include "cli/terminal_text.h"

#include "cli/cli_codec.h"

namespace zv {

std::string Utf8ToTerminal(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(utf8.size());
  auto escape = [&](unsigned char c) {
    out += "\\x";
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
  };
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
    if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) {
      escape(c);
    } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {  // a C1 control, U+0080..U+009F
      escape(c);
      escape(next);
      ++i;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string ToTerminal(std::string_view cp936) { return Utf8ToTerminal(CliCodec().Utf8FromCp936(cp936)); }

std::optional<std::string> FromTerminal(std::string_view text) { return CliCodec().Cp936FromUtf8(text); }

}  // namespace zv
