// UTF-8 decoding of arbitrary bytes and encoding of arbitrary units: nothing
// may crash, every decoded unit must come from well-formed input or be
// U+FFFD, and text without stray surrogates must survive a round trip.

#include "foundation/collections/Arrays.h"
#include "foundation/strings/CodePage.h"
#include "foundation/strings/StrBuffer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using s::str::StrBuffer;
    StrBuffer decoded;
    decoded.fromUtf8(data, false, static_cast<std::int32_t>(size));
    if (decoded.length() > size)
        std::abort();

    // Whatever was decoded encodes and decodes back to itself: the decoder
    // only ever produces paired surrogates.
    auto* bytes = decoded.toUtf8Unterminated(nullptr, false);
    StrBuffer again;
    again.fromUtf8(static_cast<const std::uint8_t*>(bytes->data()), false,
                   static_cast<std::int32_t>(bytes->length()));
    if (!again.equals(&decoded))
        std::abort();

    // The same bytes taken as UTF-16 units, stray surrogates included.
    StrBuffer units;
    units.fromCodePage(s::system::codepage::CodePage(1200), data, false,
                       static_cast<std::int32_t>(size & ~std::size_t{1}));
    units.toUtf8(bytes, false);
    if (bytes->length() > 3 * units.length() + 1)
        std::abort();
    bytes->release();
    return 0;
}
