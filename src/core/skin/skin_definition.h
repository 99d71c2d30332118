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

// Reads a list section ("count", then "0", "1", ... each "name:typeword"):
// appends one loaded record per entry whose type word is known, in index
// order; other entries are skipped. Only keys present in the section are
// visited, so a huge "count" costs nothing.
void ReadObjectList(const IniText& ini, std::string_view section, ObjectRecords& target);
void ReadControlList(const IniText& ini, std::string_view section, ControlRecords& target);

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
// point or rect throws ConvertError, an absurd list count zv::Error.
SkinDefinition ReadSkinDefinition(const IniText& ini);
SkinDefinition ParseSkinDefinition(std::string_view text);

}  // namespace zv
