#include "cli/skin_command.h"

#include <iostream>
#include <string_view>

#include "cli/cli_codec.h"
#include "cli/cli_error.h"
#include "cli/skin_check_command.h"
#include "cli/skin_frame_command.h"
#include "cli/skin_preview_command.h"
#include "cli/skin_render.h"
#include "cli/std_platform.h"
#include "cli/terminal_text.h"
#include "cli/version.h"
#include "core/base/byte_stream.h"
#include "core/base/string_list.h"
#include "core/frame/caption_objects.h"
#include "core/frame/frame_skin.h"
#include "core/skin/check/key_reference.h"
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

// A picture whose headers are damaged is reported in its place, so the rest still shows.
std::string Describe(std::span<const std::uint8_t> image) {
  BmpInfo info;
  try {
    info = ReadBmpInfo(image);
  } catch (const Error& e) {
    return std::string("cannot be read: ") + e.what() + ", " + std::to_string(image.size()) + " bytes";
  }
  return std::to_string(info.width) + " x " + std::to_string(info.height) + ", " + std::to_string(info.bitCount) +
         "-bit, " + std::to_string(image.size()) + " bytes";
}

int CountLines(std::span<const std::uint8_t> text) {
  int lines = 0;
  ForEachLine(AsText(text), [&](std::string_view) { ++lines; });
  return lines;
}

// Only PICTURES is needed, so a definition damaged elsewhere still unpacks.
// Names that cannot be read (a list too long) leave every picture its
// fallback name; `error` says why.
SkinPictureNames PictureNamesOf(std::span<const std::uint8_t> text, std::string* error = nullptr) {
  SkinPictureNames names;
  try {
    names.LoadFromIni(IniText::Parse(AsText(text)));
  } catch (const Error& e) {
    if (error != nullptr) *error = e.what();
    return {};
  }
  return names;
}

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

std::string_view WithoutTrailingDotsAndBlanks(std::string_view name) {
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.remove_suffix(1);
  return name;
}

// Windows drops trailing dots and blanks and ignores case.
std::string FileNameKey(std::string_view name) { return AnsiUpperKey(WithoutTrailingDotsAndBlanks(name)); }

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9 name devices whatever their extension.
bool IsDeviceName(std::string_view name) {
  std::string stem = FileNameKey(name.substr(0, name.find('.')));
  if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
  return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' && stem[3] <= '9';
}

// One file name that Windows takes as itself: no folder, drive or stream
// separator, no character it refuses, no device name, no "NAME~1" short-name
// alias of another file, and not only dots and blanks. The scan steps over
// double-byte characters, whose second byte may be "\", "|" or "~".
bool IsPlainFileName(std::string_view name) {
  if (WithoutTrailingDotsAndBlanks(name).empty() || IsDeviceName(name)) return false;
  constexpr std::string_view kRefused = "<>:\"/\\|?*";
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (IsLeadByte(c) && i + 1 < name.size()) {
      ++i;
    } else if (c < 0x20 || c == 0x7F || kRefused.find(static_cast<char>(c)) != std::string_view::npos) {
      return false;
    } else if (c == '~' && i + 1 < name.size() && name[i + 1] >= '0' && name[i + 1] <= '9') {
      return false;
    }
  }
  return true;
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

void SetEmbeddedSkin(std::span<const std::uint8_t> stream) { embeddedSkin = stream; }

std::string EmbeddedSkinBytes() {
  if (embeddedSkin.empty()) throw Error("this program carries no embedded skin");
  return std::string(AsText(embeddedSkin));
}

std::vector<SkinFinding> RunSkinPack(Files& files, const std::string& source, const std::string& outFile) {
  const SkinFolderRead read = ReadSkinFolder(files, SkinDefinitionPath(files, source).value_or(source));
  std::vector<SkinFinding> findings = CheckSkinFolder(read);
  RequireNoErrors(findings);
  files.WriteAtomic(outFile, StoredSkinStream(PackageOf(read)));
  return findings;
}

UnpackNames::UnpackNames() { taken_.insert(FileNameKey("skin.ini")); }

std::string UnpackNames::Take(const std::string& defined, const std::string& fallback) {
  if (IsPlainFileName(defined) && taken_.insert(FileNameKey(defined)).second) return defined;
  if (taken_.insert(FileNameKey(fallback)).second) return fallback;
  const std::size_t dot = fallback.rfind('.');
  const std::string stem = fallback.substr(0, dot);
  const std::string extension = dot == std::string::npos ? "" : fallback.substr(dot);
  // Counting on from the last suffix handed out keeps the search linear overall.
  int& next = nextSuffix_.try_emplace(FileNameKey(fallback), 2).first->second;
  while (true) {
    std::string name = stem + " (" + std::to_string(next++) + ")" + extension;
    if (taken_.insert(FileNameKey(name)).second) return name;
  }
}

std::vector<std::string> RunSkinUnpack(Files& files, const std::string& skinFile, const std::string& outDir,
                                       bool force) {
  // An author's edited files are not overwritten by mistake.
  if (!force && !files.ListFolder(outDir).empty()) {
    throw Error("the folder " + Cp936ForDisplay(CliCodec(), outDir) +
                " is not empty; unpack into a new folder, or add --force to overwrite its files");
  }
  return UnpackSkinBytes(files, ReadSkinSource(files, skinFile), outDir, ShownSource(skinFile));
}

std::vector<std::string> UnpackSkinBytes(Files& files, const std::string& fileBytes, const std::string& outDir,
                                         const std::string& shown) {
  const std::vector<std::uint8_t> package = UnpackSkinFile(fileBytes, shown);
  const PackageLayout layout = ParsePackage(package);
  if (!IsAcceptedVersion(layout.version)) {
    throw Error("package version " + std::to_string(layout.version) + " is newer than 3");
  }
  const SkinPictureNames names = PictureNamesOf(layout.definitionText);
  const std::string dir = FolderWithSeparator(outDir);
  UnpackNames fileNames;
  std::vector<std::string> written;
  auto write = [&](const std::string& defined, const std::string& fallback, std::span<const std::uint8_t> bytes) {
    const std::string path = dir + CliCodec().Utf8FromCp936(fileNames.Take(defined, fallback));  // paths are UTF-8
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

std::string RunSkinInfo(Files& files, const std::string& skinFile) {
  return SkinInfoText(ReadSkinSource(files, skinFile), ShownSource(skinFile));
}

std::string SkinInfoText(const std::string& fileBytes, const std::string& shown) {
  const std::vector<std::uint8_t> package = UnpackSkinFile(fileBytes, shown);
  const PackageLayout layout = ParsePackage(package);
  std::string out = "skin file: stored-skin stream version " + std::to_string(LoadI32(AsBytes(fileBytes), 0)) + ", " +
                    std::to_string(fileBytes.size() - 8) + " compressed bytes\n";
  out += "package: version " + std::to_string(layout.version) + ", " + std::to_string(package.size()) +
         " bytes unpacked\n";
  if (!IsAcceptedVersion(layout.version)) return out + "package version is newer than 3: nothing more is read\n";
  std::string namesError;
  const SkinPictureNames names = PictureNamesOf(layout.definitionText, &namesError);
  if (!namesError.empty()) out += "picture names: cannot be read: " + namesError + "\n";
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
  out += DefinitionInfo(layout.definitionText);
  return out + "read by zorvane-cli " + kProgramVersion + ", which reads skin files up to version 3\n";
}

std::string SkinNamesHelp(const std::vector<std::string>& args) {
  const bool named = args.size() > 2 && (args[2] == "--embedded" || !args[2].starts_with("-"));
  const std::string source = named ? args[2] : "--embedded";
  StdFiles files;
  try {
    const PackageSkin skin = LoadSkinFile(files, source);
    std::string objects, controls;
    for (const CaptionObject& o : BuildCaptionObjects(FrameSkinOf(skin)))
      objects += (objects.empty() ? "" : ", ") + o.Name();
    for (const auto& record : skin.Definition().controls) controls += (controls.empty() ? "" : ", ") + record->Name();
    return ToTerminal("names in " + ShownSource(source) + ":\n  --hot, --down: " + objects +
                      "\n  --control: " + controls + "\n");
  } catch (const Error& e) {
    return "names: " + ToTerminal(e.what()) + "\n";
  }
}

int SkinMain(const std::vector<std::string>& args) {
  StdFiles files;
  if (IsFrameCommand(args)) {
    std::string warnings;
    std::cout << RunFrameCommand(files, args, &warnings);
    std::cerr << warnings;
    return 0;
  }
  const bool force = args.size() == 4 && args[3] == "--force";
  if ((args.size() == 3 || force) && args[0] == "unpack") {
    // A folder made here goes again when nothing could be unpacked into it.
    const bool created = files.CreateFolder(args[2]);
    std::vector<std::string> written;
    try {
      written = RunSkinUnpack(files, args[1], args[2], force);
    } catch (...) {
      if (created) files.RemoveEmptyFolder(args[2]);
      throw;
    }
    for (const auto& path : written) std::cout << Utf8ToTerminal(path) << '\n';
    return 0;
  }
  if (args.size() == 2 && args[0] == "info") {
    std::cout << ToTerminal(RunSkinInfo(files, args[1]));
    return 0;
  }
  if (args.size() == 3 && args[0] == "pack") {
    std::cerr << FindingsText(RunSkinPack(files, args[1], args[2]), false);
    return 0;
  }
  if (args.size() == 1 && args[0] == "keys") {
    std::cout << SkinKeyReference();
    return 0;
  }
  if (!args.empty() && args[0] == "check") {
    std::string out;
    const int code = RunSkinCheck(files, {args.begin() + 1, args.end()}, out);
    std::cout << out;
    return code;
  }
  if (!args.empty() && (args[0] == "menu" || args[0] == "sysmenu" || args[0] == "hint")) {
    std::cout << RunSkinPreview(files, args);
    return 0;
  }
  if (!args.empty() && args[0] == "render") {
    std::cout << RunSkinRender(files, {args.begin() + 1, args.end()});
    return 0;
  }
  throw CliError(
      "expected 'skin pack', 'check', 'keys', 'unpack', 'info', 'render', 'frame', 'hittest', 'region', 'menu', "
      "'sysmenu' or 'hint'");
}

}  // namespace zv
