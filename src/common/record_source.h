// A data file opened for reading by seek and read. The windows open files through the
// system (DataFile); the native tests through the C library.
#pragma once

#include <cstdint>

namespace qope {

class RecordSource {
public:
    virtual ~RecordSource() = default;
    // Reads `count` bytes at `offset`; false when the file ends before them.
    virtual bool ReadAt(std::int64_t offset, char* buffer, int count) = 0;
    // The length of the file in bytes; -1 when it cannot be told.
    virtual std::int64_t Size() = 0;
};

}  // namespace qope
