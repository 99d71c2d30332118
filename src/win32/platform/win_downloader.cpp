#include "win32/platform/win_downloader.h"

#include <windows.h>
#include <winhttp.h>

#include <cwchar>

#include "win32/platform/text.h"

namespace zv::win {

namespace {

inline BOOL WINAPI CloseInternet(HINTERNET h) { return WinHttpCloseHandle(h); }

class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET h) : h_(h) {}
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  ~InternetHandle() {
    if (h_) CloseInternet(h_);
  }
  HINTERNET get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }

 private:
  HINTERNET h_;
};

// The window is blocked while a download runs, so a dead server must not
// hold it for long.
constexpr int kResolveTimeoutMs = 10000;
constexpr int kConnectTimeoutMs = 10000;
constexpr int kSendTimeoutMs = 15000;
constexpr int kReceiveTimeoutMs = 15000;

// Loopback hosts go direct: a proxy configured for the internet cannot
// reach this machine's own servers.
bool IsLoopback(const std::wstring& host) {
  return host == L"127.0.0.1" || host == L"localhost" || host == L"[::1]" || host == L"::1";
}

std::optional<DWORD> QueryNumber(HINTERNET request, DWORD query) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (!WinHttpQueryHeaders(request, query | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX, &value, &size,
                           WINHTTP_NO_HEADER_INDEX)) {
    return std::nullopt;
  }
  return value;
}

// The whole body, or nothing when it grows past maxBytes, the connection
// breaks, or it falls short of the announced length.
std::optional<std::string> ReadBody(HINTERNET request, std::size_t maxBytes) {
  const auto announced = QueryNumber(request, WINHTTP_QUERY_CONTENT_LENGTH);
  if (announced && *announced > maxBytes) return std::nullopt;
  std::string body;
  char buffer[16384];
  for (;;) {
    DWORD read = 0;
    if (!WinHttpReadData(request, buffer, sizeof buffer, &read)) return std::nullopt;
    if (read == 0) break;
    if (read > maxBytes - body.size()) return std::nullopt;
    body.append(buffer, read);
  }
  if (announced && body.size() != *announced) return std::nullopt;
  return body;
}

std::optional<std::string> Get(const std::wstring& url, std::size_t maxBytes) {
  URL_COMPONENTS parts{sizeof parts};
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(url.c_str(), 0, 0, &parts)) return std::nullopt;
  if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return std::nullopt;
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
  path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (host.empty()) return std::nullopt;
  if (path.empty()) path = L"/";

  const DWORD access = IsLoopback(host) ? WINHTTP_ACCESS_TYPE_NO_PROXY : WINHTTP_ACCESS_TYPE_DEFAULT_PROXY;
  InternetHandle session(WinHttpOpen(L"Zorvane", access, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  if (!session) return std::nullopt;
  WinHttpSetTimeouts(session.get(), kResolveTimeoutMs, kConnectTimeoutMs, kSendTimeoutMs, kReceiveTimeoutMs);
  InternetHandle connection(WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
  if (!connection) return std::nullopt;
  const DWORD flags = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
  InternetHandle request(WinHttpOpenRequest(connection.get(), L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                            WINHTTP_DEFAULT_ACCEPT_TYPES, flags));
  if (!request) return std::nullopt;
  if (!WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
      !WinHttpReceiveResponse(request.get(), nullptr)) {
    return std::nullopt;
  }
  const auto status = QueryNumber(request.get(), WINHTTP_QUERY_STATUS_CODE);
  if (!status || *status < 200 || *status > 299) return std::nullopt;
  return ReadBody(request.get(), maxBytes);
}

}  // namespace

std::optional<std::string> WinHttpDownloader::Fetch(const std::string& url, std::size_t maxBytes) {
  try {
    return Get(Wide(url), maxBytes);
  } catch (...) {
    return std::nullopt;  // a download reports nothing, whatever went wrong
  }
}

}  // namespace zv::win
