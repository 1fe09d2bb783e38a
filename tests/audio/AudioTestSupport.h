#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace audio_test {

// A folder of the test's own, removed afterwards; base() ends with a separator.
class TempFolder {
public:
    TempFolder() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("tarnwick-audio-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::u16string base() const { return (path_ / "").u16string(); }

private:
    std::filesystem::path path_;
};

} // namespace audio_test
