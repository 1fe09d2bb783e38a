#include "toolkit/win/BackBuffer.h"

namespace s::gui::win {

HDC BackBuffer::fit(HDC reference, std::int32_t clientWidth, std::int32_t clientHeight) {
    geometry::Size wanted = geometry::backBufferSize(size_, {clientWidth, clientHeight});
    if (wanted.width <= 0 || wanted.height <= 0) {
        release();
        return nullptr;
    }
    if (wanted == size_ && dc_)
        return dc_.get();
    release();
    dc_.reset(CreateCompatibleDC(reference));
    bitmap_.reset(CreateCompatibleBitmap(reference, wanted.width, wanted.height));
    if (!dc_ || !bitmap_) {
        release();
        return nullptr;
    }
    selection_.emplace(dc_.get(), bitmap_.get());
    size_ = wanted;
    ++reallocations_;
    return dc_.get();
}

void BackBuffer::release() {
    selection_.reset();
    bitmap_.reset();
    dc_.reset();
    size_ = {};
}

} // namespace s::gui::win
