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
  std::string_view missing;   // what a missing key reads as, in the definition's spelling
  bool pictureIndex = false;  // an index into the active pictures
  bool drawnRect = false;     // a rectangle of the record's picture that is drawn
  // kWord: whether a value is one of the words the reader knows, and those words.
  bool (*knownWord)(std::string_view) = nullptr;
  std::string_view words;
};

// Every key `record.VisitKeys` hands out, in table order.
template <class R>
std::vector<KeyFact> KeyFactsOf(R& record);

class KeyFactCollector : public KeyVisitor {
 public:
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

  std::vector<KeyFact> facts;

 private:
  void Add(std::string_view key, KeyType type, std::string_view missing, std::string_view typeDefault);
};

template <class R>
std::vector<KeyFact> KeyFactsOf(R& record) {
  KeyFactCollector collector;
  record.VisitKeys(collector);
  return std::move(collector.facts);
}

}  // namespace zv
