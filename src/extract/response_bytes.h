// The bytes that a "responseBody" value holds.
#pragma once

#include "extract/http_request.h"
#include "text/text.h"

// An array of one-byte elements, of any number of dimensions, gives its
// elements in storage order; any other value gives no bytes. The element count
// is the product of the extents, read soundly: an array that declares a
// negative extent holds nothing, and one that declares more elements than it
// stores (an overflowing product included) gives only the bytes it stores.
ByteArray ResponseBytes(const AutomationValue& value);
