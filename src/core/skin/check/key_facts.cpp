#include "core/skin/check/key_facts.h"

#include <string>

namespace zv {
namespace {

// The reader maps every unknown word to some value; only the words that
// write back as themselves are the ones it knows.
template <class E, E (*Parse)(std::string_view), std::string_view (*WordOf)(E)>
bool IsKnownWord(std::string_view text) {
  return WordOf(Parse(text)) == text;
}

// The known words of an enumeration joined with ", ", made once.
template <class E, std::string_view (*WordOf)(E)>
std::string_view WordList(int count) {
  static const std::string list = [count] {
    std::string out;
    for (int i = 0; i < count; ++i) out.append(i == 0 ? "" : ", ").append(WordOf(static_cast<E>(i)));
    return out;
  }();
  return list;
}

template <class E, E (*Parse)(std::string_view), std::string_view (*WordOf)(E)>
KeyFact WordFact(const KeyInfo& key, std::string_view typeDefault, int count) {
  KeyFact fact{key.name, KeyType::kWord, key.missing.empty() ? typeDefault : key.missing, key.unit, nullptr, {}};
  fact.knownWord = IsKnownWord<E, Parse, WordOf>;
  fact.words = WordList<E, WordOf>(count);
  return fact;
}

}  // namespace

void KeyFactCollector::Add(const KeyInfo& key, KeyType type, std::string_view typeDefault) {
  facts.push_back({key.name, type, key.missing.empty() ? typeDefault : key.missing, key.unit, nullptr, {}});
}

void KeyFactCollector::Visit(const KeyInfo& key, std::string&) { Add(key, KeyType::kText, ""); }
void KeyFactCollector::Visit(const KeyInfo& key, int&) { Add(key, KeyType::kInteger, "0"); }
void KeyFactCollector::Visit(const KeyInfo& key, ColorRef&) { Add(key, KeyType::kColor, "0"); }
void KeyFactCollector::Visit(const KeyInfo& key, bool&) { Add(key, KeyType::kBoolean, "0"); }
void KeyFactCollector::Visit(const KeyInfo& key, Point&) { Add(key, KeyType::kPoint, "0,0"); }
void KeyFactCollector::Visit(const KeyInfo& key, Rect&) { Add(key, KeyType::kRect, "0,0,0,0"); }
void KeyFactCollector::Visit(const KeyInfo& key, FontStyle&) { Add(key, KeyType::kFontStyle, ""); }
void KeyFactCollector::Visit(const KeyInfo& key, Alignment&) {
  facts.push_back(WordFact<Alignment, ParseAlignment, AlignmentWord>(key, "tacenter", 3));
}
void KeyFactCollector::Visit(const KeyInfo& key, StretchType&) {
  facts.push_back(WordFact<StretchType, ParseStretchType, StretchTypeWord>(key, "stfull", 3));
}
void KeyFactCollector::Visit(const KeyInfo& key, InactiveEffect&) {
  facts.push_back(WordFact<InactiveEffect, ParseInactiveEffect, InactiveEffectWord>(key, "iebrightness", 6));
}
void KeyFactCollector::Visit(const KeyInfo& key, MorphKind&) {
  facts.push_back(WordFact<MorphKind, ParseMorphKind, MorphKindWord>(key, "mkdefault", 7));
}
void KeyFactCollector::Visit(const KeyInfo& key, ButtonCommand&) {
  facts.push_back(WordFact<ButtonCommand, ParseButtonCommand, ButtonCommandWord>(key, "cmdefault", 7));
}

}  // namespace zv
