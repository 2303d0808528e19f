// A data file of the install tree opened for reading by its full path (GBK), through the
// wide file API, and the two reports of a file the learner is shown.
#pragma once

#include "common/record_source.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace qope {

class DataFile : public RecordSource {
public:
    explicit DataFile(const std::string& path);
    ~DataFile() override;
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    bool Open() const { return file_ != INVALID_HANDLE_VALUE; }
    bool ReadAt(std::int64_t offset, char* buffer, int count) override;
    std::int64_t Size() override;

private:
    HANDLE file_;
};

// A file that cannot be opened: names the full path (GBK). The caller abandons the
// command that needed the file and changes nothing else.
void ReportFileError(HWND owner, std::string_view path);
// A file that opened but is too short or damaged to be read.
void ReportDamagedFile(HWND owner, std::string_view path);

}  // namespace qope
