#pragma once

#include "foundation/strings/IStr.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <type_traits>

namespace s::test {

// ASCII text for assertions and messages: every other character becomes '?'.
template <class Char>
    requires std::is_integral_v<Char>
std::string narrow(const Char* text) {
    std::string out;
    for (; text != nullptr && *text != 0; ++text)
        out += static_cast<std::uint32_t>(*text) < 0x80 ? static_cast<char>(*text) : '?';
    return out;
}

inline std::string narrow(const std::u16string& text) {
    return narrow(text.c_str());
}

inline std::string narrow(const str::IStr& text) {
    std::string out;
    for (std::uint32_t i = 0; i < text.length(); ++i)
        out += text.charAt(i) < 0x80 ? static_cast<char>(text.charAt(i)) : '?';
    return out;
}

inline std::string narrow(const str::IStr* text) {
    return text != nullptr ? narrow(*text) : std::string();
}

// A folder of the test's own below the temporary folder, removed with all it
// holds afterwards (read-only entries too).
class TempFolder {
public:
    explicit TempFolder(const std::string& prefix = "tarnwick-test-") {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                (prefix + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::u16string text() const { return path_.u16string(); }
    // The folder's path ending in a separator.
    std::u16string base() const { return (path_ / "").u16string(); }
    std::u16string file(const std::u16string& relative) const {
        return (path_ / std::filesystem::path(relative)).u16string();
    }

private:
    std::filesystem::path path_;
};

} // namespace s::test
