#include "win32/platform/text.h"

#include <windows.h>

#include <climits>

#include "core/base/error.h"
#include "core/base/unicode.h"

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

std::wstring ToWide(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int size = ConvertibleSize(text.size());
  const int n = CheckedResult(MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0));
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, out.data(), n);
  return out;
}

// `usedDefault`, when given, reports a character the code page lacks; look-alikes
// are then refused too.
std::string FromWide(UINT codePage, std::wstring_view wide, BOOL* usedDefault = nullptr) {
  if (wide.empty()) return {};
  const int size = ConvertibleSize(wide.size());
  const DWORD flags = usedDefault ? WC_NO_BEST_FIT_CHARS : 0;
  const int n =
      CheckedResult(WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefault));
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), size, out.data(), n, nullptr, usedDefault);
  return out;
}

}  // namespace

std::wstring Wide(std::string_view cp936) { return ToWide(kCodePage, cp936); }
std::string Narrow(std::wstring_view wide) { return FromWide(kCodePage, wide); }
std::wstring WideFromUtf8(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string Utf8FromWide(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }

std::string SystemErrorText(unsigned long code) {
  wchar_t* buffer = nullptr;
  const DWORD n =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer ? buffer : L"", n);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() <= L' ' || text.back() == L'.')) text.pop_back();
  if (text.empty()) return "System error " + std::to_string(code);
  return Narrow(text);
}

std::string WinTextCodec::Utf8FromCp936(std::string_view cp936) { return Utf8FromWide(Wide(cp936)); }

std::optional<std::string> WinTextCodec::Cp936FromUtf8(std::string_view utf8) {
  if (!ScanUtf8(utf8).valid) return std::nullopt;
  BOOL usedDefault = FALSE;
  std::string cp936 = FromWide(kCodePage, WideFromUtf8(utf8), &usedDefault);
  if (usedDefault) return std::nullopt;
  return cp936;
}

}  // namespace zv::win
