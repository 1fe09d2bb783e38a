#pragma once

#include "foundation/collections/ICollection.h"

#include <cstdint>

namespace s::col::_array {

class ArrayBase;

// Walks the elements of one array. Index -1 is before the first element;
// next() answers the element at the cursor and moves on, previous() moves
// back and answers the element it arrives at. The cursor is an address into
// the array's block, so the array must not grow while it is walked.
class Iterator final : public IteratorBase {
public:
    const char16_t* getClassName() const override { return u"s_col_array_Iterator"; }
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

    // A pooled iterator over owner with the given index and the cursor on
    // element cursor.
    static Iterator* over(ArrayBase* owner, std::int32_t index, std::uint32_t cursor);

private:
    std::int32_t index_ = -1;
    ArrayBase* owner_ = nullptr;
    std::uint8_t* cursor_ = nullptr;
};

} // namespace s::col::_array
