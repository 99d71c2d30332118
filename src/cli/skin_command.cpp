#include "cli/skin_command.h"

#include <iostream>

#include "cli/cli_error.h"
#include "cli/skin_render.h"
#include "cli/std_platform.h"
#include "cli/terminal_text.h"
#include "core/base/byte_stream.h"
#include "core/base/string_list.h"
#include "core/skin/package.h"
#include "core/skin/stored_skin.h"

namespace zv {

namespace {

using Image = std::optional<std::span<const std::uint8_t>>;

struct NamedPicture {
  const char* name;  // the file name unpack uses, without ".bmp"
  Image PackageLayout::*image;
};

constexpr NamedPicture kFlaggedPictures[] = {
    {"picture", &PackageLayout::picture},
    {"inactivepicture", &PackageLayout::inactivePicture},
    {"mask", &PackageLayout::mask},
};

std::string WithSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
  return dir;
}

std::string Describe(std::span<const std::uint8_t> image) {
  const BmpInfo info = ReadBmpInfo(image);
  return std::to_string(info.width) + " x " + std::to_string(info.height) + ", " + std::to_string(info.bitCount) +
         "-bit, " + std::to_string(image.size()) + " bytes";
}

int CountLines(std::span<const std::uint8_t> text) {
  int lines = 0;
  ForEachLine(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()),
              [&](std::string_view) { ++lines; });
  return lines;
}

}  // namespace

std::vector<std::uint8_t> UnpackSkinFile(const std::string& fileBytes) {
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(fileBytes.data()), fileBytes.size());
  ByteReader stream(bytes);
  TzsCompressedStoredSkin skin;
  skin.ReadSkinStream(stream);
  const std::int32_t version = LoadI32(bytes, 0);  // ReadSkinStream has read it, so it is there
  if (!IsAcceptedVersion(version)) throw Error("skin file version " + std::to_string(version) + " is newer than 3");
  if (skin.IsEmpty()) throw Error("the skin file holds no package");
  std::vector<std::uint8_t> package;
  skin.Unpack(package);
  return package;
}

std::vector<std::string> RunSkinUnpack(Files& files, const std::string& skinFile, const std::string& outDir) {
  const std::vector<std::uint8_t> package = UnpackSkinFile(files.ReadAll(skinFile));
  const PackageLayout layout = ParsePackage(package);
  if (!IsAcceptedVersion(layout.version)) {
    throw Error("package version " + std::to_string(layout.version) + " is newer than 3");
  }
  const std::string dir = WithSeparator(outDir);
  std::vector<std::string> written;
  auto write = [&](const std::string& name, std::span<const std::uint8_t> bytes) {
    const std::string path = dir + name;
    files.WriteAtomic(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    written.push_back(path);
  };
  for (const auto& named : kFlaggedPictures) {
    if (const Image& image = layout.*named.image) write(std::string(named.name) + ".bmp", *image);
  }
  for (std::size_t i = 0; i < layout.activePictures.size(); ++i) {
    write("activepicture" + std::to_string(i) + ".bmp", layout.activePictures[i]);
  }
  write("skin.ini", layout.definitionText);
  return written;
}

std::string RunSkinInfo(Files& files, const std::string& skinFile) {
  const std::string fileBytes = files.ReadAll(skinFile);
  const std::vector<std::uint8_t> package = UnpackSkinFile(fileBytes);
  const PackageLayout layout = ParsePackage(package);
  std::string out = "skin file: stored-skin stream version " +
                    std::to_string(LoadI32({reinterpret_cast<const std::uint8_t*>(fileBytes.data()), 4}, 0)) + ", " +
                    std::to_string(fileBytes.size() - 8) + " compressed bytes\n";
  out += "package: version " + std::to_string(layout.version) + ", " + std::to_string(package.size()) +
         " bytes unpacked\n";
  if (!IsAcceptedVersion(layout.version)) return out + "package version is newer than 3: nothing more is read\n";
  for (const auto& named : kFlaggedPictures) {
    const Image& image = layout.*named.image;
    out += std::string(named.name) + ": flag " + (image ? "0, " + Describe(*image) : std::string("1, none")) + "\n";
  }
  if (layout.discardedPictures > 0) {
    out += "version-2 extra pictures (skipped): " + std::to_string(layout.discardedPictures) + "\n";
  }
  out += "active pictures: " + std::to_string(layout.activePictures.size()) + "\n";
  for (std::size_t i = 0; i < layout.activePictures.size(); ++i) {
    out += "  " + std::to_string(i) + ": " + Describe(layout.activePictures[i]) + "\n";
  }
  out += "definition text: " + std::to_string(layout.definitionText.size()) + " bytes in " +
         std::to_string(CountLines(layout.definitionText)) + " lines\n";
  return out;
}

int SkinMain(const std::vector<std::string>& args) {
  StdFiles files;
  if (args.size() == 3 && args[0] == "unpack") {
    if (!files.IsFolder(args[2])) throw Error("the output folder " + args[2] + " does not exist");
    for (const auto& path : RunSkinUnpack(files, args[1], args[2])) std::cout << ToTerminal(path) << '\n';
    return 0;
  }
  if (args.size() == 2 && args[0] == "info") {
    std::cout << RunSkinInfo(files, args[1]);
    return 0;
  }
  if (!args.empty() && args[0] == "render") {
    std::cout << RunSkinRender(files, {args.begin() + 1, args.end()});
    return 0;
  }
  throw CliError("expected 'skin unpack FILE DIR', 'skin info FILE' or 'skin render FILE ...'");
}

}  // namespace zv
