#pragma once
// What a skin argument names, read as the skin commands need it: a
// compressed skin file, the embedded skin, a skin folder or its skin.ini
// (packed in memory, so an author previews each edit without a pack step).
// Files of another kind are named for what they are, with the command that
// would work.
#include <string>
#include <vector>

#include "core/platform/files.h"
#include "core/skin/check/skin_check.h"
#include "core/skin/package.h"

namespace zv {

// A skin folder's definition and pictures as read from disk, with what went
// wrong reading them (a missing or unreadable picture).
struct SkinFolderRead {
  SkinUnderCheck skin;
  std::vector<std::string> lines;  // the definition's lines, CP936
  std::vector<SkinFinding> findings;
};

// `path` names a skin.ini. A UTF-8 definition with a byte-order mark is read
// as UTF-8 and converted to CP936 (a line CP936 cannot hold is an error
// finding). Throws only when skin.ini itself cannot be read.
SkinFolderRead ReadSkinFolder(Files& files, const std::string& path);

// The findings of the folder's reading and of the check, errors first.
std::vector<SkinFinding> CheckSkinFolder(const SkinFolderRead& read);

// Throws zv::Error with the first error finding (errors come first) and
// how many more there are.
void RequireNoErrors(const std::vector<SkinFinding>& findings);

// The package a checked folder holds (call only without errors).
SkinPackage PackageOf(const SkinFolderRead& read);

// A stored-skin stream of the package.
std::string StoredSkinStream(const SkinPackage& package);

// The skin.ini an argument names when it is a skin folder or a skin.ini, or
// nothing when it names something else.
std::optional<std::string> SkinDefinitionPath(Files& files, const std::string& source);

// The stored-skin stream `source` stands for: --embedded, a compressed skin
// file, or a skin folder or skin.ini packed in memory. Throws zv::Error that
// names the file: what it is when it is not a skin file, the first error
// finding of a folder that does not pass the check.
std::string ReadSkinSource(Files& files, const std::string& source);

// The package inside a compressed skin file read from `shown` (CP936, for
// messages). Throws zv::Error naming it when it is no skin file, one of a
// newer version, empty or damaged.
std::vector<std::uint8_t> UnpackSkinFile(const std::string& fileBytes, const std::string& shown = "the skin file");

// How messages name a skin argument: its path, or "the embedded skin".
std::string ShownSource(const std::string& source);

// The decoded package `source` stands for (ReadSkinSource, unpacked).
// Throws zv::Error naming the file.
SkinPackage ReadSkinPackage(Files& files, const std::string& source);

// A package as the check sees it; its definition is named "skin.ini in SHOWN".
SkinUnderCheck PackageUnderCheck(SkinPackage package, const std::string& shown);

}  // namespace zv
