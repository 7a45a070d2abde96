#include "extract/extract_command.h"

// Placeholder until the page fetch and the search land.
void ExtractDownloadAddresses(const CommandContext&) {}
