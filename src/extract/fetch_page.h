// The play-page fetch: one synchronous GET through a request object.
#pragma once

#include "app/window_services.h"
#include "extract/http_request.h"
#include "text/text.h"

// Fetches the page at the address and answers its body as a Text: the bytes up
// to the first zero byte, in whatever encoding the site sent them. The body of
// any status counts, an error page included.
//
// The request object comes from kRequestProgId, else kRequestFallbackProgId.
// When neither can be made (or makeRequest is empty) the user is told so in one
// message box and nothing is requested. Every other failure is silent and
// answers the empty Text.
Text FetchPage(WindowServices& window, const HttpRequestFactory& makeRequest, const Text& address);
