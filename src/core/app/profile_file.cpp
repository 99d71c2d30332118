#include "core/app/profile_file.h"

#include <vector>

#include "core/base/cp936.h"
#include "core/base/error.h"

namespace zv {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// Case-insensitive for ASCII letters; the trail byte of a double-byte
// character is compared exactly, since it may look like a letter.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    if (IsLeadByte(ca) && i + 1 < a.size()) {
      if (ca != cb || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (lower(ca) != lower(cb)) {
      return false;
    }
  }
  return true;
}

struct Line {
  std::size_t begin;  // first byte
  std::size_t end;    // before the line break
  std::size_t next;   // after the line break
};

std::vector<Line> LinesOf(std::string_view text) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) end = text.size();
    std::size_t next = end;
    if (next < text.size() && text[next] == '\r') ++next;
    if (next < text.size() && text[next] == '\n') ++next;
    lines.push_back({begin, end, next});
    begin = next;
  }
  return lines;
}

// The section name of a "[name]" line; nothing for other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  return Trim(line.substr(0, line.find(']')));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

std::optional<Entry> EntryOf(std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Entry{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Where a section's lines lie: its header and the line after its last entry.
struct SectionSpan {
  std::size_t header;
  std::size_t afterLastEntry;
  std::optional<std::size_t> keyLine;
};

std::optional<SectionSpan> FindSection(std::string_view text, const std::vector<Line>& lines, std::string_view section,
                                       std::string_view key) {
  std::optional<SectionSpan> found;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = text.substr(lines[i].begin, lines[i].end - lines[i].begin);
    if (const auto name = SectionName(line)) {
      if (found) break;
      if (SameName(*name, section)) found = SectionSpan{i, i + 1, std::nullopt};
      continue;
    }
    if (!found || Trim(line).empty()) continue;
    found->afterLastEntry = i + 1;
    const auto entry = EntryOf(line);
    if (!found->keyLine && entry && SameName(entry->key, key)) found->keyLine = i;
  }
  return found;
}

bool BreaksLines(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

}  // namespace

std::string ReadProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view fallback) {
  const auto lines = LinesOf(text);
  const auto span = FindSection(text, lines, section, key);
  std::string_view value = fallback;
  if (span && span->keyLine) {
    const Line& line = lines[*span->keyLine];
    value = Unquoted(EntryOf(text.substr(line.begin, line.end - line.begin))->value);
  }
  return std::string(value.substr(0, kProfileValueLimit));
}

std::optional<std::string> WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                                            std::string_view value) {
  if (BreaksLines(section) || BreaksLines(key) || BreaksLines(value)) return std::nullopt;
  if (section.find(']') != std::string_view::npos || key.find('=') != std::string_view::npos) return std::nullopt;
  if (Trim(key).empty() || Trim(key).front() == '[') return std::nullopt;

  const std::string entry = std::string(key) + "=" + std::string(value);
  const auto lines = LinesOf(text);
  const auto span = FindSection(text, lines, section, key);
  std::string out;
  if (!span) {
    out = text;
    if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
    if (!out.empty()) out += "\r\n";
    return out + "[" + std::string(section) + "]\r\n" + entry + "\r\n";
  }
  if (span->keyLine) {
    const Line& line = lines[*span->keyLine];
    return std::string(text.substr(0, line.begin)) + entry + std::string(text.substr(line.end));
  }
  // After the last entry; a last line without a line break gets one first.
  const Line& last = lines[span->afterLastEntry - 1];
  out = text.substr(0, last.next);
  if (last.next == last.end) out += "\r\n";
  return out + entry + "\r\n" + std::string(text.substr(last.next));
}

std::string ReadProfileString(Files& files, const std::string& path, std::string_view section, std::string_view key,
                              std::string_view fallback) {
  std::string text;
  try {
    text = files.ReadAll(path);
  } catch (const Error&) {
    return std::string(fallback.substr(0, kProfileValueLimit));
  }
  return ReadProfileValue(text, section, key, fallback);
}

void WriteProfileString(Files& files, const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  const Error unable("Unable to write to " + path);
  std::string text;
  if (files.Exists(path)) {
    try {
      text = files.ReadAll(path);
    } catch (const Error&) {
      throw unable;  // rewriting it would lose what it holds
    }
  }
  const auto updated = WithProfileValue(text, section, key, value);
  if (!updated) throw unable;
  try {
    files.WriteAtomic(path, *updated);
  } catch (const Error&) {
    throw unable;
  }
}

}  // namespace zv
