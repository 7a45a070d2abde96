// A scripted HTTP/1.1 server on 127.0.0.1, for tests that need real traffic.
//
// It binds an ephemeral port on the loopback address only, answers one
// connection at a time from a fixed table of routes, closes every connection
// after its answer, and stops and joins its thread on destruction, also while a
// stalling answer is in progress. A request for a path without a route gets a
// 404 with a short HTML body.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

struct HttpRoute {
  enum class Delivery {
    Whole,    // status, headers and body at once
    Gzip,     // the body gzip-compressed, with Content-Encoding: gzip
    Stall,    // reads the request and never answers
    Trickle,  // status and headers, then one body byte every 200 ms
  };
  int status = 200;
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;
  Delivery delivery = Delivery::Whole;
};

// A redirect to target (a path of this server or a whole address).
HttpRoute RedirectTo(std::string target, int status = 302);

class LoopbackHttpServer {
 public:
  // Routes are keyed by the request target with its percent-escapes decoded,
  // query included: "/a%20b.html?x=1" is served by the route "/a b.html?x=1".
  // A target that arrived with a raw blank in it cannot reach any route.
  explicit LoopbackHttpServer(std::map<std::string, HttpRoute> routes);
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  // False when the socket could not be set up; the server then serves nothing.
  bool ok() const { return port_ != 0; }
  int port() const { return port_; }
  // "http://127.0.0.1:<port>" followed by the path.
  std::string Url(std::string_view path) const;

 private:
  void Serve();
  void Answer(int client);
  // Waits until the client sends something, hangs up or the server stops;
  // false unless the client is readable.
  bool WaitForClient(int client, int timeoutMs);
  std::optional<std::string> ReadRequestTarget(int client);
  // Waits ms; false when the client hung up or the server stops meanwhile.
  bool Pause(int client, int ms);

  std::map<std::string, HttpRoute> routes_;
  int listener_ = -1;
  int stopPipe_[2] = {-1, -1};
  int port_ = 0;
  std::thread thread_;
};
