#pragma once
// A whole skin definition read in the order the skin data needs it:
// VERSION, PICTURES, FORMINFO, POPUPWINDOW, HINTWINDOW, SKINCOLORS,
// SKINOBJECTS, SKINCONTROLS.
#include <memory>
#include <string_view>
#include <vector>

#include "core/skin/control_records.h"
#include "core/skin/global_sections.h"
#include "core/skin/ini_text.h"
#include "core/skin/object_records.h"

namespace zv {

using ObjectRecords = std::vector<std::unique_ptr<TzsDataSkinObject>>;
using ControlRecords = std::vector<std::unique_ptr<TzsDataSkinControl>>;

// Object and control records of one definition together; the embedded skin
// has 77.
constexpr std::size_t kMaxSkinRecords = 4096;

// Reads a list section ("count", then "0", "1", ... each "name:typeword"):
// appends one loaded record per entry whose type word is known, in index
// order; other entries are skipped. Only keys present in the section are
// visited, so a huge "count" costs nothing. The entries are taken from
// `budget` (the records still allowed) before any record is made; more
// entries than that raise zv::Error.
void ReadObjectList(const IniText& ini, std::string_view section, ObjectRecords& target, std::size_t& budget);
void ReadControlList(const IniText& ini, std::string_view section, ControlRecords& target, std::size_t& budget);

struct SkinDefinition {
  SkinVersionInfo version;
  SkinPictureNames pictures;
  SkinFormInfo formInfo;
  TzsDataSkinPopupWindow popupWindow;
  TzsDataSkinHintWindow hintWindow;
  TzsSkinColors colors;
  ObjectRecords objects;
  ControlRecords controls;
};

// Reads every section. Missing sections read as defaults; an unreadable
// point or rect throws ConvertError, an absurd list count or more than
// kMaxSkinRecords records zv::Error.
SkinDefinition ReadSkinDefinition(const IniText& ini);
SkinDefinition ParseSkinDefinition(std::string_view text);

}  // namespace zv
