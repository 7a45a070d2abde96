// The loopback HTTP server that scripts/test-windows starts on 127.0.0.1 for
// these tests. It serves the files of tests/win32/pages.
#pragma once

#include <cstdlib>
#include <string>

// "http://127.0.0.1:<port>", or "" when the server was not started.
inline std::string LoopbackUrl() {
  const char* url = std::getenv("VELMORA_LOOPBACK_URL");
  return url ? url : "";
}

inline constexpr char kNoLoopbackServer[] =
    "VELMORA_LOOPBACK_URL is not set: run these tests through scripts/test-windows, which starts "
    "the server";
