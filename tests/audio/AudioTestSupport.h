#pragma once

#include "foundation/collections/Arrays.h"
#include "TestSupport.h"
#include "foundation/objects/Pools.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace audio_test {

using s::test::TempFolder;

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
