#pragma once
// Gathering a package from a skin folder: skin.ini's lines and the BMP files
// its PICTURES section names. Reading the definition itself is the caller's
// part (BuildFromSkinIni: load the lines, parse them, check the required
// sections, take the names, then LoadSkinFolder and Pack).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/files.h"
#include "core/skin/ini_text.h"
#include "core/skin/package.h"

namespace zv {

// The picture file names of PICTURES, relative to the folder of skin.ini.
struct PackagePictureNames {
  std::string picture;          // "picture"; empty: none
  std::string inactivePicture;  // "inactivepicture"; empty: none
  std::string mask;             // "mask"; empty: none
  std::vector<std::string> activePictures;  // the list "activepictures"
};

// The sections a skin.ini needs before a package is built from it.
inline constexpr const char* kRequiredSkinSections[] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS",
                                                        "SKINCONTROLS"};

// The first required section `ini` lacks, or nullopt.
std::optional<std::string> FirstMissingSkinSection(const IniText& ini);

// The folder part of a path including its final separator ("\", "/" or a
// drive's ":"); empty when there is none.
std::string FolderPart(std::string_view path);

// Loads every named picture from folder + name (a missing file raises the
// file error, a bad picture EInvalidGraphic, pictures beyond a package's
// PictureBudget zv::Error) and takes `lines` as the definition text, each
// line followed by CR LF.
SkinPackage LoadSkinFolder(Files& files, const std::string& folder, const PackagePictureNames& names,
                           const std::vector<std::string>& lines);

}  // namespace zv
