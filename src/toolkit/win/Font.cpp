#include "toolkit/win/Font.h"

#include "foundation/objects/Pools.h"

namespace s::gui::win {

base::IObject* Font::newInstance() const {
    return thread::take<Font>();
}

void Font::release() {
    thread::giveBack(this);
}

void Font::clear() {
    font_.reset();
    colour_ = colour2_ = colour3_ = 0;
    style_ = 0;
    wordWrap_ = ellipsis_ = false;
}

} // namespace s::gui::win
