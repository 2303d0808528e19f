// A record source over a file of the test's file system.
#pragma once

#include "common/record_source.h"

#include <cstdio>
#include <string>

class StdioSource : public qope::RecordSource {
public:
    explicit StdioSource(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}
    ~StdioSource() override {
        if (file_) std::fclose(file_);
    }
    StdioSource(const StdioSource&) = delete;
    StdioSource& operator=(const StdioSource&) = delete;
    bool Open() const { return file_ != nullptr; }
    bool ReadAt(std::int64_t offset, char* buffer, int count) override {
        if (!file_ || std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) return false;
        return std::fread(buffer, 1, static_cast<size_t>(count), file_) == static_cast<size_t>(count);
    }
    std::int64_t Size() override {
        if (!file_ || std::fseek(file_, 0, SEEK_END) != 0) return -1;
        return std::ftell(file_);
    }

private:
    std::FILE* file_;
};
