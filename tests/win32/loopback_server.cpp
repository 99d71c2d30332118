#include "win32/loopback_server.h"

#include <ws2tcpip.h>

#include <stdexcept>

namespace zv::win::test {

namespace {

constexpr DWORD kReceiveTimeoutMs = 5000;
constexpr std::size_t kMaxRequestBytes = 16384;

void SendAll(SOCKET s, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const int n = send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
    if (n <= 0) return;
    sent += static_cast<std::size_t>(n);
  }
}

// The path of "GET /path HTTP/1.1", without its "/".
std::string RequestPath(const std::string& head) {
  const auto start = head.find(' ');
  if (start == std::string::npos) return {};
  const auto end = head.find(' ', start + 1);
  std::string path = head.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
  if (!path.empty() && path[0] == '/') path.erase(0, 1);
  return path;
}

}  // namespace

LoopbackServer::LoopbackServer() {
  WSADATA data{};
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("WSAStartup failed");
  listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;  // any free port
  int length = sizeof address;
  if (listener_ == INVALID_SOCKET || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener_, 8) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("Cannot listen on 127.0.0.1");
  }
  stopping_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  baseUrl_ = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/";
  thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  if (!thread_) throw std::runtime_error("Cannot start the server thread");
}

LoopbackServer::~LoopbackServer() {
  Stop();
  if (stopping_) CloseHandle(stopping_);
  WSACleanup();
}

void LoopbackServer::Stop() {
  if (stopping_) SetEvent(stopping_);
  if (listener_ != INVALID_SOCKET) {
    closesocket(listener_);  // accept() fails and the thread ends
    listener_ = INVALID_SOCKET;
  }
  if (thread_) {
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
  }
}

void LoopbackServer::Serve(const std::string& path, Response response) {
  std::lock_guard lock(mutex_);
  responses_[path] = std::move(response);
}

void LoopbackServer::Forget(const std::string& path) {
  std::lock_guard lock(mutex_);
  responses_.erase(path);
}

std::vector<std::string> LoopbackServer::Requests() {
  std::lock_guard lock(mutex_);
  return requests_;
}

DWORD WINAPI LoopbackServer::Run(void* self) {
  auto* server = static_cast<LoopbackServer*>(self);
  const SOCKET listener = server->listener_;
  for (;;) {
    const SOCKET client = accept(listener, nullptr, nullptr);
    if (client == INVALID_SOCKET) return 0;
    server->Answer(client);
    closesocket(client);
  }
}

void LoopbackServer::Answer(SOCKET client) {
  setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&kReceiveTimeoutMs),
             sizeof kReceiveTimeoutMs);
  std::string head;
  char buffer[1024];
  while (head.find("\r\n\r\n") == std::string::npos && head.size() < kMaxRequestBytes) {
    const int n = recv(client, buffer, sizeof buffer, 0);
    if (n <= 0) return;
    head.append(buffer, static_cast<std::size_t>(n));
  }
  const std::string path = RequestPath(head);
  Response response{404, "not here", "", false, 0};
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(path);
    if (auto it = responses_.find(path); it != responses_.end()) response = it->second;
  }
  std::string reply = "HTTP/1.1 " + std::to_string(response.status) + " Answer\r\nContent-Length: " +
                      std::to_string(response.body.size()) + "\r\nConnection: close\r\n";
  if (!response.location.empty()) reply += "Location: " + response.location + "\r\n";
  reply += "\r\n";
  reply += response.cutShort ? response.body.substr(0, response.body.size() / 2) : response.body;
  Send(client, reply, response.dripMs);
  shutdown(client, SD_SEND);
}

void LoopbackServer::Send(SOCKET client, const std::string& bytes, int dripMs) {
  if (dripMs <= 0) {
    SendAll(client, bytes);
    return;
  }
  // Ends early when the client hangs up or the server stops.
  for (char byte : bytes) {
    if (send(client, &byte, 1, 0) != 1) return;
    if (WaitForSingleObject(stopping_, static_cast<DWORD>(dripMs)) == WAIT_OBJECT_0) return;
  }
}

}  // namespace zv::win::test
