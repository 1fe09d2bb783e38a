#include "toolkit/scale/DisplayScale.h"

namespace s::gui {

namespace {
thread_local DisplayScale current;
} // namespace

DisplayScale paintScale() {
    return current;
}

PaintScale::PaintScale(DisplayScale scale) : previous_(current) {
    current = scale;
}

PaintScale::~PaintScale() {
    current = previous_;
}

} // namespace s::gui
