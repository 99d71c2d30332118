#include "core/skin/ini_text.h"

#include <cstdint>

#include "core/base/error.h"
#include "core/base/string_list.h"

namespace zv {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Whether `text` reads back unchanged as a trimmed name or value on a line.
bool SurvivesALine(std::string_view text) {
  for (const char c : text) {
    if (c == '\r' || c == '\n' || c == '\0') return false;
  }
  return Trim(text) == text;
}

void CheckWritable(std::string_view section, std::string_view key, std::string_view value) {
  const bool keyOk = SurvivesALine(key) && key.find('=') == std::string_view::npos &&
                     !(key.starts_with(';') || key.starts_with('['));
  if (!SurvivesALine(section) || !keyOk || !SurvivesALine(value)) {
    throw Error("Cannot write INI value [" + std::string(section) + "] " + std::string(key));
  }
}

}  // namespace

std::string AnsiUpperKey(std::string_view text) {
  std::string upper(text);
  for (std::size_t i = 0; i < upper.size(); ++i) {
    const auto c = static_cast<unsigned char>(upper[i]);
    if (IsLeadByte(c)) {
      ++i;  // the trail byte belongs to the same character
    } else if (c >= 'a' && c <= 'z') {
      upper[i] = static_cast<char>(c - 'a' + 'A');
    }
  }
  return upper;
}

std::optional<int> ParseIniInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.starts_with('$')) {
    base = 16;
    text.remove_prefix(1);
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  // Decimal must fit a signed 32-bit value; hexadecimal any 32-bit pattern.
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t value = 0;
  for (const char c : text) {
    const int digit = base == 16 ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  const auto bits = static_cast<std::uint32_t>(negative ? 0 - value : value);
  return static_cast<int>(bits);
}

void CheckIniTextSize(std::string_view text) {
  if (text.size() > kMaxIniTextBytes) {
    throw Error("skin definition text larger than " + std::to_string(kMaxIniTextBytes) + " bytes");
  }
  std::size_t lines = 0;
  ForEachLine(text, [&](std::string_view) { ++lines; });
  if (lines > kMaxIniTextLines) {
    throw Error("skin definition text longer than " + std::to_string(kMaxIniTextLines) + " lines");
  }
}

IniText IniText::Parse(std::string_view text) {
  CheckIniTextSize(text);
  IniText ini;
  Section* current = nullptr;
  int number = 0;
  ForEachLine(text, [&](std::string_view raw) {
    ++number;
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';') return;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      current = &ini.OpenSection(Trim(line.substr(1, line.size() - 2)), number);
    } else if (current != nullptr) {
      AddLine(*current, line, number);
    }
  });
  return ini;
}

IniText IniText::FromLines(const std::vector<std::string>& lines) { return Parse(JoinLines(lines)); }

IniText::Section& IniText::OpenSection(std::string_view name, int number) {
  std::string upper = AnsiUpperKey(name);
  const auto found = sectionIndex_.find(upper);
  if (found != sectionIndex_.end()) sections_[found->second].hidden = true;
  sectionIndex_[std::move(upper)] = sections_.size();
  sections_.push_back(Section{std::string(name), {}, {}, false, number});
  return sections_.back();
}

void IniText::AddLine(Section& section, std::string_view line, int number) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) {
    section.lines.push_back(Line{std::string(line), {}, false, number});
    return;
  }
  Line entry{std::string(Trim(line.substr(0, equals))), std::string(Trim(line.substr(equals + 1))), true, number};
  section.index[AnsiUpperKey(entry.key)] = section.lines.size();
  section.lines.push_back(std::move(entry));
}

const IniText::Section* IniText::FindSection(std::string_view section) const {
  const auto found = sectionIndex_.find(AnsiUpperKey(section));
  return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

bool IniText::HasSection(std::string_view section) const { return FindSection(section) != nullptr; }

std::optional<std::string_view> IniText::Find(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return std::nullopt;
  const auto line = found->index.find(AnsiUpperKey(key));
  if (line == found->index.end()) return std::nullopt;
  return std::string_view(found->lines[line->second].value);
}

int IniText::SectionLine(std::string_view section) const {
  const Section* found = FindSection(section);
  return found == nullptr ? 0 : found->number;
}

int IniText::KeyLine(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return 0;
  const auto line = found->index.find(AnsiUpperKey(key));
  return line == found->index.end() ? 0 : found->lines[line->second].number;
}

std::string IniText::ReadString(std::string_view section, std::string_view key, std::string_view missing) const {
  return std::string(Find(section, key).value_or(missing));
}

int IniText::ReadInteger(std::string_view section, std::string_view key, int missing) const {
  const auto value = Find(section, key);
  if (!value) return missing;
  return ParseIniInteger(*value).value_or(missing);
}

std::vector<std::string_view> IniText::Keys(std::string_view section) const {
  std::vector<std::string_view> keys;
  if (const Section* found = FindSection(section)) {
    for (const Line& line : found->lines) {
      if (line.hasEquals) keys.push_back(line.key);
    }
  }
  return keys;
}

std::vector<std::string_view> IniText::SectionNames() const {
  std::vector<std::string_view> names;
  for (const Section& section : sections_) {
    if (!section.hidden) names.push_back(section.name);
  }
  return names;
}

void IniText::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  CheckWritable(section, key, value);
  const auto found = sectionIndex_.find(AnsiUpperKey(section));
  Section& target = found == sectionIndex_.end() ? OpenSection(section) : sections_[found->second];
  const auto line = target.index.find(AnsiUpperKey(key));
  if (line != target.index.end()) {
    target.lines[line->second].value = std::string(value);
  } else {
    target.index[AnsiUpperKey(key)] = target.lines.size();
    target.lines.push_back(Line{std::string(key), std::string(value), true});
  }
}

void IniText::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniText::EraseSection(std::string_view section) {
  const auto found = sectionIndex_.find(AnsiUpperKey(section));
  if (found == sectionIndex_.end()) return;
  sections_[found->second].hidden = true;
  sectionIndex_.erase(found);
}

std::string IniText::ToText() const {
  std::vector<std::string> lines;
  for (const Section& section : sections_) {
    if (section.hidden) continue;
    lines.push_back("[" + section.name + "]");
    for (const Line& line : section.lines) {
      // A line without "=" may have a later key of the same name hiding an
      // earlier line; only the line the index points at is written.
      if (!line.hasEquals) {
        lines.push_back(line.key);
      } else if (&section.lines[section.index.at(AnsiUpperKey(line.key))] == &line) {
        lines.push_back(line.key + "=" + line.value);
      }
    }
  }
  return JoinLines(lines);
}

}  // namespace zv
