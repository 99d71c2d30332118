#pragma once
// Skin records describe their keys once, in a table of (key, member,
// missing text). Loading and storing both walk the same table through a
// KeyVisitor, so a key cannot be read without being written or the other way
// round. The member's type selects the value type.
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/skin/ini_text.h"
#include "core/skin/values.h"

namespace zv {

// Receives each key of a record with a reference to its field. `missing` is
// the text a missing key reads as; empty means the type's own default.
class KeyVisitor {
 public:
  virtual ~KeyVisitor() = default;
  virtual void Visit(std::string_view key, std::string& field, std::string_view missing) = 0;
  virtual void Visit(std::string_view key, int& field, std::string_view missing) = 0;
  virtual void Visit(std::string_view key, ColorRef& field, std::string_view missing) = 0;
  virtual void Visit(std::string_view key, bool& field, std::string_view missing) = 0;
  virtual void Visit(std::string_view key, Point& field, std::string_view missing) = 0;
  virtual void Visit(std::string_view key, Rect& field, std::string_view missing) = 0;
  virtual void Visit(std::string_view key, FontStyle& field, std::string_view missing) = 0;
  virtual void Visit(std::string_view key, Alignment& field, std::string_view missing) = 0;
  virtual void Visit(std::string_view key, StretchType& field, std::string_view missing) = 0;
  virtual void Visit(std::string_view key, InactiveEffect& field, std::string_view missing) = 0;
  virtual void Visit(std::string_view key, MorphKind& field, std::string_view missing) = 0;
  virtual void Visit(std::string_view key, ButtonCommand& field, std::string_view missing) = 0;
};

template <class R>
using FieldOf = std::variant<std::string R::*, int R::*, ColorRef R::*, bool R::*, Point R::*, Rect R::*,
                             FontStyle R::*, Alignment R::*, StretchType R::*, InactiveEffect R::*,
                             MorphKind R::*, ButtonCommand R::*>;

template <class R>
struct KeyDef {
  std::string_view key;
  FieldOf<R> field;
  std::string_view missing = {};
};

template <class R>
void VisitTable(R& record, std::span<const KeyDef<R>> table, KeyVisitor& visitor) {
  for (const KeyDef<R>& def : table) {
    std::visit([&](auto member) { visitor.Visit(def.key, record.*member, def.missing); }, def.field);
  }
}

// Reads every visited key of `section` with the value readers.
class IniKeyLoader : public KeyVisitor {
 public:
  IniKeyLoader(const IniText& ini, std::string_view section) : ini_(ini), section_(section) {}
  void Visit(std::string_view key, std::string& field, std::string_view missing) override;
  void Visit(std::string_view key, int& field, std::string_view missing) override;
  void Visit(std::string_view key, ColorRef& field, std::string_view missing) override;
  void Visit(std::string_view key, bool& field, std::string_view missing) override;
  void Visit(std::string_view key, Point& field, std::string_view missing) override;
  void Visit(std::string_view key, Rect& field, std::string_view missing) override;
  void Visit(std::string_view key, FontStyle& field, std::string_view missing) override;
  void Visit(std::string_view key, Alignment& field, std::string_view missing) override;
  void Visit(std::string_view key, StretchType& field, std::string_view missing) override;
  void Visit(std::string_view key, InactiveEffect& field, std::string_view missing) override;
  void Visit(std::string_view key, MorphKind& field, std::string_view missing) override;
  void Visit(std::string_view key, ButtonCommand& field, std::string_view missing) override;

 private:
  std::string_view Text(std::string_view key, std::string_view missing, std::string_view typeDefault) const;

  const IniText& ini_;
  std::string_view section_;
};

// Writes every visited field under its key with the value writers. Fields
// are only read.
class IniKeySaver : public KeyVisitor {
 public:
  IniKeySaver(IniText& ini, std::string_view section) : ini_(ini), section_(section) {}
  void Visit(std::string_view key, std::string& field, std::string_view missing) override;
  void Visit(std::string_view key, int& field, std::string_view missing) override;
  void Visit(std::string_view key, ColorRef& field, std::string_view missing) override;
  void Visit(std::string_view key, bool& field, std::string_view missing) override;
  void Visit(std::string_view key, Point& field, std::string_view missing) override;
  void Visit(std::string_view key, Rect& field, std::string_view missing) override;
  void Visit(std::string_view key, FontStyle& field, std::string_view missing) override;
  void Visit(std::string_view key, Alignment& field, std::string_view missing) override;
  void Visit(std::string_view key, StretchType& field, std::string_view missing) override;
  void Visit(std::string_view key, InactiveEffect& field, std::string_view missing) override;
  void Visit(std::string_view key, MorphKind& field, std::string_view missing) override;
  void Visit(std::string_view key, ButtonCommand& field, std::string_view missing) override;

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
