#pragma once
// zorvane-cli skin: look into compressed skin files and take them apart.
#include <string>
#include <vector>

#include "core/platform/files.h"

namespace zv {

// The package inside a compressed skin file, unpacked. A file that holds no
// package or one of a newer version is an error here, so the user learns why.
std::vector<std::uint8_t> UnpackSkinFile(const std::string& fileBytes);

// Writes the pictures as picture.bmp, inactivepicture.bmp, mask.bmp and
// activepicture0.bmp, 1, ... (each byte for byte as packed; absent pictures
// are skipped) and skin.ini with the definition text. Returns the paths written.
std::vector<std::string> RunSkinUnpack(Files& files, const std::string& skinFile, const std::string& outDir);

// Format version, flags, picture sizes and bit depths, counts.
std::string RunSkinInfo(Files& files, const std::string& skinFile);

int SkinMain(const std::vector<std::string>& args);

}  // namespace zv
