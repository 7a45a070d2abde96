// What a command may reach: the window services and the two factories of
// automation objects. Built once by the front end; commands keep nothing.
#pragma once

#include "app/window_services.h"
#include "extract/http_request.h"
#include "regex/regex_engine.h"

struct CommandContext {
  WindowServices& window;
  HttpRequestFactory makeRequest;
  RegexEngineFactory makeEngine;
};
