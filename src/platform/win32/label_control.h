// The labels: small windows that paint themselves and never take the focus.
#pragma once

#include <windows.h>

inline constexpr char kLabelClassName[] = "VelmoraLabel";

// Registers the label window class once per process; false when it cannot be.
bool RegisterLabelClass(HINSTANCE instance);
