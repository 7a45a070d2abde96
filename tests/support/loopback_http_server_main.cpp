// Serves the files of a folder on 127.0.0.1, for tests run in another process
// (the Windows program under Wine fetches its pages from here).
//
//   loopback_http_server FOLDER [SECONDS]
//
// Each file answers at "/" followed by its path inside FOLDER. The port goes to
// stdout on a line of its own. Without SECONDS the server runs until stdin
// ends; with SECONDS it runs that long, whatever stdin does.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "loopback_http_server.h"

namespace {

std::map<std::string, HttpRoute> RoutesOfFolder(const std::filesystem::path& folder) {
  std::map<std::string, HttpRoute> routes;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream file(entry.path(), std::ios::binary);
    std::string body(std::istreambuf_iterator<char>(file), {});
    routes["/" + entry.path().lexically_relative(folder).generic_string()] = {200, {}, body};
  }
  return routes;
}

void WaitForStdinEnd() {
  char buffer[256];
  while (read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || !std::filesystem::is_directory(argv[1])) {
    std::cerr << "usage: loopback_http_server FOLDER [SECONDS]\n";
    return 2;
  }
  LoopbackHttpServer server(RoutesOfFolder(argv[1]));
  if (!server.ok()) {
    std::cerr << "loopback_http_server: cannot listen on 127.0.0.1\n";
    return 1;
  }
  std::cout << server.port() << std::endl;
  if (argc == 3)
    sleep(static_cast<unsigned>(std::atoi(argv[2])));
  else
    WaitForStdinEnd();
  return 0;
}
