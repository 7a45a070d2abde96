#include "loopback_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <zlib.h>

#include <optional>

namespace {

constexpr int kRequestTimeoutMs = 5'000;
constexpr int kTrickleIntervalMs = 200;
constexpr int kLongestStallMs = 30'000;
constexpr std::size_t kLargestRequest = 64 * 1024;

const char* ReasonOf(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 301:
      return "Moved Permanently";
    case 302:
      return "Found";
    case 307:
      return "Temporary Redirect";
    case 404:
      return "Not Found";
    case 500:
      return "Internal Server Error";
    default:
      return "Status";
  }
}

std::string GzipOf(const std::string& data) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) !=
      Z_OK)
    return {};
  std::string packed(deflateBound(&stream, data.size()), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(packed.data());
  stream.avail_out = static_cast<uInt>(packed.size());
  deflate(&stream, Z_FINISH);
  packed.resize(stream.total_out);
  deflateEnd(&stream);
  return packed;
}

std::string HeadOf(const HttpRoute& route, std::size_t bodyLength, std::string_view extraHeader) {
  std::string head = "HTTP/1.1 " + std::to_string(route.status) + " " + ReasonOf(route.status) +
                     "\r\nContent-Length: " + std::to_string(bodyLength) +
                     "\r\nConnection: close\r\n";
  for (const auto& [name, value] : route.headers) head += name + ": " + value + "\r\n";
  if (!extraHeader.empty()) head.append(extraHeader).append("\r\n");
  return head + "\r\n";
}

// MSG_NOSIGNAL: a client that has hung up must not raise SIGPIPE in the test.
bool SendAll(int client, std::string_view data) {
  while (!data.empty()) {
    const ssize_t sent = send(client, data.data(), data.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "%xx" escapes decoded, in either letter case; a malformed escape stays as it is.
std::string PercentDecoded(std::string_view target) {
  std::string decoded;
  for (std::size_t i = 0; i < target.size(); ++i) {
    const int high = i + 2 < target.size() ? HexDigitValue(target[i + 1]) : -1;
    const int low = high >= 0 ? HexDigitValue(target[i + 2]) : -1;
    if (target[i] == '%' && low >= 0) {
      decoded += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      decoded += target[i];
    }
  }
  return decoded;
}

std::optional<std::string> TargetOf(const std::string& request) {
  const std::size_t first = request.find(' ');
  if (first == std::string::npos) return std::nullopt;
  const std::size_t second = request.find(' ', first + 1);
  if (second == std::string::npos) return std::nullopt;
  return PercentDecoded(std::string_view(request).substr(first + 1, second - first - 1));
}

HttpRoute NotFound() { return {404, {{"Content-Type", "text/html"}}, "<html>not found</html>"}; }

}  // namespace

HttpRoute RedirectTo(std::string target, int status) {
  return {status, {{"Location", std::move(target)}}, "moved"};
}

LoopbackHttpServer::LoopbackHttpServer(std::map<std::string, HttpRoute> routes)
    : routes_(std::move(routes)) {
  if (pipe(stopPipe_) != 0) return;
  listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listener_ < 0) return;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      listen(listener_, 16) != 0 ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    return;
  port_ = ntohs(address.sin_port);
  thread_ = std::thread(&LoopbackHttpServer::Serve, this);
}

LoopbackHttpServer::~LoopbackHttpServer() {
  if (thread_.joinable()) {
    const char stop = 'x';
    (void)!write(stopPipe_[1], &stop, 1);
    thread_.join();
  }
  for (int fd : {listener_, stopPipe_[0], stopPipe_[1]})
    if (fd >= 0) close(fd);
}

std::string LoopbackHttpServer::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

void LoopbackHttpServer::Serve() {
  for (;;) {
    pollfd fds[2] = {{listener_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) continue;
    if (fds[1].revents != 0) return;
    const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) continue;
    Answer(client);
    close(client);
  }
}

bool LoopbackHttpServer::WaitForClient(int client, int timeoutMs) {
  pollfd fds[2] = {{client, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
  if (poll(fds, 2, timeoutMs) <= 0) return false;
  return fds[1].revents == 0 && fds[0].revents != 0;
}

std::optional<std::string> LoopbackHttpServer::ReadRequestTarget(int client) {
  std::string request;
  while (request.find("\r\n\r\n") == std::string::npos) {
    if (request.size() > kLargestRequest || !WaitForClient(client, kRequestTimeoutMs))
      return std::nullopt;
    char buffer[4096];
    const ssize_t received = recv(client, buffer, sizeof buffer, 0);
    if (received <= 0) return std::nullopt;
    request.append(buffer, static_cast<std::size_t>(received));
  }
  return TargetOf(request);
}

bool LoopbackHttpServer::Pause(int client, int ms) {
  pollfd fds[2] = {{client, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
  const int ready = poll(fds, 2, ms);
  if (ready == 0) return true;
  if (ready < 0 || fds[1].revents != 0) return false;
  char buffer[256];
  return recv(client, buffer, sizeof buffer, MSG_DONTWAIT) > 0;
}

void LoopbackHttpServer::Answer(int client) {
  const std::optional<std::string> target = ReadRequestTarget(client);
  if (!target) return;
  const auto found = routes_.find(*target);
  const HttpRoute& route = found != routes_.end() ? found->second : NotFound();
  switch (route.delivery) {
    case HttpRoute::Delivery::Whole:
      SendAll(client, HeadOf(route, route.body.size(), {}) + route.body);
      break;
    case HttpRoute::Delivery::Gzip: {
      const std::string packed = GzipOf(route.body);
      SendAll(client, HeadOf(route, packed.size(), "Content-Encoding: gzip") + packed);
      break;
    }
    case HttpRoute::Delivery::Stall:
      for (int waited = 0; waited < kLongestStallMs && Pause(client, kTrickleIntervalMs);
           waited += kTrickleIntervalMs) {
      }
      break;
    case HttpRoute::Delivery::Trickle:
      if (!SendAll(client, HeadOf(route, route.body.size(), {}))) break;
      for (char byte : route.body)
        if (!Pause(client, kTrickleIntervalMs) || !SendAll(client, std::string_view(&byte, 1)))
          break;
      break;
  }
}
