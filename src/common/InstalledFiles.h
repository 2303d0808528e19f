// Files of the install tree read for a window, with the learner told by name which file
// could not be opened or is damaged: a drill set of the code tables, a whole text file.
#pragma once

#include "drill/code_table.h"

#include <windows.h>

#include <string>

namespace qope {

// Reads the set of `table` from record `start`; false (and `set` empty) when a file is
// missing or damaged, after the box that names it (owned by `owner`).
bool ReadDrillSet(HWND owner, const CodeTableFile& table, int start, CodeTable& set);

// Reads all of the file at `path` (GBK, complete) in binary; false, after the box that
// names it, when it cannot be opened or read.
bool ReadTextFile(HWND owner, const std::string& path, std::string& text);

}  // namespace qope
