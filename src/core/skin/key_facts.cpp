#include "core/skin/key_facts.h"

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
KeyFact WordFact(std::string_view key, std::string_view missing, std::string_view typeDefault, int count) {
  KeyFact fact;
  fact.name = key;
  fact.type = KeyType::kWord;
  fact.missing = missing.empty() ? typeDefault : missing;
  fact.knownWord = IsKnownWord<E, Parse, WordOf>;
  fact.words = WordList<E, WordOf>(count);
  return fact;
}

}  // namespace

void KeyFactCollector::Add(std::string_view key, KeyType type, std::string_view missing, std::string_view typeDefault) {
  KeyFact fact;
  fact.name = key;
  fact.type = type;
  fact.missing = missing.empty() ? typeDefault : missing;
  fact.pictureIndex = type == KeyType::kInteger && key.ends_with("pictureindex");
  fact.drawnRect = type == KeyType::kRect && (key.ends_with("skinrect") || key.starts_with("restore") ||
                                              key == "downrect" || key.ends_with("framerect"));
  facts.push_back(fact);
}

void KeyFactCollector::Visit(std::string_view key, std::string&, std::string_view missing) {
  Add(key, KeyType::kText, missing, "");
}
void KeyFactCollector::Visit(std::string_view key, int&, std::string_view missing) {
  Add(key, KeyType::kInteger, missing, "0");
}
void KeyFactCollector::Visit(std::string_view key, ColorRef&, std::string_view missing) {
  Add(key, KeyType::kColor, missing, "0");
}
void KeyFactCollector::Visit(std::string_view key, bool&, std::string_view) { Add(key, KeyType::kBoolean, "", "0"); }
void KeyFactCollector::Visit(std::string_view key, Point&, std::string_view missing) {
  Add(key, KeyType::kPoint, missing, "0,0");
}
void KeyFactCollector::Visit(std::string_view key, Rect&, std::string_view missing) {
  Add(key, KeyType::kRect, missing, "0,0,0,0");
}
void KeyFactCollector::Visit(std::string_view key, FontStyle&, std::string_view missing) {
  Add(key, KeyType::kFontStyle, missing, "");
}
void KeyFactCollector::Visit(std::string_view key, Alignment&, std::string_view missing) {
  facts.push_back(WordFact<Alignment, ParseAlignment, AlignmentWord>(key, missing, "tacenter", 3));
}
void KeyFactCollector::Visit(std::string_view key, StretchType&, std::string_view missing) {
  facts.push_back(WordFact<StretchType, ParseStretchType, StretchTypeWord>(key, missing, "stfull", 3));
}
void KeyFactCollector::Visit(std::string_view key, InactiveEffect&, std::string_view missing) {
  facts.push_back(WordFact<InactiveEffect, ParseInactiveEffect, InactiveEffectWord>(key, missing, "iebrightness", 6));
}
void KeyFactCollector::Visit(std::string_view key, MorphKind&, std::string_view missing) {
  facts.push_back(WordFact<MorphKind, ParseMorphKind, MorphKindWord>(key, missing, "mkdefault", 7));
}
void KeyFactCollector::Visit(std::string_view key, ButtonCommand&, std::string_view missing) {
  facts.push_back(WordFact<ButtonCommand, ParseButtonCommand, ButtonCommandWord>(key, missing, "cmdefault", 7));
}

}  // namespace zv
