#include "cli/skin_command.h"

#include <algorithm>
#include <iostream>

#include "cli/cli_error.h"
#include "cli/skin_frame_command.h"
#include "cli/skin_render.h"
#include "cli/std_platform.h"
#include "cli/terminal_text.h"
#include "core/base/byte_stream.h"
#include "core/base/path.h"
#include "core/base/string_list.h"
#include "core/skin/package.h"
#include "core/skin/skin_definition.h"
#include "core/skin/skin_folder.h"
#include "core/skin/stored_skin.h"

namespace zv {

namespace {

using Image = std::optional<std::span<const std::uint8_t>>;

struct NamedPicture {
  const char* name;  // the file name unpack falls back to, without ".bmp"
  Image PackageLayout::*image;
  std::string SkinPictureNames::*defined;
};

constexpr NamedPicture kFlaggedPictures[] = {
    {"picture", &PackageLayout::picture, &SkinPictureNames::picture},
    {"inactivepicture", &PackageLayout::inactivePicture, &SkinPictureNames::inactivePicture},
    {"mask", &PackageLayout::mask, &SkinPictureNames::mask},
};

std::span<const std::uint8_t> embeddedSkin;

std::span<const std::uint8_t> AsBytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string_view AsText(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

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
  ForEachLine(AsText(text), [&](std::string_view) { ++lines; });
  return lines;
}

// Only PICTURES is needed, so a definition damaged elsewhere still unpacks.
SkinPictureNames PictureNamesOf(std::span<const std::uint8_t> text) {
  SkinPictureNames names;
  names.LoadFromIni(IniText::Parse(AsText(text)));
  return names;
}

std::string Named(const std::string& defined) { return defined.empty() ? "" : " (" + defined + ")"; }

template <typename Records>
std::string ListRecords(const char* title, const Records& records) {
  std::string out = title + std::string(": ") + std::to_string(records.size()) + "\n";
  for (std::size_t i = 0; i < records.size(); ++i) {
    out += "  " + std::to_string(i) + ": " + records[i]->Name() + " (" + std::string(records[i]->TypeWord()) + ")\n";
  }
  return out;
}

std::string DefinitionInfo(std::span<const std::uint8_t> text) {
  SkinDefinition skin;
  try {
    skin = ParseSkinDefinition(AsText(text));
  } catch (const Error& e) {
    return std::string("definition: cannot be read: ") + e.what() + "\n";
  }
  const SkinVersionInfo& v = skin.version;
  std::string out = "skinname: " + v.skinName + "\nskinauthor: " + v.skinAuthor + "\nauthoremail: " + v.authorEmail +
                    "\nauthorurl: " + v.authorUrl + "\nskincomments: " + v.skinComments + "\n";
  return out + ListRecords("objects", skin.objects) + ListRecords("controls", skin.controls);
}

}  // namespace

std::string ReadSkinSource(Files& files, const std::string& source) {
  return source == "--embedded" ? EmbeddedSkinBytes() : files.ReadAll(source);
}

void SetEmbeddedSkin(std::span<const std::uint8_t> stream) { embeddedSkin = stream; }

std::string EmbeddedSkinBytes() {
  if (embeddedSkin.empty()) throw Error("this program carries no embedded skin");
  return std::string(AsText(embeddedSkin));
}

std::vector<std::uint8_t> UnpackSkinFile(const std::string& fileBytes) {
  const std::span<const std::uint8_t> bytes = AsBytes(fileBytes);
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

void RunSkinPack(Files& files, const std::string& skinIni, const std::string& outFile) {
  const std::string text = files.ReadAll(skinIni);
  if (const auto missing = FirstMissingSkinSection(IniText::Parse(text))) {
    throw Error(skinIni + " has no section [" + *missing + "]");
  }
  TzsCompressedStoredSkin skin;
  skin.BuildFromSkinIni(files, skinIni);
  std::vector<std::uint8_t> bytes;
  ByteWriter stream(bytes);
  skin.WriteSkinStream(stream);
  files.WriteAtomic(outFile, AsText(bytes));
}

std::string UnpackName(const std::string& defined, const std::string& fallback, std::vector<std::string>& used) {
  // Names compare as the file system may: without regard to ASCII case.
  const std::string key = AnsiUpperKey(defined);
  const bool plain = !defined.empty() && defined != "." && defined != ".." && !NamesOtherLocation(defined) &&
                     key != "SKIN.INI";
  const bool fresh = std::find(used.begin(), used.end(), key) == used.end();
  const std::string name = plain && fresh ? defined : fallback;
  used.push_back(AnsiUpperKey(name));
  return name;
}

std::vector<std::string> RunSkinUnpack(Files& files, const std::string& skinFile, const std::string& outDir) {
  return UnpackSkinBytes(files, files.ReadAll(skinFile), outDir);
}

std::vector<std::string> UnpackSkinBytes(Files& files, const std::string& fileBytes, const std::string& outDir) {
  const std::vector<std::uint8_t> package = UnpackSkinFile(fileBytes);
  const PackageLayout layout = ParsePackage(package);
  if (!IsAcceptedVersion(layout.version)) {
    throw Error("package version " + std::to_string(layout.version) + " is newer than 3");
  }
  const SkinPictureNames names = PictureNamesOf(layout.definitionText);
  const std::string dir = WithSeparator(outDir);
  std::vector<std::string> used;
  std::vector<std::string> written;
  auto write = [&](const std::string& defined, const std::string& fallback, std::span<const std::uint8_t> bytes) {
    const std::string path = dir + UnpackName(defined, fallback, used);
    files.WriteAtomic(path, AsText(bytes));
    written.push_back(path);
  };
  for (const auto& named : kFlaggedPictures) {
    if (const Image& image = layout.*named.image) write(names.*named.defined, std::string(named.name) + ".bmp", *image);
  }
  for (std::size_t i = 0; i < layout.activePictures.size(); ++i) {
    const std::string defined = i < names.activePictures.size() ? names.activePictures[i] : "";
    write(defined, "activepicture" + std::to_string(i) + ".bmp", layout.activePictures[i]);
  }
  const std::string ini = dir + "skin.ini";
  files.WriteAtomic(ini, AsText(layout.definitionText));
  written.push_back(ini);
  return written;
}

std::string RunSkinInfo(Files& files, const std::string& skinFile) { return SkinInfoText(files.ReadAll(skinFile)); }

std::string SkinInfoText(const std::string& fileBytes) {
  const std::vector<std::uint8_t> package = UnpackSkinFile(fileBytes);
  const PackageLayout layout = ParsePackage(package);
  std::string out = "skin file: stored-skin stream version " + std::to_string(LoadI32(AsBytes(fileBytes), 0)) + ", " +
                    std::to_string(fileBytes.size() - 8) + " compressed bytes\n";
  out += "package: version " + std::to_string(layout.version) + ", " + std::to_string(package.size()) +
         " bytes unpacked\n";
  if (!IsAcceptedVersion(layout.version)) return out + "package version is newer than 3: nothing more is read\n";
  const SkinPictureNames names = PictureNamesOf(layout.definitionText);
  for (const auto& named : kFlaggedPictures) {
    const Image& image = layout.*named.image;
    out += std::string(named.name) + ": flag " +
           (image ? "0, " + Describe(*image) + Named(names.*named.defined) : std::string("1, none")) + "\n";
  }
  if (layout.discardedPictures > 0) {
    out += "version-2 extra pictures (skipped): " + std::to_string(layout.discardedPictures) + "\n";
  }
  out += "active pictures: " + std::to_string(layout.activePictures.size()) + "\n";
  for (std::size_t i = 0; i < layout.activePictures.size(); ++i) {
    const std::string defined = i < names.activePictures.size() ? names.activePictures[i] : "";
    out += "  " + std::to_string(i) + ": " + Describe(layout.activePictures[i]) + Named(defined) + "\n";
  }
  out += "definition text: " + std::to_string(layout.definitionText.size()) + " bytes in " +
         std::to_string(CountLines(layout.definitionText)) + " lines\n";
  return out + DefinitionInfo(layout.definitionText);
}

int SkinMain(const std::vector<std::string>& args) {
  StdFiles files;
  if (IsFrameCommand(args)) {
    std::cout << RunFrameCommand(files, args);
    return 0;
  }
  if (args.size() == 3 && args[0] == "unpack") {
    if (!files.IsFolder(args[2])) throw Error("the output folder " + args[2] + " does not exist");
    for (const auto& path : UnpackSkinBytes(files, ReadSkinSource(files, args[1]), args[2])) {
      std::cout << ToTerminal(path) << '\n';
    }
    return 0;
  }
  if (args.size() == 2 && args[0] == "info") {
    std::cout << ToTerminal(SkinInfoText(ReadSkinSource(files, args[1])));
    return 0;
  }
  if (args.size() == 3 && args[0] == "pack") {
    RunSkinPack(files, args[1], args[2]);
    return 0;
  }
  if (!args.empty() && args[0] == "render") {
    std::cout << RunSkinRender(files, {args.begin() + 1, args.end()});
    return 0;
  }
  throw CliError("expected 'skin pack SKIN.INI OUT', 'skin unpack FILE|--embedded DIR', "
                 "'skin info FILE|--embedded' or 'skin render FILE|--embedded ...'");
}

}  // namespace zv
