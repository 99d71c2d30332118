#pragma once
// Skin records describe their keys once, in a table of (key, member, unit,
// missing text). Loading, storing and scaling all walk the same table
// through a KeyVisitor, so a key cannot be read without being written or the
// other way round. The member's type selects the value type; the unit says
// what the number measures.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/skin/ini_text.h"
#include "core/skin/values.h"

namespace zv {

// What a key's number measures. Integers, points and rectangles always name
// one; text, flags, words and colours have none. Every pixel quantity
// (kPixels, kLook, kCut) scales with the display; the others never do.
enum class KeyUnit : std::uint8_t {
  kNone,
  kPixels,        // a length, offset or position in pixels: layout, fonts
  kLook,          // a rectangle of the record's picture that is drawn
  kCut,           // a cut of the record's picture rectangle, from its top-left corner
  kIndex,         // a picture index, -1 for none
  kCount,         // frames in a strip
  kMilliseconds,  // a timer's interval
  kAlpha,         // an opacity from 0 to 255
};

constexpr bool IsPixelUnit(KeyUnit unit) {
  return unit == KeyUnit::kPixels || unit == KeyUnit::kLook || unit == KeyUnit::kCut;
}

// One key as a visitor sees it. `missing` is the text a missing key reads
// as; empty means the type's own default.
struct KeyInfo {
  std::string_view name;
  std::string_view missing;
  KeyUnit unit = KeyUnit::kNone;
};

// Receives each key of a record with a reference to its field.
class KeyVisitor {
 public:
  virtual ~KeyVisitor() = default;
  virtual void Visit(const KeyInfo& key, std::string& field) = 0;
  virtual void Visit(const KeyInfo& key, int& field) = 0;
  virtual void Visit(const KeyInfo& key, ColorRef& field) = 0;
  virtual void Visit(const KeyInfo& key, bool& field) = 0;
  virtual void Visit(const KeyInfo& key, Point& field) = 0;
  virtual void Visit(const KeyInfo& key, Rect& field) = 0;
  virtual void Visit(const KeyInfo& key, FontStyle& field) = 0;
  virtual void Visit(const KeyInfo& key, Alignment& field) = 0;
  virtual void Visit(const KeyInfo& key, StretchType& field) = 0;
  virtual void Visit(const KeyInfo& key, InactiveEffect& field) = 0;
  virtual void Visit(const KeyInfo& key, MorphKind& field) = 0;
  virtual void Visit(const KeyInfo& key, ButtonCommand& field) = 0;
};

template <class R>
using FieldOf = std::variant<std::string R::*, int R::*, ColorRef R::*, bool R::*, Point R::*, Rect R::*,
                             FontStyle R::*, Alignment R::*, StretchType R::*, InactiveEffect R::*,
                             MorphKind R::*, ButtonCommand R::*>;

template <class R>
struct KeyDef {
  KeyDef(std::string_view name, FieldOf<R> member, std::string_view missing = {})
      : info{name, missing, KeyUnit::kNone}, field(member) {}
  KeyDef(std::string_view name, FieldOf<R> member, KeyUnit unit, std::string_view missing = {})
      : info{name, missing, unit}, field(member) {}
  KeyInfo info;
  FieldOf<R> field;
};

template <class R>
void VisitTable(R& record, std::span<const KeyDef<R>> table, KeyVisitor& visitor) {
  for (const KeyDef<R>& def : table) {
    std::visit([&](auto member) { visitor.Visit(def.info, record.*member); }, def.field);
  }
}

// Reads every visited key of `section` with the value readers.
class IniKeyLoader : public KeyVisitor {
 public:
  IniKeyLoader(const IniText& ini, std::string_view section) : ini_(ini), section_(section) {}
  void Visit(const KeyInfo& key, std::string& field) override;
  void Visit(const KeyInfo& key, int& field) override;
  void Visit(const KeyInfo& key, ColorRef& field) override;
  void Visit(const KeyInfo& key, bool& field) override;
  void Visit(const KeyInfo& key, Point& field) override;
  void Visit(const KeyInfo& key, Rect& field) override;
  void Visit(const KeyInfo& key, FontStyle& field) override;
  void Visit(const KeyInfo& key, Alignment& field) override;
  void Visit(const KeyInfo& key, StretchType& field) override;
  void Visit(const KeyInfo& key, InactiveEffect& field) override;
  void Visit(const KeyInfo& key, MorphKind& field) override;
  void Visit(const KeyInfo& key, ButtonCommand& field) override;

 private:
  std::string_view Text(const KeyInfo& key, std::string_view typeDefault) const;

  const IniText& ini_;
  std::string_view section_;
};

// Writes every visited field under its key with the value writers. Fields
// are only read.
class IniKeySaver : public KeyVisitor {
 public:
  IniKeySaver(IniText& ini, std::string_view section) : ini_(ini), section_(section) {}
  void Visit(const KeyInfo& key, std::string& field) override;
  void Visit(const KeyInfo& key, int& field) override;
  void Visit(const KeyInfo& key, ColorRef& field) override;
  void Visit(const KeyInfo& key, bool& field) override;
  void Visit(const KeyInfo& key, Point& field) override;
  void Visit(const KeyInfo& key, Rect& field) override;
  void Visit(const KeyInfo& key, FontStyle& field) override;
  void Visit(const KeyInfo& key, Alignment& field) override;
  void Visit(const KeyInfo& key, StretchType& field) override;
  void Visit(const KeyInfo& key, InactiveEffect& field) override;
  void Visit(const KeyInfo& key, MorphKind& field) override;
  void Visit(const KeyInfo& key, ButtonCommand& field) override;

 private:
  IniText& ini_;
  std::string_view section_;
};

// Reads the keys `record.VisitKeys` names from `section`.
template <class R>
void LoadKeys(R& record, const IniText& ini, std::string_view section) {
  IniKeyLoader loader(ini, section);
  record.VisitKeys(loader);
}

// Erases `section`, then writes every key `record.VisitKeys` names. The
// saver only reads the fields, so visiting a const record is safe.
template <class R>
void SaveKeys(const R& record, IniText& ini, std::string_view section) {
  ini.EraseSection(section);
  IniKeySaver saver(ini, section);
  const_cast<R&>(record).VisitKeys(saver);
}

}  // namespace zv
