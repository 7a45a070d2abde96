// The life of the program once QApplication exists.
#pragma once

#include "extract/http_request.h"
#include "regex/regex_engine.h"

// Builds and shows the main window, binds its events to the commands and runs
// the event loop until the window is closed: returns 0 then. When the window
// cannot be built, shows an error box and returns -1 without entering the loop.
int RunMainWindow(HttpRequestFactory makeRequest, RegexEngineFactory makeEngine);
