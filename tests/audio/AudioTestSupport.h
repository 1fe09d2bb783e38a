#pragma once

#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

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

// A pooled source of type Source reading bytes through an in-memory stream
// it owns.
template <class Source> Source* sourceOver(const std::vector<std::uint8_t>& bytes) {
    auto* stream = s::thread::take<s::col::_array::ArrayU08>();
    if (!bytes.empty())
        stream->append(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    stream->rewind();
    auto* source = s::thread::take<Source>();
    source->setInputSize(static_cast<std::int64_t>(bytes.size()));
    source->setInput(stream, true);
    return source;
}

} // namespace audio_test
