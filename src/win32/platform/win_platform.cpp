#include "win32/platform/win_platform.h"

#include <windows.h>

#include <shellapi.h>

#include <cwchar>
#include <iterator>
#include <random>

#include "core/base/error.h"
#include "core/base/path.h"
#include "win32/platform/text.h"

namespace zv::win {

namespace {

// Closes a file handle on every path out of a function.
class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (ok()) CloseHandle(h_);
  }
  bool ok() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

// The path as error messages show it.
std::string Shown(const std::string& path) {
  WinTextCodec codec;
  return Cp936ForDisplay(codec, path);
}

// Files the program reads or writes whole; also keeps every count in a DWORD.
constexpr DWORD kMaxFileBytes = 512u * 1024 * 1024;
constexpr int kTemporaryNameTries = 16;

// A fixed-length random name in the target's folder, so a target whose name
// is as long as the file system allows can still be written.
std::wstring TemporaryPathBeside(const std::wstring& target) {
  static std::mt19937 source{std::random_device{}()};
  const auto cut = target.find_last_of(L"\\/:");
  wchar_t name[16];
  swprintf(name, std::size(name), L"~zv%08x.tmp", static_cast<unsigned>(source()));
  return target.substr(0, cut == std::wstring::npos ? 0 : cut + 1) + name;
}

// A new temporary file beside the target; another writer's name is skipped.
HANDLE CreateTemporaryBeside(const std::wstring& target, std::wstring& temp) {
  for (int i = 0; i < kTemporaryNameTries; ++i) {
    temp = TemporaryPathBeside(target);
    const HANDLE file =
        CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

// Every byte written, or the error; a short write without one is a failure too.
DWORD WriteWhole(HANDLE file, std::string_view bytes) {
  DWORD written = 0;
  if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return GetLastError();
  if (written != bytes.size()) return ERROR_WRITE_FAULT;
  if (!FlushFileBuffers(file)) return GetLastError();
  return ERROR_SUCCESS;
}

}  // namespace

std::string WinFiles::ReadAll(const std::string& path) {
  FileHandle file(CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) throw FileOpenError(Shown(path), SystemErrorText(GetLastError()));
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) throw FileOpenError(Shown(path), SystemErrorText(GetLastError()));
  if (size.QuadPart > kMaxFileBytes) throw FileOpenError(Shown(path), "The file is too large");
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    throw FileOpenError(Shown(path), SystemErrorText(GetLastError()));
  }
  bytes.resize(read);
  return bytes;
}

void WinFiles::WriteAtomic(const std::string& path, std::string_view bytes) {
  const std::wstring target = WideFromUtf8(path);
  // Creating over a read-only file is refused, as a direct write would be;
  // a rename would quietly replace it.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    throw FileCreateError(Shown(path), SystemErrorText(ERROR_ACCESS_DENIED));
  }
  if (bytes.size() > kMaxFileBytes) throw FileCreateError(Shown(path), "The file is too large");
  std::wstring temp;
  DWORD error = ERROR_SUCCESS;
  {
    FileHandle file(CreateTemporaryBeside(target, temp));
    if (!file.ok()) throw FileCreateError(Shown(path), SystemErrorText(GetLastError()));
    error = WriteWhole(file.get(), bytes);
  }
  if (error == ERROR_SUCCESS &&
      !MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = GetLastError();
  }
  if (error != ERROR_SUCCESS) {
    DeleteFileW(temp.c_str());
    throw FileCreateError(Shown(path), SystemErrorText(error));
  }
}

std::vector<std::string> WinFiles::ListFolder(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(WideFromUtf8(folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(Utf8FromWide(name));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

bool WinFiles::Exists(const std::string& path) {
  return GetFileAttributesW(WideFromUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WinFiles::IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::uint64_t> WinClock::PerformanceCounter() {
  LARGE_INTEGER counter{};
  if (!QueryPerformanceCounter(&counter)) return std::nullopt;
  return static_cast<std::uint64_t>(counter.QuadPart);
}

std::uint32_t WinClock::TickCount() { return GetTickCount(); }

void WinShell::OpenUrl(const std::string& target) {
  ShellExecuteW(nullptr, nullptr, Wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void WinShell::OpenFolderInExplorer(const std::string& folder) {
  ShellExecuteW(nullptr, L"open", L"explorer.exe", WideFromUtf8(folder).c_str(), nullptr, SW_SHOWNORMAL);
}

std::string ExecutableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return AppDirFromExePath(Utf8FromWide(path));
}

bool SystemHighContrast() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace zv::win
