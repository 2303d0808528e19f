#include "common/InstalledFiles.h"

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

bool ReadTextFile(HWND owner, const std::string& path, std::string& text) {
    text.clear();
    DataFile file(path);
    if (!file.Open()) {
        ReportFileError(owner, path);
        return false;
    }
    // The lessons and articles are a few kilobytes; anything beyond a megabyte is not one.
    constexpr std::int64_t kLargest = 1 << 20;
    const std::int64_t size = file.Size();
    if (size < 0 || size > kLargest) {
        ReportDamagedFile(owner, path);
        return false;
    }
    text.resize(static_cast<size_t>(size));
    if (size > 0 && !file.ReadAt(0, text.data(), static_cast<int>(size))) {
        text.clear();
        ReportDamagedFile(owner, path);
        return false;
    }
    return true;
}

}  // namespace qope
