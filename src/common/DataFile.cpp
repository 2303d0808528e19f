#include "common/DataFile.h"

#include "win/text.h"
#include "win/ui.h"

namespace qope {

DataFile::DataFile(const std::string& path)
    : file_(::CreateFileW(win::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}

DataFile::~DataFile() {
    if (file_ != INVALID_HANDLE_VALUE) ::CloseHandle(file_);
}

bool DataFile::ReadAt(std::int64_t offset, char* buffer, int count) {
    if (file_ == INVALID_HANDLE_VALUE || offset < 0 || count < 0) return false;
    LARGE_INTEGER position{};
    position.QuadPart = offset;
    if (!::SetFilePointerEx(file_, position, nullptr, FILE_BEGIN)) return false;
    DWORD read = 0;
    return ::ReadFile(file_, buffer, static_cast<DWORD>(count), &read, nullptr) && read == static_cast<DWORD>(count);
}

std::int64_t DataFile::Size() {
    LARGE_INTEGER size{};
    if (file_ == INVALID_HANDLE_VALUE || !::GetFileSizeEx(file_, &size)) return -1;
    return size.QuadPart;
}

void ReportFileError(HWND owner, std::string_view path) {
    std::string text = "无法打开文件 ";
    text += path;
    text += "。";
    win::ShowMessage(owner, text, win::BoxIcon::Error);
}

void ReportDamagedFile(HWND owner, std::string_view path) {
    std::string text = "文件 ";
    text += path;
    text += " 不完整或已损坏，\n\n无法读取练习内容。";
    win::ShowMessage(owner, text, win::BoxIcon::Error);
}

}  // namespace qope
