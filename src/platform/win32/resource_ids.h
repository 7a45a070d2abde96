// Identifiers shared by velmora.rc and the code.
#pragma once

#define IDI_VELMORA 1
