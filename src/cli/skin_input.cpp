// Sections: what a file is; reading a skin folder; the stored-skin stream
// of any skin argument.
#include "cli/skin_input.h"

#include <algorithm>

#include "cli/cli_codec.h"
#include "cli/skin_command.h"
#include "cli/std_platform.h"
#include "core/base/byte_stream.h"
#include "core/base/string_list.h"
#include "core/platform/png_codec.h"
#include "core/skin/global_sections.h"
#include "core/skin/ini_text.h"
#include "core/skin/skin_folder.h"
#include "core/skin/stored_skin.h"

namespace zv {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr const char* kPackHint = "make a skin file with `zorvane-cli skin pack SKIN.INI OUT`, or give the skin folder";

std::span<const std::uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string Shown(const std::string& path) { return Cp936ForDisplay(CliCodec(), path); }

// --- what a file is ---

struct Signature {
  std::string_view magic;
  const char* kind;
};
constexpr Signature kPictureSignatures[] = {
    {"BM", "a BMP picture"},
    {"\x89PNG\r\n\x1A\n", "a PNG picture"},
    {"\xFF\xD8\xFF", "a JPEG picture"},
    {"GIF8", "a GIF picture"},
};

// The kind of picture the bytes are, or nullptr.
const char* PictureKind(std::string_view bytes) {
  for (const Signature& s : kPictureSignatures) {
    if (bytes.starts_with(s.magic)) return s.kind;
  }
  return nullptr;
}

// A skin definition opens (after a byte-order mark and blank lines) with a
// section or a comment; a stored-skin stream with a small version number.
bool LooksLikeDefinition(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return true;
  const std::size_t first = bytes.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && (bytes[first] == '[' || bytes[first] == ';');
}

// --- reading a skin folder ---

SkinFinding FileFinding(const std::string& file, std::string message, int line = 0) {
  return {FindingLevel::kError, file, "", "", line, std::move(message)};
}

// The definition's lines in CP936; a UTF-8 text with a mark is converted line by line.
std::vector<std::string> DefinitionLines(std::string_view bytes, const std::string& shown,
                                         std::vector<SkinFinding>& findings) {
  if (!bytes.starts_with(kUtf8Mark)) return SplitLines(bytes);
  std::vector<std::string> lines = SplitLines(bytes.substr(kUtf8Mark.size()));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (auto converted = CliCodec().Cp936FromUtf8(lines[i])) {
      lines[i] = std::move(*converted);
      continue;
    }
    const std::string key = lines[i].substr(0, lines[i].find('='));
    findings.push_back(
        FileFinding(shown, "the line (" + key + ") holds text that CP936 cannot hold", static_cast<int>(i + 1)));
    lines[i].clear();
  }
  return lines;
}

// A PNG picture as the BMP the package holds: 24-bit, or 32-bit when the
// file has an alpha channel (which the check then warns about).
BmpPicture PictureOfPng(std::span<const std::uint8_t> bytes, PictureBudget& budget) {
  PngImage png = DecodePng(bytes);
  BmpPicture picture = PictureFromBitmap(png.bitmap, png.alpha ? 32 : 24);
  budget.Take(EncodeBmp(picture));
  return picture;
}

// One picture file, or nullopt with the reason in `findings`.
std::optional<BmpPicture> ReadPicture(Files& files, const std::string& folder, const std::string& name,
                                      PictureBudget& budget, std::vector<SkinFinding>& findings) {
  if (name.empty()) return std::nullopt;
  const std::string path = folder + CliCodec().Utf8FromCp936(name);
  try {
    const std::string bytes = files.ReadAll(path);
    const std::string_view kind = PictureKind(bytes) ? PictureKind(bytes) : "not a picture";
    if (kind == "a PNG picture") {
      if (!IsPngName(path)) {
        findings.push_back({FindingLevel::kWarning, Shown(path), "", "", 0,
                            "the file is a PNG picture under another name; it is packed as BMP all the same"});
      }
      return PictureOfPng(AsBytes(bytes), budget);
    }
    if (kind != "a BMP picture") {
      findings.push_back(FileFinding(Shown(path), "the file is " + std::string(kind) +
                                                      ", but a skin's pictures are BMP or PNG files: save it as one"));
      return std::nullopt;
    }
    budget.Take(AsBytes(bytes));
    return ReadBmp(AsBytes(bytes));
  } catch (const Error& e) {
    findings.push_back(FileFinding(Shown(path), e.what()));
  }
  return std::nullopt;
}

}  // namespace

SkinFolderRead ReadSkinFolder(Files& files, const std::string& path) {
  SkinFolderRead read;
  const std::string bytes = files.ReadAll(path);
  read.skin.definitionFile = Shown(path);
  CheckIniTextSize(bytes);
  read.lines = DefinitionLines(bytes, read.skin.definitionFile, read.findings);
  read.skin.text = JoinLines(read.lines);
  SkinPictureNames names;
  try {
    names.LoadFromIni(IniText::Parse(read.skin.text));
  } catch (const Error& e) {
    read.findings.push_back(FileFinding(read.skin.definitionFile, std::string("[PICTURES]: ") + e.what()));
    return read;
  }
  const std::string folder = FolderPart(path);
  read.skin.pictureFolder = Shown(folder);
  PictureBudget budget;
  read.skin.picture = ReadPicture(files, folder, names.picture, budget, read.findings);
  read.skin.inactivePicture = ReadPicture(files, folder, names.inactivePicture, budget, read.findings);
  read.skin.mask = ReadPicture(files, folder, names.mask, budget, read.findings);
  for (const std::string& name : names.activePictures) {
    read.skin.activePictures.push_back(ReadPicture(files, folder, name, budget, read.findings));
  }
  return read;
}

std::vector<SkinFinding> CheckSkinFolder(const SkinFolderRead& read) {
  std::vector<SkinFinding> findings = read.findings;
  const std::vector<SkinFinding> checked = CheckSkin(read.skin);
  findings.insert(findings.end(), checked.begin(), checked.end());
  std::stable_partition(findings.begin(), findings.end(),
                        [](const SkinFinding& f) { return f.level == FindingLevel::kError; });
  return findings;
}

SkinPackage PackageOf(const SkinFolderRead& read) {
  SkinPackage package;
  package.picture = read.skin.picture;
  package.inactivePicture = read.skin.inactivePicture;
  package.mask = read.skin.mask;
  for (const auto& picture : read.skin.activePictures) package.activePictures.push_back(*picture);
  package.definitionText = read.skin.text;
  return package;
}

void RequireNoErrors(const std::vector<SkinFinding>& findings) {
  const auto errors = std::count_if(findings.begin(), findings.end(),
                                    [](const SkinFinding& f) { return f.level == FindingLevel::kError; });
  if (errors == 0) return;
  const std::string more =
      errors > 1 ? " (and " + std::to_string(errors - 1) + " more; see `zorvane-cli skin check`)" : "";
  throw Error(FindingText(findings.front()).substr(std::string_view("error: ").size()) + more);
}

std::string StoredSkinStream(const SkinPackage& package) {
  TzsCompressedStoredSkin skin;
  skin.Pack(package);
  std::vector<std::uint8_t> bytes;
  ByteWriter stream(bytes);
  skin.WriteSkinStream(stream);
  return {bytes.begin(), bytes.end()};
}

std::optional<std::string> SkinDefinitionPath(Files& files, const std::string& source) {
  if (source == "--embedded") return std::nullopt;
  const std::string inFolder = FolderWithSeparator(source) + "skin.ini";
  if (files.Exists(inFolder)) return inFolder;
  if (!files.Exists(source) || files.IsFolder(source)) return std::nullopt;
  return LooksLikeDefinition(files.ReadAll(source)) ? std::optional(source) : std::nullopt;
}

std::string ReadSkinSource(Files& files, const std::string& source) {
  if (source == "--embedded") return EmbeddedSkinBytes();
  if (const auto definition = SkinDefinitionPath(files, source)) {
    const SkinFolderRead read = ReadSkinFolder(files, *definition);
    RequireNoErrors(CheckSkinFolder(read));
    return StoredSkinStream(PackageOf(read));
  }
  if (files.IsFolder(source)) {
    throw Error(Shown(source) + " is a folder without a skin.ini; give a skin folder or a skin file");
  }
  std::string bytes = files.ReadAll(source);
  if (const char* kind = PictureKind(bytes)) {
    throw Error(Shown(source) + " is " + kind + ", not a skin file; " + kPackHint);
  }
  return bytes;
}

std::string ShownSource(const std::string& source) {
  return source == "--embedded" ? "the embedded skin" : Shown(source);
}

SkinPackage ReadSkinPackage(Files& files, const std::string& source) {
  const std::string shown = ShownSource(source);
  const std::vector<std::uint8_t> unpacked = UnpackSkinFile(ReadSkinSource(files, source), shown);
  SkinPackage package;
  try {
    package = ReadPackage(unpacked);
  } catch (const Error& e) {
    throw Error(shown + " is damaged: " + e.what());
  }
  if (!IsAcceptedVersion(package.version)) {
    throw Error(shown + " holds a package of version " + std::to_string(package.version) + ", newer than 3");
  }
  return package;
}

SkinUnderCheck PackageUnderCheck(SkinPackage package, const std::string& shown) {
  SkinUnderCheck skin;
  skin.definitionFile = "skin.ini in " + shown;
  skin.text = std::move(package.definitionText);
  skin.picture = std::move(package.picture);
  skin.inactivePicture = std::move(package.inactivePicture);
  skin.mask = std::move(package.mask);
  for (BmpPicture& picture : package.activePictures) skin.activePictures.emplace_back(std::move(picture));
  return skin;
}

std::vector<std::uint8_t> UnpackSkinFile(const std::string& fileBytes, const std::string& shown) {
  const std::span<const std::uint8_t> bytes = AsBytes(fileBytes);
  const std::int32_t version = bytes.size() >= 4 ? LoadI32(bytes, 0) : 0;
  const std::int32_t length = bytes.size() >= 8 ? LoadI32(bytes, 4) : -1;
  const bool whole = length >= 0 && static_cast<std::size_t>(length) == bytes.size() - 8;
  if (!whole || version < 0 || version > 255) {
    throw Error(shown + " is not a skin file; " + kPackHint);
  }
  if (!IsAcceptedVersion(version)) {
    throw Error(shown + " is a skin file of version " + std::to_string(version) +
                ", newer than this program reads (3)");
  }
  if (length == 0) throw Error(shown + " holds no package");
  ByteReader stream(bytes);
  TzsCompressedStoredSkin skin;
  skin.ReadSkinStream(stream);
  std::vector<std::uint8_t> package;
  try {
    skin.Unpack(package);
  } catch (const Error& e) {
    throw Error(shown + " is damaged: " + e.what());
  }
  return package;
}

}  // namespace zv
