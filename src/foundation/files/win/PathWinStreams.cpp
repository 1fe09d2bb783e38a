#include "foundation/files/win/PathWin.h"

#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"

#include <cstdint>
#include <limits>

namespace s::file::win {

FileInputStream* PathWin::openInputStream() const {
    FileInputStream* stream = thread::take<FileInputStream>();
    stream->open(systemPath());
    return stream;
}

FileOutputStream* PathWin::openOutputStream(bool append) const {
    PathWin* up = parentOrNone();
    if (up != nullptr) {
        if (!up->exists())
            up->createDirectory(false);
        up->release();
    }
    FileOutputStream* stream = thread::take<FileOutputStream>();
    stream->open(systemPath(), append);
    return stream;
}

bool PathWin::readAll(col::_array::ArrayU08* byteArray) const {
    byteArray->setLength(0);
    FileInputStream* in = openInputStream();
    std::int64_t size = in->fileSize();
    // The array counts in 32 bits; a larger file is refused rather than cut.
    bool fits = size >= 0 && size <= std::numeric_limits<std::int32_t>::max();
    std::uint32_t total = fits ? static_cast<std::uint32_t>(size) : 0;
    std::uint32_t got = 0;
    if (fits) {
        byteArray->reserveExact(total);
        auto* bytes = static_cast<std::uint8_t*>(byteArray->data());
        std::uint32_t count = 0;
        while (got < total && in->read(bytes + got, total - got, &count))
            got += count;
        byteArray->setLength(got);
    }
    in->dispose();
    return fits && got == total;
}

bool PathWin::writeAll(const col::_array::ArrayU08* byteArray, bool append) const {
    FileOutputStream* out = openOutputStream(append);
    std::uint32_t count = 0;
    bool ok =
        out->isOpen() && out->write(byteArray->data(), byteArray->length(), &count) && out->flush();
    out->dispose();
    forgetFileState();
    return ok;
}

bool PathWin::writeText(const str::IStr& string, bool append) const {
    col::ArrayU08* bytes = string.toUtf8Unterminated(nullptr, false);
    bool ok = writeAll(bytes, append);
    bytes->release();
    return ok;
}

} // namespace s::file::win
