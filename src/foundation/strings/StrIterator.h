#pragma once

#include "foundation/collections/ICollection.h"

#include <cstdint>

namespace s::str::strbuffer {

class StrBuffer;

// Walks the units of one string. Index -1 is before the first unit.
class Iterator : public col::IteratorBase {
public:
    const char16_t* getClassName() const override { return u"s_str_strbuffer_Iterator"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    std::int32_t index() const override { return index_; }
    void setIndex(std::int32_t i) override;
    bool hasNext() const override;
    bool hasPrevious() const override { return index_ > 0; }
    void skip(std::int32_t n) override;
    void skipBack(std::int32_t n) override;
    void* next() override;
    void* previous() override;

    // A pooled iterator over owner with the given index and cursor unit.
    static Iterator* over(const StrBuffer* owner, std::int32_t index, std::uint32_t cursor);

private:
    std::int32_t index_ = -1;
    const StrBuffer* owner_ = nullptr;
    const char16_t* current_ = nullptr;
};

} // namespace s::str::strbuffer
