#pragma once

#include "foundation/strings/StrBuffer.h"
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

namespace fs = std::filesystem;

struct PathRelease {
    void operator()(s::file::win::PathWin* path) const { path->release(); }
};
using PathPtr = std::unique_ptr<s::file::win::PathWin, PathRelease>;

inline PathPtr pathOf(const std::u16string& text) {
    return PathPtr(s::file::win::PathWin::of(text.c_str()));
}

inline std::string narrow(const char16_t* text) {
    std::string out;
    for (; text != nullptr && *text != 0; ++text)
        out += *text < 0x80 ? static_cast<char>(*text) : '?';
    return out;
}

inline std::string narrow(const std::u16string& text) {
    return narrow(text.c_str());
}

// A folder of its own for each test below the Wine prefix's temporary
// folder, removed afterwards (hidden and read-only entries too).
class TempDir {
public:
    TempDir() {
        std::random_device seed;
        path_ = fs::temp_directory_path() /
                ("tarnwick-path-" + std::to_string(seed()) + std::to_string(seed()));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        for (auto& entry : fs::recursive_directory_iterator(path_, ignored))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const fs::path& path() const { return path_; }
    std::u16string text() const { return path_.u16string(); }
    std::u16string file(const std::u16string& relative) const {
        return (path_ / fs::path(relative)).u16string();
    }

private:
    fs::path path_;
};

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
