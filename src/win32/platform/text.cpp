#include "win32/platform/text.h"

#include <windows.h>

#include <climits>

#include "core/base/error.h"

namespace zv::win {

namespace {

constexpr UINT kCodePage = 936;

// The conversion functions count in int; a longer text (or one whose
// converted form would be longer) is refused rather than cut or emptied.
int ConvertibleSize(std::size_t size) {
  if (size > static_cast<std::size_t>(INT_MAX)) throw Error("Text too long to convert");
  return static_cast<int>(size);
}

int CheckedResult(int n) {
  if (n <= 0) throw Error("Text too long to convert");
  return n;
}

}  // namespace

std::wstring Wide(std::string_view cp936) {
  if (cp936.empty()) return {};
  const int size = ConvertibleSize(cp936.size());
  const int n = CheckedResult(MultiByteToWideChar(kCodePage, 0, cp936.data(), size, nullptr, 0));
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(kCodePage, 0, cp936.data(), size, out.data(), n);
  return out;
}

std::string Narrow(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = ConvertibleSize(wide.size());
  const int n = CheckedResult(WideCharToMultiByte(kCodePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr));
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(kCodePage, 0, wide.data(), size, out.data(), n, nullptr, nullptr);
  return out;
}

std::string SystemErrorText(unsigned long code) {
  wchar_t* buffer = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer ? buffer : L"", n);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() <= L' ' || text.back() == L'.')) text.pop_back();
  if (text.empty()) return "System error " + std::to_string(code);
  return Narrow(text);
}

}  // namespace zv::win
