#pragma once
// What a record's key table says about each key, as plain data: its name,
// value type, default text and role. Tools read it (the skin check, the key
// reference) so they know exactly the keys the loader reads.
#include <string_view>
#include <vector>

#include "core/skin/record_keys.h"

namespace zv {

enum class KeyType { kText, kInteger, kColor, kBoolean, kPoint, kRect, kFontStyle, kWord };

struct KeyFact {
  std::string_view name;
  KeyType type = KeyType::kText;
  std::string_view missing;       // what a missing key reads as, in the definition's spelling
  KeyUnit unit = KeyUnit::kNone;  // kIndex: an active picture; kLook: a rectangle of it that is drawn
  // kWord: whether a value is one of the words the reader knows, and those words.
  bool (*knownWord)(std::string_view) = nullptr;
  std::string_view words;
};

// Every key `record.VisitKeys` hands out, in table order.
template <class R>
std::vector<KeyFact> KeyFactsOf(R& record);

class KeyFactCollector : public KeyVisitor {
 public:
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

  std::vector<KeyFact> facts;

 private:
  void Add(const KeyInfo& key, KeyType type, std::string_view typeDefault);
};

template <class R>
std::vector<KeyFact> KeyFactsOf(R& record) {
  KeyFactCollector collector;
  record.VisitKeys(collector);
  return std::move(collector.facts);
}

}  // namespace zv
