#include "win/file_source.h"

#include "win/text.h"

namespace win {

FileSource::FileSource(const std::string& path)
    : file_(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}

FileSource::~FileSource() {
    if (file_ != INVALID_HANDLE_VALUE) ::CloseHandle(file_);
}

bool FileSource::ReadAt(std::int64_t offset, char* buffer, int count) {
    if (file_ == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER position{};
    position.QuadPart = offset;
    if (!::SetFilePointerEx(file_, position, nullptr, FILE_BEGIN)) return false;
    DWORD read = 0;
    return ::ReadFile(file_, buffer, static_cast<DWORD>(count), &read, nullptr) && read == static_cast<DWORD>(count);
}

}  // namespace win
