#include "toolkit/drawers/win/SliderThin.h"

#include "toolkit/drawers/ControlGeometry.h"
#include "toolkit/drawers/FrameGeometry.h"
#include "toolkit/drawers/Glyphs.h"

#include <algorithm>

namespace s::gui::drawer::slider::win {

namespace {

std::uint8_t mix(std::uint8_t a, std::uint8_t b, std::int32_t i, std::int32_t n) {
    return static_cast<std::uint8_t>(a + (static_cast<std::int32_t>(b) - a) * i / n);
}

// One fill per pixel column (per row upwards for a vertical slider) from
// `from` at the start of the track to `to` at its end.
void gradient(const Rect& part, const Rect& track, bool vertical, Colour from, Colour to,
              Fills& out) {
    const std::int32_t n = std::max(1, (vertical ? track.bottom - track.top
                                                 : track.right - track.left) - 1);
    if (vertical) {
        for (std::int32_t y = part.top; y < part.bottom; ++y) {
            const std::int32_t i = track.bottom - 1 - y;
            addFill(out, {part.left, y, part.right, y + 1},
                    rgb(mix(redOf(from), redOf(to), i, n), mix(greenOf(from), greenOf(to), i, n),
                        mix(blueOf(from), blueOf(to), i, n)));
        }
        return;
    }
    for (std::int32_t x = part.left; x < part.right; ++x) {
        const std::int32_t i = x - track.left;
        addFill(out, {x, part.top, x + 1, part.bottom},
                rgb(mix(redOf(from), redOf(to), i, n), mix(greenOf(from), greenOf(to), i, n),
                    mix(blueOf(from), blueOf(to), i, n)));
    }
}

} // namespace

void Thin::clear() {
    frameStyle_ = 0;
    frame_ = fill_ = disabled_ = kGrey;
    border_.clear();
}

void Thin::paintSlider(void* surface, const Rect& rect, const SliderState& state) {
    HDC dc = paint::dcOf(surface);
    if (dc == nullptr || rect.empty())
        return;
    const Colour frame = state.enabled ? frame_ : disabled_;
    const Colour fill = state.enabled ? fill_ : disabled_;
    const bool framed = frameStyle_ == 1 || frameStyle_ == 2;
    if (framed)
        border_.drawBorder(surface, rect, kSunken, frameStyle_, redOf(frame), greenOf(frame),
                           blueOf(frame));
    const ScaleMap map(paintScale(), rect);
    const SliderLayout layout = sliderLayout(map.logical(), framed, state);
    Fills fills;
    if (state.gradient && state.enabled)
        gradient(layout.before, layout.track, state.vertical, state.gradientFrom,
                 state.gradientTo, fills);
    else
        addFill(fills, layout.before, fill);
    addFill(fills, layout.after, fill);
    for (const Rect& mark : layout.marks)
        addFill(fills, mark, frame);
    addFill(fills, layout.limit, frame);
    // A disabled slider is all of one colour: its thumb shows as a frame.
    const Colour thumb = !state.enabled ? fill : state.highlight ? shade(frame, 115) : frame;
    if (!state.enabled) {
        borderRects(layout.thumb, kNormal, 0, frame, false, fills);
    } else {
        addFill(fills, layout.thumb, thumb);
        glyphRects(state.vertical ? u"#ThumbLineH" : u"#ThumbLineV", layout.thumb, fill, fills);
    }
    map.toPlatform(fills);
    paint::fillAll(dc, fills);
}

} // namespace s::gui::drawer::slider::win
