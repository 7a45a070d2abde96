// The command behind "一键获取下载地址".
#pragma once

#include "app/command_context.h"

// Fetches the play page named in 编辑框1 and appends, for every match of the
// search pattern, the title to 编辑框2, the MP3 address to 编辑框3 and the
// M4A address to 编辑框4.
void ExtractDownloadAddresses(const CommandContext& context);
