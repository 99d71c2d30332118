#pragma once
// The value types of a skin definition: how each is read from an IniText and
// written back. Enumerations map words to values in one table each
// (values.cpp); the readers keep the odd fallbacks skins rely on.
#include <string>
#include <string_view>
#include <vector>

#include "core/base/bitmap.h"
#include "core/base/error.h"
#include "core/base/geometry.h"
#include "core/gfx/kinds.h"
#include "core/platform/text_renderer.h"
#include "core/skin/ini_text.h"

namespace zv {

// "'%s' is not a valid integer value"
class ConvertError : public Error {
 public:
  explicit ConvertError(std::string_view text) : Error(Message(text)) {}

 private:
  static std::string Message(std::string_view text) {
    std::string message = "'";
    message.append(text).append("' is not a valid integer value");
    return message;
  }
};

// 0xFF0000nn names system colour nn.
constexpr ColorRef SystemColor(int index) { return 0xFF000000u | static_cast<ColorRef>(index & 0xFF); }
constexpr bool IsSystemColor(ColorRef c) { return (c & 0xFFFFFF00u) == 0xFF000000u; }
constexpr int SystemColorIndex(ColorRef c) { return static_cast<int>(c & 0xFF); }

// A set of kFontBold, kFontItalic, kFontUnderline, kFontStrikeOut.
struct FontStyle {
  unsigned bits = 0;
  constexpr bool Has(FontStyleBits bit) const { return (bits & bit) != 0; }
  friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

enum class Alignment { taLeftJustify, taRightJustify, taCenter };
// The "command" of a caption button; every unknown word is cmMinimizeToTray.
enum class ButtonCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };

// Value text -> value. Missing keys are handled by the readers below.
Point ParsePoint(std::string_view text);  // throws ConvertError
Rect ParseRect(std::string_view text);    // throws ConvertError
FontStyle ParseFontStyle(std::string_view text);
Alignment ParseAlignment(std::string_view text);
StretchType ParseStretchType(std::string_view text);
InactiveEffect ParseInactiveEffect(std::string_view text);
MorphKind ParseMorphKind(std::string_view text);
ButtonCommand ParseButtonCommand(std::string_view text);

// Value -> text, the inverse of the parsers.
std::string PointText(Point p);
std::string RectText(const Rect& r);
std::string FontStyleText(FontStyle style);
std::string_view AlignmentWord(Alignment a);
std::string_view StretchTypeWord(StretchType s);
std::string_view InactiveEffectWord(InactiveEffect e);
std::string_view MorphKindWord(MorphKind m);
std::string_view ButtonCommandWord(ButtonCommand c);

// Readers: the parsed INI, a section and a key; a missing key reads as the
// type's default ("0,0", "0,0,0,0", no style, tacenter, stfull, iebrightness,
// mkdefault, cmdefault).
Point ReadPoint(const IniText& ini, std::string_view section, std::string_view key);
Rect ReadRect(const IniText& ini, std::string_view section, std::string_view key);
bool ReadBoolean(const IniText& ini, std::string_view section, std::string_view key);
ColorRef ReadColor(const IniText& ini, std::string_view section, std::string_view key, ColorRef missing);
FontStyle ReadFontStyle(const IniText& ini, std::string_view section, std::string_view key);
Alignment ReadAlignment(const IniText& ini, std::string_view section, std::string_view key);
StretchType ReadStretchType(const IniText& ini, std::string_view section, std::string_view key);
InactiveEffect ReadInactiveEffect(const IniText& ini, std::string_view section, std::string_view key);
MorphKind ReadMorphKind(const IniText& ini, std::string_view section, std::string_view key);
ButtonCommand ReadButtonCommand(const IniText& ini, std::string_view section, std::string_view key);
// Appends the items "0" .. count-1 of the list `name` (count under name +
// "count"); a missing item is an empty string. Throws zv::Error for a count
// above kMaxIndexedListCount, which no skin can mean.
constexpr int kMaxIndexedListCount = 65536;
void ReadIndexedList(const IniText& ini, std::string_view section, std::string_view name,
                     std::vector<std::string>& target);

void WritePoint(IniText& ini, std::string_view section, std::string_view key, Point p);
void WriteRect(IniText& ini, std::string_view section, std::string_view key, const Rect& r);
void WriteBoolean(IniText& ini, std::string_view section, std::string_view key, bool value);
void WriteColor(IniText& ini, std::string_view section, std::string_view key, ColorRef color);
void WriteFontStyle(IniText& ini, std::string_view section, std::string_view key, FontStyle style);
void WriteAlignment(IniText& ini, std::string_view section, std::string_view key, Alignment a);
void WriteStretchType(IniText& ini, std::string_view section, std::string_view key, StretchType s);
void WriteInactiveEffect(IniText& ini, std::string_view section, std::string_view key, InactiveEffect e);
void WriteMorphKind(IniText& ini, std::string_view section, std::string_view key, MorphKind m);
void WriteButtonCommand(IniText& ini, std::string_view section, std::string_view key, ButtonCommand c);
void WriteIndexedList(IniText& ini, std::string_view section, std::string_view name,
                      const std::vector<std::string>& items);

}  // namespace zv
