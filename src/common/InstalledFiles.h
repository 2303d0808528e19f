// The code-table files of the install tree, opened and read for a window: a drill set or
// one record, with the learner told by name which file could not be opened or is damaged.
#pragma once

#include "drill/code_table.h"

#include <windows.h>

namespace qope {

// Reads the set of `table` from record `start`; false (and `set` empty) when a file is
// missing or damaged, after the box that names it (owned by `owner`).
bool ReadDrillSet(HWND owner, const CodeTableFile& table, int start, CodeTable& set);

}  // namespace qope
