#include "core/skin/record_keys.h"

namespace zv {
namespace {

int MissingInteger(std::string_view missing) { return ParseIniInteger(missing).value_or(0); }

}  // namespace

std::string_view IniKeyLoader::Text(std::string_view key, std::string_view missing,
                                    std::string_view typeDefault) const {
  return ini_.Find(section_, key).value_or(missing.empty() ? typeDefault : missing);
}

void IniKeyLoader::Visit(std::string_view key, std::string& field, std::string_view missing) {
  field = std::string(Text(key, missing, ""));
}
void IniKeyLoader::Visit(std::string_view key, int& field, std::string_view missing) {
  field = ini_.ReadInteger(section_, key, MissingInteger(missing));
}
void IniKeyLoader::Visit(std::string_view key, ColorRef& field, std::string_view missing) {
  field = ReadColor(ini_, section_, key, static_cast<ColorRef>(MissingInteger(missing)));
}
void IniKeyLoader::Visit(std::string_view key, bool& field, std::string_view) {
  field = ReadBoolean(ini_, section_, key);
}
void IniKeyLoader::Visit(std::string_view key, Point& field, std::string_view missing) {
  field = ParsePoint(Text(key, missing, "0,0"));
}
void IniKeyLoader::Visit(std::string_view key, Rect& field, std::string_view missing) {
  field = ParseRect(Text(key, missing, "0,0,0,0"));
}
void IniKeyLoader::Visit(std::string_view key, FontStyle& field, std::string_view missing) {
  field = ParseFontStyle(Text(key, missing, ""));
}
void IniKeyLoader::Visit(std::string_view key, Alignment& field, std::string_view missing) {
  field = ParseAlignment(Text(key, missing, "tacenter"));
}
void IniKeyLoader::Visit(std::string_view key, StretchType& field, std::string_view missing) {
  field = ParseStretchType(Text(key, missing, "stfull"));
}
void IniKeyLoader::Visit(std::string_view key, InactiveEffect& field, std::string_view missing) {
  field = ParseInactiveEffect(Text(key, missing, "iebrightness"));
}
void IniKeyLoader::Visit(std::string_view key, MorphKind& field, std::string_view missing) {
  field = ParseMorphKind(Text(key, missing, "mkdefault"));
}
void IniKeyLoader::Visit(std::string_view key, ButtonCommand& field, std::string_view missing) {
  field = ParseButtonCommand(Text(key, missing, "cmdefault"));
}

void IniKeySaver::Visit(std::string_view key, std::string& field, std::string_view) {
  ini_.WriteString(section_, key, field);
}
void IniKeySaver::Visit(std::string_view key, int& field, std::string_view) { ini_.WriteInteger(section_, key, field); }
void IniKeySaver::Visit(std::string_view key, ColorRef& field, std::string_view) {
  WriteColor(ini_, section_, key, field);
}
void IniKeySaver::Visit(std::string_view key, bool& field, std::string_view) {
  WriteBoolean(ini_, section_, key, field);
}
void IniKeySaver::Visit(std::string_view key, Point& field, std::string_view) { WritePoint(ini_, section_, key, field); }
void IniKeySaver::Visit(std::string_view key, Rect& field, std::string_view) { WriteRect(ini_, section_, key, field); }
void IniKeySaver::Visit(std::string_view key, FontStyle& field, std::string_view) {
  WriteFontStyle(ini_, section_, key, field);
}
void IniKeySaver::Visit(std::string_view key, Alignment& field, std::string_view) {
  WriteAlignment(ini_, section_, key, field);
}
void IniKeySaver::Visit(std::string_view key, StretchType& field, std::string_view) {
  WriteStretchType(ini_, section_, key, field);
}
void IniKeySaver::Visit(std::string_view key, InactiveEffect& field, std::string_view) {
  WriteInactiveEffect(ini_, section_, key, field);
}
void IniKeySaver::Visit(std::string_view key, MorphKind& field, std::string_view) {
  WriteMorphKind(ini_, section_, key, field);
}
void IniKeySaver::Visit(std::string_view key, ButtonCommand& field, std::string_view) {
  WriteButtonCommand(ini_, section_, key, field);
}

}  // namespace zv
