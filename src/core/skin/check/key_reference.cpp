#include "core/skin/check/key_reference.h"

#include <algorithm>

#include "core/skin/check/key_facts.h"
#include "core/skin/control_records.h"
#include "core/skin/global_sections.h"
#include "core/skin/object_records.h"

namespace zv {
namespace {

struct TypeText {
  const char* name;
  const char* example;
};

// Indexed by KeyType.
constexpr TypeText kTypes[] = {
    {"text", "any text"},
    {"integer", "3"},
    {"colour", "16111036"},
    {"boolean", "1"},
    {"point", "9,29"},
    {"rect", "5,4,280,24"},
    {"font style", "fsbold,fsitalic"},
    {"word", ""},
};

const char* UnitText(KeyUnit unit) {
  switch (unit) {
    case KeyUnit::kPixels:
      return "pixels";
    case KeyUnit::kLook:
      return "pixels of the record's picture, drawn";
    case KeyUnit::kCut:
      return "pixels from the picture rectangle's top-left corner";
    case KeyUnit::kIndex:
      return "active picture index, -1 none";
    case KeyUnit::kCount:
      return "frames";
    case KeyUnit::kMilliseconds:
      return "milliseconds";
    case KeyUnit::kAlpha:
      return "0..255";
    case KeyUnit::kNone:
      break;
  }
  return "";
}

bool Listed(const std::vector<KeyFact>& facts, std::string_view name) {
  return std::any_of(facts.begin(), facts.end(), [&](const KeyFact& f) { return f.name == name; });
}

// One table row a key, leaving out the keys of `base`.
std::string Table(const std::vector<KeyFact>& facts, const std::vector<KeyFact>& base = {}) {
  std::string out = "| Key | Type | Unit | Missing | Example |\n|---|---|---|---|---|\n";
  for (const KeyFact& f : facts) {
    if (Listed(base, f.name)) continue;
    const TypeText& type = kTypes[static_cast<int>(f.type)];
    const std::string typeText = f.type == KeyType::kWord ? std::string(f.words) : type.name;
    const std::string example =
        f.type == KeyType::kWord ? std::string(f.words.substr(0, f.words.find(','))) : type.example;
    out += "| " + std::string(f.name) + " | " + typeText + " | " + UnitText(f.unit) + " | " +
           (f.missing.empty() ? "(empty)" : std::string(f.missing)) + " | " + example + " |\n";
  }
  return out;
}

template <class R>
std::string Section(const char* name, R record, const char* extra = "") {
  return "### [" + std::string(name) + "]\n\n" + extra + Table(KeyFactsOf(record)) + "\n";
}

template <class Create, class Base>
std::string RecordTypes(const char* title, std::span<const std::string_view> words, Create create, Base base) {
  const std::vector<KeyFact> baseFacts = KeyFactsOf(base);
  std::string out = "### Every " + std::string(title) + "\n\n" + Table(baseFacts) + "\n";
  for (const std::string_view word : words) {
    auto record = create(word, "x");
    out += "#### " + std::string(title) + " type `" + std::string(word) + "`, its own keys\n\n" +
           Table(KeyFactsOf(*record), baseFacts) + "\n";
  }
  return out;
}

}  // namespace

std::string SkinKeyReference() {
  std::string out =
      "Colours are 0x00BBGGRR written in decimal (16111036 is 0xF5D5BC); 0xFF0000nn names system colour nn. "
      "A boolean is true only when it is 1. \"Missing\" is what an absent key reads as.\n\n";
  out += Section("VERSION", SkinVersionInfo{}, "The key \"ver\" is accepted and not read.\n\n");
  out += Section("PICTURES", SkinPictureNames{},
                 "Files relative to skin.ini's folder, BMP or PNG. The list: \"activepicturescount\", then "
                 "\"0\", \"1\", ... each an active picture's file; picture indexes count in it.\n\n");
  out += Section("FORMINFO", SkinFormInfo{}, "Coordinates are pixels of the main picture.\n\n");
  out += Section("POPUPWINDOW", TzsDataSkinPopupWindow{});
  out += Section("HINTWINDOW", TzsDataSkinHintWindow{});
  out += Section("SKINCOLORS", TzsSkinColors{});
  out +=
      "### [SKINOBJECTS] and [SKINCONTROLS]\n\n\"count\", then \"0\", \"1\", ... each NAME:TYPE; "
      "each listed record reads the section [NAME].\n\n";
  out += RecordTypes("object", ObjectTypeWords(), CreateObjectRecord, TzsDataSkinObject("x"));
  out += RecordTypes("control", ControlTypeWords(), CreateControlRecord, TzsDataSkinControl("x"));
  return out;
}

}  // namespace zv
