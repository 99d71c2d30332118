#include "core/skin/values.h"

#include <array>
#include <span>

namespace zv {
namespace {

// One word table per enumeration: the words in value order, the value a
// missing key reads as, and the value any other word reads as.
struct EnumWords {
  std::span<const std::string_view> words;
  int missing;
  int unknown;
};

constexpr std::array<std::string_view, 3> kAlignmentWords{"taleftjustify", "tarightjustify", "tacenter"};
constexpr std::array<std::string_view, 3> kStretchWords{"stfull", "sthorz", "stvert"};
constexpr std::array<std::string_view, 6> kInactiveEffectWords{"iebrightness", "iedarkness", "iegrayscale",
                                                                "ienoise",      "iesplitblur", "ieinvert"};
constexpr std::array<std::string_view, 7> kMorphWords{"mkdefault",     "mkgradient",   "mkleftgradient",
                                                       "mkrightgradient", "mkleftslide", "mkrightslide",
                                                       "mkpush"};
constexpr std::array<std::string_view, 7> kCommandWords{"cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
                                                        "cmdefault", "cmrollup",   "cmminimizetotray"};

constexpr EnumWords kAlignment{kAlignmentWords, 2, 1};
constexpr EnumWords kStretch{kStretchWords, 0, 1};
constexpr EnumWords kInactiveEffect{kInactiveEffectWords, 0, 2};
constexpr EnumWords kMorph{kMorphWords, 0, 0};
constexpr EnumWords kCommand{kCommandWords, 4, 6};

int WordValue(const EnumWords& table, std::string_view word) {
  for (std::size_t i = 0; i < table.words.size(); ++i) {
    if (table.words[i] == word) return static_cast<int>(i);
  }
  return table.unknown;
}

int ReadWord(const EnumWords& table, const IniText& ini, std::string_view section, std::string_view key) {
  const auto text = ini.Find(section, key);
  return text ? WordValue(table, *text) : table.missing;
}

std::string_view Word(const EnumWords& table, int value) {
  const auto index = static_cast<std::size_t>(value);
  if (index >= table.words.size()) throw Error("Invalid enumeration value " + std::to_string(value));
  return table.words[index];
}

constexpr std::array<std::pair<std::string_view, FontStyleBits>, 4> kFontStyleWords{{
    {"fsbold", kFontBold}, {"fsitalic", kFontItalic}, {"fsunderline", kFontUnderline}, {"fsstrikeout", kFontStrikeOut}}};

// The digit walk: "," closes a number, digits append, every other byte
// (signs and blanks included) is skipped. Numbers past `count` are ignored.
template <std::size_t count>
std::array<int, count> ParseNumbers(std::string_view text) {
  std::array<std::string, count> parts;
  std::size_t current = 0;
  for (const char c : text) {
    if (c == ',') {
      if (++current == count) break;
    } else if (c >= '0' && c <= '9') {
      parts[current] += c;
    }
  }
  std::array<int, count> numbers{};
  for (std::size_t i = 0; i < count; ++i) {
    const auto value = ParseIniInteger(parts[i]);
    if (parts[i].empty() || !value) throw ConvertError(parts[i]);
    numbers[i] = *value;
  }
  return numbers;
}

}  // namespace

Point ParsePoint(std::string_view text) {
  const auto n = ParseNumbers<2>(text);
  return {n[0], n[1]};
}

Rect ParseRect(std::string_view text) {
  const auto n = ParseNumbers<4>(text);
  return {n[0], n[1], n[2], n[3]};
}

FontStyle ParseFontStyle(std::string_view text) {
  FontStyle style;
  for (const auto& [word, bit] : kFontStyleWords) {
    if (text.find(word) != std::string_view::npos) style.bits |= bit;
  }
  return style;
}

Alignment ParseAlignment(std::string_view text) { return static_cast<Alignment>(WordValue(kAlignment, text)); }
StretchType ParseStretchType(std::string_view text) { return static_cast<StretchType>(WordValue(kStretch, text)); }
InactiveEffect ParseInactiveEffect(std::string_view text) {
  return static_cast<InactiveEffect>(WordValue(kInactiveEffect, text));
}
MorphKind ParseMorphKind(std::string_view text) { return static_cast<MorphKind>(WordValue(kMorph, text)); }
ButtonCommand ParseButtonCommand(std::string_view text) {
  return static_cast<ButtonCommand>(WordValue(kCommand, text));
}

std::string PointText(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

std::string RectText(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

std::string FontStyleText(FontStyle style) {
  std::string text;
  for (const auto& [word, bit] : kFontStyleWords) {
    if (!style.Has(bit)) continue;
    if (!text.empty()) text += ",";
    text += word;
  }
  return text;
}

std::string_view AlignmentWord(Alignment a) { return Word(kAlignment, static_cast<int>(a)); }
std::string_view StretchTypeWord(StretchType s) { return Word(kStretch, static_cast<int>(s)); }
std::string_view InactiveEffectWord(InactiveEffect e) { return Word(kInactiveEffect, static_cast<int>(e)); }
std::string_view MorphKindWord(MorphKind m) { return Word(kMorph, static_cast<int>(m)); }
std::string_view ButtonCommandWord(ButtonCommand c) { return Word(kCommand, static_cast<int>(c)); }

Point ReadPoint(const IniText& ini, std::string_view section, std::string_view key) {
  return ParsePoint(ini.Find(section, key).value_or("0,0"));
}

Rect ReadRect(const IniText& ini, std::string_view section, std::string_view key) {
  return ParseRect(ini.Find(section, key).value_or("0,0,0,0"));
}

bool ReadBoolean(const IniText& ini, std::string_view section, std::string_view key) {
  return ini.ReadInteger(section, key, 0) == 1;
}

ColorRef ReadColor(const IniText& ini, std::string_view section, std::string_view key, ColorRef missing) {
  return static_cast<ColorRef>(ini.ReadInteger(section, key, static_cast<int>(missing)));
}

FontStyle ReadFontStyle(const IniText& ini, std::string_view section, std::string_view key) {
  return ParseFontStyle(ini.Find(section, key).value_or(""));
}

Alignment ReadAlignment(const IniText& ini, std::string_view section, std::string_view key) {
  return static_cast<Alignment>(ReadWord(kAlignment, ini, section, key));
}
StretchType ReadStretchType(const IniText& ini, std::string_view section, std::string_view key) {
  return static_cast<StretchType>(ReadWord(kStretch, ini, section, key));
}
InactiveEffect ReadInactiveEffect(const IniText& ini, std::string_view section, std::string_view key) {
  return static_cast<InactiveEffect>(ReadWord(kInactiveEffect, ini, section, key));
}
MorphKind ReadMorphKind(const IniText& ini, std::string_view section, std::string_view key) {
  return static_cast<MorphKind>(ReadWord(kMorph, ini, section, key));
}
ButtonCommand ReadButtonCommand(const IniText& ini, std::string_view section, std::string_view key) {
  return static_cast<ButtonCommand>(ReadWord(kCommand, ini, section, key));
}

void ReadIndexedList(const IniText& ini, std::string_view section, std::string_view name,
                     std::vector<std::string>& target) {
  const std::string countKey = std::string(name) + "count";
  const int count = ini.ReadInteger(section, countKey, 0);
  if (count > kMaxIndexedListCount) {
    throw Error("The list \"" + countKey + "\" of section \"" + std::string(section) + "\" is too long");
  }
  for (int i = 0; i < count; ++i) target.push_back(ini.ReadString(section, std::to_string(i), ""));
}

void WritePoint(IniText& ini, std::string_view section, std::string_view key, Point p) {
  ini.WriteString(section, key, PointText(p));
}
void WriteRect(IniText& ini, std::string_view section, std::string_view key, const Rect& r) {
  ini.WriteString(section, key, RectText(r));
}
void WriteBoolean(IniText& ini, std::string_view section, std::string_view key, bool value) {
  ini.WriteString(section, key, value ? "1" : "0");
}
void WriteColor(IniText& ini, std::string_view section, std::string_view key, ColorRef color) {
  ini.WriteInteger(section, key, static_cast<int>(color));  // system colours come out negative, as they read
}
void WriteFontStyle(IniText& ini, std::string_view section, std::string_view key, FontStyle style) {
  ini.WriteString(section, key, FontStyleText(style));
}
void WriteAlignment(IniText& ini, std::string_view section, std::string_view key, Alignment a) {
  ini.WriteString(section, key, AlignmentWord(a));
}
void WriteStretchType(IniText& ini, std::string_view section, std::string_view key, StretchType s) {
  ini.WriteString(section, key, StretchTypeWord(s));
}
void WriteInactiveEffect(IniText& ini, std::string_view section, std::string_view key, InactiveEffect e) {
  ini.WriteString(section, key, InactiveEffectWord(e));
}
void WriteMorphKind(IniText& ini, std::string_view section, std::string_view key, MorphKind m) {
  ini.WriteString(section, key, MorphKindWord(m));
}
void WriteButtonCommand(IniText& ini, std::string_view section, std::string_view key, ButtonCommand c) {
  ini.WriteString(section, key, ButtonCommandWord(c));
}
void WriteIndexedList(IniText& ini, std::string_view section, std::string_view name,
                      const std::vector<std::string>& items) {
  ini.WriteInteger(section, std::string(name) + "count", static_cast<int>(items.size()));
  for (std::size_t i = 0; i < items.size(); ++i) ini.WriteString(section, std::to_string(i), items[i]);
}

}  // namespace zv
