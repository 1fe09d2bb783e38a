#pragma once

#include "foundation/collections/ICollection.h"
#include "foundation/objects/IObject.h"
#include "foundation/collections/IStream.h"

#include <cstdint>

namespace s::col {

// Reads a collection element by element, up to 64 bytes of whole elements a
// read. It has no position of its own: the positioning operations do nothing.
class CollectionInputStream final : public base::IObject, public io::IInputStream {
public:
    static constexpr std::uint32_t kBlockSize = 64;

    ~CollectionInputStream() override;

    const char16_t* getClassName() const override { return u"s_col_CollectionInputStream"; }
    base::IObject* newInstance() const override;
    void release() override;
    // Releases the iterator and forgets the collection.
    void clear() override;

    // Copies as many whole elements as fit into min(n, 64) bytes into the
    // stream's block and into buffer; false once no element is left (or
    // none fits into n). Reading 0 bytes succeeds.
    bool read(void* buffer, std::uint32_t n, std::uint32_t* count) override;
    // Releases the iterator; the next read starts again at the first element.
    void close() override;
    std::int64_t position() override { return 0; }
    bool isSeekable() override { return false; }
    void rewind() override {}
    std::int64_t seekToEnd() override { return 0; }
    void seek(std::int64_t) override {}
    void seekFromEnd(std::int64_t) override {}
    void skip(std::int64_t) override {}
    void skipBack(std::int64_t) override {}
    void closeAndReset() override { close(); }
    void dispose() override;

    // The bytes of the last read.
    const std::uint8_t* block() const { return block_; }

    // A pooled stream over collection, whose elements are elementSize bytes.
    static CollectionInputStream* over(ICollection* collection, std::uint32_t elementSize);

    // The iterators' pool must outlive this one: a stream destroyed at exit
    // may still hold an iterator.
    static void createDependentPools();

private:
    ICollection* collection_ = nullptr;
    IteratorBase* iterator_ = nullptr;
    std::uint32_t elementSize_ = 0;
    std::uint8_t block_[kBlockSize] = {};
};

} // namespace s::col
