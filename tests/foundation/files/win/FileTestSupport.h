#pragma once

#include "foundation/strings/StrBuffer.h"
#include "TestSupport.h"
#include "foundation/files/win/PathWin.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>

namespace file_test {

using s::test::narrow;
using s::test::TempFolder;

namespace fs = std::filesystem;

struct PathRelease {
    void operator()(s::file::win::PathWin* path) const { path->release(); }
};
using PathPtr = std::unique_ptr<s::file::win::PathWin, PathRelease>;

inline PathPtr pathOf(const std::u16string& text) {
    return PathPtr(s::file::win::PathWin::of(text.c_str()));
}

inline std::string fileBytes(const std::u16string& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::u16string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(fs::path(path), std::ios::binary);
    out << bytes;
}

inline std::uint64_t sizeOnFile(const std::u16string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(reinterpret_cast<const wchar_t*>(path.c_str()), GetFileExInfoStandard,
                              &data))
        return ~0ull;
    return static_cast<std::uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

inline bool setAttribute(const std::u16string& path, DWORD bits) {
    auto* name = reinterpret_cast<const wchar_t*>(path.c_str());
    return SetFileAttributesW(name, GetFileAttributesW(name) | bits);
}

} // namespace file_test
