#include "core/app/program_strings.h"

#include <string_view>
#include <unordered_map>

#include "core/app/texts.h"

namespace zv {

namespace {

constexpr int kGb2312Charset = 134;

std::string Line(std::string_view key, std::string_view text) { return std::string(key) + "=" + std::string(text); }

}  // namespace

TzsResourceStrData ProgramResourceStrings() {
  std::unordered_map<std::string_view, std::string_view> chinese;
  for (const texts::ResourceText& entry : texts::kResourceTexts) chinese.emplace(entry.key, entry.text);
  std::vector<std::string> lines;
  for (const ResourceStringDefault& entry : DefaultResourceStrings()) {
    const auto own = chinese.extract(entry.key);
    lines.push_back(Line(entry.key, own ? own.mapped() : entry.text));
  }
  // Keys the engine has no line for (Move, Size) follow in the table's order.
  for (const texts::ResourceText& entry : texts::kResourceTexts) {
    if (chinese.contains(entry.key)) lines.push_back(Line(entry.key, entry.text));
  }
  TzsResourceStrData strings;
  strings.SetResStrings(std::move(lines));
  strings.SetCharSet(kGb2312Charset);
  return strings;
}

}  // namespace zv
