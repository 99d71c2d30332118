#include "win32/platform/win_downloader.h"

#include <windows.h>
#include <winhttp.h>

#include <memory>

#include "win32/platform/handles.h"
#include "win32/platform/text.h"

namespace zv::win {

namespace {

using Clock = std::chrono::steady_clock;

inline BOOL WINAPI CloseInternet(HINTERNET h) { return WinHttpCloseHandle(h); }
using InternetHandle = Owned<HINTERNET, CloseInternet>;
using EventHandle = Owned<HANDLE, CloseHandle>;

// Loopback hosts go direct: a proxy configured for the internet cannot
// reach this machine's own servers.
bool IsLoopback(const std::wstring& host) {
  return host == L"127.0.0.1" || host == L"localhost" || host == L"[::1]" || host == L"::1";
}

// What WinHTTP reports about one request. Its callback runs on WinHTTP's
// threads and signals `step` after each completion. A read still pending
// when the request is closed writes into `buffer`, so WinHTTP holds the
// state (`self`) until it says the handle is gone, its last word.
struct Progress {
  EventHandle step{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  DWORD status = 0;
  DWORD bytesRead = 0;
  std::shared_ptr<Progress> self;
  char buffer[16384];
};

void CALLBACK OnRequestStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID, DWORD length) {
  auto* progress = reinterpret_cast<Progress*>(context);
  if (!progress) return;
  switch (status) {
    case WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING: {
      const auto last = std::move(progress->self);  // may free it on leaving
      return;
    }
    case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
      progress->bytesRead = length;
      break;
    case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
    case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
    case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
      break;
    default:
      return;
  }
  progress->status = status;
  SetEvent(progress->step.get());
}

// One asynchronous request whose every step waits only until the deadline.
class Request {
 public:
  Request(HINTERNET connection, const std::wstring& path, bool secure, Clock::time_point deadline)
      : progress_(std::make_shared<Progress>()), deadline_(deadline) {
    if (!progress_->step) return;
    handle_ = WinHttpOpenRequest(connection, L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                 WINHTTP_DEFAULT_ACCEPT_TYPES, secure ? WINHTTP_FLAG_SECURE : 0);
    if (!handle_) return;
    DWORD_PTR context = reinterpret_cast<DWORD_PTR>(progress_.get());
    if (!WinHttpSetOption(handle_, WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof context) ||
        WinHttpSetStatusCallback(handle_, OnRequestStatus,
                                 WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS | WINHTTP_CALLBACK_FLAG_HANDLES,
                                 0) == WINHTTP_INVALID_STATUS_CALLBACK) {
      WinHttpCloseHandle(handle_);
      handle_ = nullptr;
      return;
    }
    progress_->self = progress_;
  }
  Request(const Request&) = delete;
  Request& operator=(const Request&) = delete;

  // Closing cancels what is pending; WinHTTP lets go of the state when done.
  ~Request() {
    if (handle_) WinHttpCloseHandle(handle_);
  }

  bool SendAndReceiveHeaders() {
    return handle_ && WinHttpSendRequest(handle_, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) &&
           Await(WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE) && WinHttpReceiveResponse(handle_, nullptr) &&
           Await(WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE);
  }

  std::optional<DWORD> QueryNumber(DWORD query) const {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (!WinHttpQueryHeaders(handle_, query | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX, &value, &size,
                             WINHTTP_NO_HEADER_INDEX)) {
      return std::nullopt;
    }
    return value;
  }

  // The next piece of the body (empty at its end), or nothing on failure.
  std::optional<std::string_view> Read() {
    if (!WinHttpReadData(handle_, progress_->buffer, sizeof progress_->buffer, nullptr) ||
        !Await(WINHTTP_CALLBACK_STATUS_READ_COMPLETE)) {
      return std::nullopt;
    }
    return std::string_view(progress_->buffer, progress_->bytesRead);
  }

 private:
  bool Await(DWORD completion) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline_ - Clock::now()).count();
    if (left <= 0) return false;
    if (WaitForSingleObject(progress_->step.get(), static_cast<DWORD>(left)) != WAIT_OBJECT_0) return false;
    return progress_->status == completion;
  }

  std::shared_ptr<Progress> progress_;
  Clock::time_point deadline_;
  HINTERNET handle_ = nullptr;
};

// The whole body, or nothing when it grows past maxBytes, the connection
// breaks, the deadline passes or it falls short of the announced length.
std::optional<std::string> ReadBody(Request& request, std::size_t maxBytes) {
  const auto announced = request.QueryNumber(WINHTTP_QUERY_CONTENT_LENGTH);
  if (announced && *announced > maxBytes) return std::nullopt;
  std::string body;
  for (;;) {
    const auto piece = request.Read();
    if (!piece) return std::nullopt;
    if (piece->empty()) break;
    if (piece->size() > maxBytes - body.size()) return std::nullopt;
    body.append(*piece);
  }
  if (announced && body.size() != *announced) return std::nullopt;
  return body;
}

std::optional<std::string> Get(const std::wstring& url, std::size_t maxBytes, Clock::time_point deadline) {
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
  InternetHandle session(
      WinHttpOpen(L"Zorvane", access, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC));
  if (!session) return std::nullopt;
  InternetHandle connection(WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
  if (!connection) return std::nullopt;
  Request request(connection.get(), path, parts.nScheme == INTERNET_SCHEME_HTTPS, deadline);
  if (!request.SendAndReceiveHeaders()) return std::nullopt;
  const auto status = request.QueryNumber(WINHTTP_QUERY_STATUS_CODE);
  if (!status || *status < 200 || *status > 299) return std::nullopt;
  return ReadBody(request, maxBytes);
}

}  // namespace

std::optional<std::string> WinHttpDownloader::Fetch(const std::string& url, std::size_t maxBytes) {
  try {
    return Get(Wide(url), maxBytes, Clock::now() + deadline_);
  } catch (...) {
    return std::nullopt;  // a download reports nothing, whatever went wrong
  }
}

}  // namespace zv::win
