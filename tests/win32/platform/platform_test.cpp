#include <windows.h>

#include "win32/win32_fixture.h"

namespace zv::win::test {
namespace {

std::vector<std::string> Listing(const ScratchFolder& folder) { return WinFiles().ListFolder(folder.path()); }

// Address space for a text too long to hold: only its first page is memory,
// so the code under test must refuse it before reading on.
class HugeText {
 public:
  explicit HugeText(std::size_t bytes)
      : bytes_(bytes), base_(VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS)) {
    if (base_) VirtualAlloc(base_, 4096, MEM_COMMIT, PAGE_READWRITE);
  }
  HugeText(const HugeText&) = delete;
  HugeText& operator=(const HugeText&) = delete;
  ~HugeText() {
    if (base_) VirtualFree(base_, 0, MEM_RELEASE);
  }
  bool ok() const { return base_ != nullptr; }
  std::string_view narrow() const { return {static_cast<const char*>(base_), bytes_}; }
  std::wstring_view wide() const { return {static_cast<const wchar_t*>(base_), bytes_ / sizeof(wchar_t)}; }

 private:
  std::size_t bytes_;
  void* base_;
};

TEST(WinFiles, AFailedReplaceKeepsTheOldFileAndLeavesNoTemporaryFile) {
  ScratchFolder folder;
  WinFiles files;
  folder.Write("article.txt", "the old article");
  files.WriteAtomic(folder.path() + "article.txt", "a new one");
  EXPECT_EQ(folder.Read("article.txt"), "a new one");

  // A read-only article cannot be replaced: the error names it and the file
  // keeps its text.
  const std::wstring path = WideFromUtf8(folder.path() + "article.txt");
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_THROW(files.WriteAtomic(folder.path() + "article.txt", "lost?"), FileCreateError);
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(folder.Read("article.txt"), "a new one");

  // A folder of that name is never replaced either.
  CreateDirectoryW(WideFromUtf8(folder.path() + "taken.txt").c_str(), nullptr);
  try {
    files.WriteAtomic(folder.path() + "taken.txt", "x");
    ADD_FAILURE() << "wrote over a folder";
  } catch (const FileCreateError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + folder.path() + "taken.txt\". ", 0), 0u);
  }
  EXPECT_EQ(GetFileAttributesW(WideFromUtf8(folder.path() + "taken.txt").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));

  auto names = Listing(folder);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"article.txt", "data", "taken.txt"}));
}

TEST(WinFiles, WritesTheLongestNameAndRefusesWhatItCouldNotWriteWhole) {
  ScratchFolder folder;
  WinFiles files;
  const std::string longest = std::string(255 - 4, 'n') + ".txt";
  files.WriteAtomic(folder.path() + longest, "article");
  EXPECT_EQ(folder.Read(longest), "article");

  // Past the DWORD a single write takes: refused, never cut short and saved.
  const HugeText huge((std::size_t{1} << 32) + 1);
  ASSERT_TRUE(huge.ok());
  EXPECT_THROW(files.WriteAtomic(folder.path() + longest, huge.narrow()), FileCreateError);
  EXPECT_EQ(folder.Read(longest), "article");
  auto names = Listing(folder);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"data", longest}));  // no temporary file left
}

TEST(Text, RefusesTextsPastTheConversionCounts) {
  const HugeText huge((std::size_t{1} << 32) + 4096);
  ASSERT_TRUE(huge.ok());
  EXPECT_THROW(Wide(huge.narrow().substr(0, std::size_t{1} << 31)), Error);
  EXPECT_THROW(Narrow(huge.wide().substr(0, std::size_t{1} << 31)), Error);
  EXPECT_EQ(Narrow(Wide("\xd5\x5c")), "\xd5\x5c");  // 誠
}

// Paths are UTF-8, so a name keeps every character, 한 (outside CP936) too.
TEST(WinFiles, NamesCrossAsUtf8) {
  ScratchFolder folder;
  const std::string name = "\xE7\x94\x9F\xE6\x88\x90\xED\x95\x9C.txt";  // 生成한.txt
  folder.Write(name, "x");
  EXPECT_TRUE(folder.Exists(name));
  const auto names = Listing(folder);
  EXPECT_NE(std::find(names.begin(), names.end(), name), names.end());
  EXPECT_EQ(WideFromUtf8(name), L"\x751F\x6210\xD55C.txt");
}

TEST(WinTextCodec, ConvertsOnCodePage936AndRefusesWhatItLacks) {
  WinTextCodec codec;
  EXPECT_EQ(codec.Utf8FromCp936("\xD5\x5C\xD6\xD0\x80"), "\xE8\xAA\xA0\xE4\xB8\xAD\xE2\x82\xAC");  // 誠中€
  EXPECT_EQ(codec.Cp936FromUtf8("\xE8\xAA\xA0\xE4\xB8\xAD"), "\xD5\x5C\xD6\xD0");
  EXPECT_EQ(codec.Cp936FromUtf8("a?"), "a?");
  EXPECT_EQ(codec.Cp936FromUtf8("\xF0\x9F\x98\x80"), std::nullopt);  // an emoji
  EXPECT_EQ(codec.Cp936FromUtf8("\xED\x95\x9C"), std::nullopt);      // 한
  EXPECT_EQ(codec.Cp936FromUtf8("\xC3\x80"), std::nullopt);          // À has a look-alike only
  EXPECT_EQ(codec.Cp936FromUtf8("\xFF"), std::nullopt);              // no UTF-8 at all
}

TEST(VersionRecord, NamesTheProductAndItsVersions) {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  DWORD ignored = 0;
  std::vector<BYTE> info(GetFileVersionInfoSizeW(exe, &ignored));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoW(exe, 0, static_cast<DWORD>(info.size()), info.data()));
  auto value = [&](const wchar_t* key) {
    wchar_t* text = nullptr;
    UINT size = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\080403A8\\") + key;
    if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&text), &size)) return std::wstring();
    return std::wstring(text);
  };
  EXPECT_EQ(value(L"FileDescription"), L"Kestrune\x8BAD\x7EC3\x8425");
  EXPECT_EQ(value(L"ProductName"), L"Kestrune\x8BAD\x7EC3\x8425");
  EXPECT_EQ(value(L"FileVersion"), L"0.6.0.933");
  EXPECT_EQ(value(L"ProductVersion"), L"3.60");
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
  EXPECT_EQ(fixed->dwFileVersionMS, (0u << 16) | 6u);
  EXPECT_EQ(fixed->dwFileVersionLS, (0u << 16) | 933u);
  EXPECT_NE(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)), nullptr);
}

}  // namespace
}  // namespace zv::win::test
