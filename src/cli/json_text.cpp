#include "cli/json_text.h"

#include <cstdio>

namespace zv {

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string JsonRect(const Rect& r) {
  char text[64];
  std::snprintf(text, sizeof text, "[%d, %d, %d, %d]", r.left, r.top, r.right, r.bottom);
  return text;
}

}  // namespace zv
