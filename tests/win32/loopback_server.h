#pragma once
// A small HTTP/1.1 server on 127.0.0.1 (a free port) answering GET requests
// from a table, on a thread of its own. It stops when destroyed or on Stop();
// afterwards its port refuses connections, as a server that is gone does.
// Clients are answered one after the other.
#include <winsock2.h>
#include <windows.h>

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace zv::win::test {

class LoopbackServer {
 public:
  struct Response {
    int status = 200;
    std::string body;
    std::string location;   // sent as Location (redirects)
    bool cutShort = false;  // announce the whole body, send half, hang up
    int dripMs = 0;         // send the reply one byte at a time, this far apart
  };

  LoopbackServer();
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  // "http://127.0.0.1:PORT/"
  const std::string& baseUrl() const { return baseUrl_; }
  // path without the leading "/"; anything not served answers 404.
  void Serve(const std::string& path, Response response);
  void Forget(const std::string& path);
  // The paths asked for, in order.
  std::vector<std::string> Requests();
  void Stop();

 private:
  static DWORD WINAPI Run(void* self);
  void Answer(SOCKET client);
  void Send(SOCKET client, const std::string& bytes, int dripMs);

  SOCKET listener_ = INVALID_SOCKET;
  HANDLE stopping_ = nullptr;  // wakes a drip up early
  HANDLE thread_ = nullptr;
  std::string baseUrl_;
  std::mutex mutex_;
  std::map<std::string, Response> responses_;
  std::vector<std::string> requests_;
};

}  // namespace zv::win::test
