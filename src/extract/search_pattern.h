// What the extraction command looks for in a play page: the song's title
// (group 1) and the dated storage path of its audio file (group 2), on one line.
#pragma once

inline constexpr char kSearchPattern[] =
    R"re(title:"(.*)".*".*".*"(/\d{4}/\d{4}-\d{1,2}/\d{4}-\d{1,2}-\d{1,2}/\d{2,20}))re";
