#include "core/skin/record_keys.h"

namespace zv {
namespace {

int MissingInteger(std::string_view missing) { return ParseIniInteger(missing).value_or(0); }

}  // namespace

std::string_view IniKeyLoader::Text(const KeyInfo& key, std::string_view typeDefault) const {
  return ini_.Find(section_, key.name).value_or(key.missing.empty() ? typeDefault : key.missing);
}

void IniKeyLoader::Visit(const KeyInfo& key, std::string& field) {
  field = std::string(Text(key, ""));
}
void IniKeyLoader::Visit(const KeyInfo& key, int& field) {
  field = ini_.ReadInteger(section_, key.name, MissingInteger(key.missing));
}
void IniKeyLoader::Visit(const KeyInfo& key, ColorRef& field) {
  field = ReadColor(ini_, section_, key.name, static_cast<ColorRef>(MissingInteger(key.missing)));
}
void IniKeyLoader::Visit(const KeyInfo& key, bool& field) {
  field = ReadBoolean(ini_, section_, key.name);
}
void IniKeyLoader::Visit(const KeyInfo& key, Point& field) {
  field = ParsePoint(Text(key, "0,0"));
}
void IniKeyLoader::Visit(const KeyInfo& key, Rect& field) {
  field = ParseRect(Text(key, "0,0,0,0"));
}
void IniKeyLoader::Visit(const KeyInfo& key, FontStyle& field) {
  field = ParseFontStyle(Text(key, ""));
}
void IniKeyLoader::Visit(const KeyInfo& key, Alignment& field) {
  field = ParseAlignment(Text(key, "tacenter"));
}
void IniKeyLoader::Visit(const KeyInfo& key, StretchType& field) {
  field = ParseStretchType(Text(key, "stfull"));
}
void IniKeyLoader::Visit(const KeyInfo& key, InactiveEffect& field) {
  field = ParseInactiveEffect(Text(key, "iebrightness"));
}
void IniKeyLoader::Visit(const KeyInfo& key, MorphKind& field) {
  field = ParseMorphKind(Text(key, "mkdefault"));
}
void IniKeyLoader::Visit(const KeyInfo& key, ButtonCommand& field) {
  field = ParseButtonCommand(Text(key, "cmdefault"));
}

void IniKeySaver::Visit(const KeyInfo& key, std::string& field) {
  ini_.WriteString(section_, key.name, field);
}
void IniKeySaver::Visit(const KeyInfo& key, int& field) { ini_.WriteInteger(section_, key.name, field); }
void IniKeySaver::Visit(const KeyInfo& key, ColorRef& field) {
  WriteColor(ini_, section_, key.name, field);
}
void IniKeySaver::Visit(const KeyInfo& key, bool& field) {
  WriteBoolean(ini_, section_, key.name, field);
}
void IniKeySaver::Visit(const KeyInfo& key, Point& field) { WritePoint(ini_, section_, key.name, field); }
void IniKeySaver::Visit(const KeyInfo& key, Rect& field) { WriteRect(ini_, section_, key.name, field); }
void IniKeySaver::Visit(const KeyInfo& key, FontStyle& field) {
  WriteFontStyle(ini_, section_, key.name, field);
}
void IniKeySaver::Visit(const KeyInfo& key, Alignment& field) {
  WriteAlignment(ini_, section_, key.name, field);
}
void IniKeySaver::Visit(const KeyInfo& key, StretchType& field) {
  WriteStretchType(ini_, section_, key.name, field);
}
void IniKeySaver::Visit(const KeyInfo& key, InactiveEffect& field) {
  WriteInactiveEffect(ini_, section_, key.name, field);
}
void IniKeySaver::Visit(const KeyInfo& key, MorphKind& field) {
  WriteMorphKind(ini_, section_, key.name, field);
}
void IniKeySaver::Visit(const KeyInfo& key, ButtonCommand& field) {
  WriteButtonCommand(ini_, section_, key.name, field);
}

}  // namespace zv
