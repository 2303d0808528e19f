// A data file opened for reading by its full path (GBK), through the wide file API.
#pragma once

#include "drill/code_table.h"

#include <windows.h>

#include <string>

namespace win {

class FileSource : public qope::RecordSource {
public:
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool Open() const { return file_ != INVALID_HANDLE_VALUE; }
    bool ReadAt(std::int64_t offset, char* buffer, int count) override;

private:
    HANDLE file_;
};

}  // namespace win
