// The request object on the platform's "MSXML2.XMLHTTP" / "Microsoft.XMLHTTP".
#pragma once

#include "extract/http_request.h"

HttpRequestFactory MakeXmlHttpRequestFactory();
