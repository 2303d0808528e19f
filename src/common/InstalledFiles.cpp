#include "common/CodeTableFiles.h"

#include "common/DataFile.h"
#include "common/install_paths.h"

namespace qope {

bool ReadDrillSet(HWND owner, const CodeTableFile& table, int start, CodeTable& set) {
    const std::string itemPath = InstallPath("selectfiles", table.itemFile);
    const std::string codePath =
        table.layout == TableLayout::Paired ? InstallPath("selectfiles", table.codeFile) : itemPath;
    DataFile items(itemPath);
    if (!items.Open()) {
        ReportFileError(owner, itemPath);
        return false;
    }
    DataFile codes(codePath);
    if (!codes.Open()) {
        ReportFileError(owner, codePath);
        return false;
    }
    switch (ReadSet(table, start, items, codes, set)) {
    case SetFailure::None:
        return true;
    case SetFailure::ItemFile:
        ReportDamagedFile(owner, itemPath);
        return false;
    case SetFailure::CodeFile:
        ReportDamagedFile(owner, codePath);
        return false;
    }
    return false;
}

}  // namespace qope
