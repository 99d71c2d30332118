#include "core/skin/skin_definition.h"

#include <algorithm>

namespace zv {
namespace {

// The index a list key stands for when it is written the way the reader
// forms it (decimal, no sign, no leading zero) and is below `count`.
std::optional<int> ListIndex(std::string_view key, int count) {
  if (key.empty() || (key.size() > 1 && key.front() == '0')) return std::nullopt;
  if (!std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  const auto value = ParseIniInteger(key);
  if (!value || *value >= count) return std::nullopt;
  return value;
}

// Every entry may become a record, so they are counted against the budget
// before any record is made.
template <class Records, class Create>
void ReadList(const IniText& ini, std::string_view section, Records& target, Create create, std::size_t& budget) {
  const int count = ini.ReadInteger(section, "count", 0);
  if (count <= 0) return;
  std::vector<int> indexes;
  for (const std::string_view key : ini.Keys(section)) {
    if (const auto index = ListIndex(key, count)) indexes.push_back(*index);
  }
  std::sort(indexes.begin(), indexes.end());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  if (indexes.size() > budget) {
    throw Error("a skin definition lists at most " + std::to_string(kMaxSkinRecords) + " records");
  }
  budget -= indexes.size();
  for (const int index : indexes) {
    const std::string entry = ini.ReadString(section, std::to_string(index), "");
    const std::size_t colon = entry.find(':');
    if (colon == std::string::npos) continue;
    auto record = create(std::string_view(entry).substr(colon + 1), entry.substr(0, colon));
    if (!record) continue;
    record->LoadFromIni(ini);
    target.push_back(std::move(record));
  }
}

}  // namespace

void ReadObjectList(const IniText& ini, std::string_view section, ObjectRecords& target, std::size_t& budget) {
  ReadList(ini, section, target, CreateObjectRecord, budget);
}

void ReadControlList(const IniText& ini, std::string_view section, ControlRecords& target, std::size_t& budget) {
  ReadList(ini, section, target, CreateControlRecord, budget);
}

SkinDefinition ReadSkinDefinition(const IniText& ini) {
  SkinDefinition skin;
  skin.version.LoadFromIni(ini);
  skin.pictures.LoadFromIni(ini);
  skin.formInfo.LoadFromIni(ini, !skin.pictures.mask.empty());
  skin.popupWindow.LoadFromIni(ini);
  skin.hintWindow.LoadFromIni(ini);
  skin.colors.LoadFromIni(ini);
  std::size_t budget = kMaxSkinRecords;
  ReadObjectList(ini, "SKINOBJECTS", skin.objects, budget);
  ReadControlList(ini, "SKINCONTROLS", skin.controls, budget);
  return skin;
}

SkinDefinition ParseSkinDefinition(std::string_view text) { return ReadSkinDefinition(IniText::Parse(text)); }

}  // namespace zv
