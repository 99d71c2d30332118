#pragma once
// zorvane-cli skin: look into compressed skin files and take them apart.
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "cli/skin_input.h"
#include "core/platform/files.h"

namespace zv {

// The stored-skin stream built into this program; set once by main.
void SetEmbeddedSkin(std::span<const std::uint8_t> stream);
// Throws when no stream was set.
std::string EmbeddedSkinBytes();

// Builds a compressed skin file (one stored-skin stream) from a skin folder
// or its skin.ini and the pictures it names, after the skin check: an error
// finding stops it (zv::Error), the warnings are returned.
std::vector<SkinFinding> RunSkinPack(Files& files, const std::string& source, const std::string& outFile);

// The file names unpack writes, each unique as Windows compares names:
// ignoring ASCII case and trailing dots and blanks, "skin.ini" kept for the
// definition.
class UnpackNames {
 public:
  UnpackNames();
  // `defined` when it is a plain file name not taken yet: no folder, drive,
  // stream or dot entry, no character Windows refuses in a name, no device
  // name and no short-name alias ("NAME~1"). Otherwise `fallback`, or when
  // that is taken too, `fallback` with " (2)", " (3)", ... before its extension.
  std::string Take(const std::string& defined, const std::string& fallback);

 private:
  std::unordered_set<std::string> taken_;
  std::unordered_map<std::string, int> nextSuffix_;  // per fallback key
};

// Writes the pictures as picture.bmp, inactivepicture.bmp, mask.bmp and
// activepicture0.bmp, 1, ... or the names PICTURES gives them (see
// UnpackNames; each byte for byte as packed; absent pictures are skipped) and
// skin.ini with the definition text. Returns the paths written.
// A folder that is not empty is refused unless `force`.
std::vector<std::string> RunSkinUnpack(Files& files, const std::string& skinFile, const std::string& outDir,
                                       bool force = false);
std::vector<std::string> UnpackSkinBytes(Files& files, const std::string& fileBytes, const std::string& outDir,
                                         const std::string& shown = "the skin file");

// Format version, flags, picture sizes, bit depths and names, counts,
// VERSION strings, and the object and control lists with their indexes.
std::string RunSkinInfo(Files& files, const std::string& skinFile);
std::string SkinInfoText(const std::string& fileBytes, const std::string& shown = "the skin file");

// For skin --help: the caption objects' and controls' names of the skin
// after the subcommand, or of the embedded one.
std::string SkinNamesHelp(const std::vector<std::string>& args);

int SkinMain(const std::vector<std::string>& args);

}  // namespace zv
