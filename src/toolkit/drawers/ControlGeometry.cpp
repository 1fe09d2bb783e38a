#include "toolkit/drawers/ControlGeometry.h"

#include <algorithm>

namespace s::gui::drawer {

ButtonPlan buttonPlan(const Rect& r, std::int32_t hoverState, bool bordered, bool pressed,
                      bool flat, bool contentShift) {
    ButtonPlan plan;
    std::int32_t state = hoverState == kHoverOver || hoverState == kHoverHeld ? hoverState
                                                                               : kHoverNone;
    // A toggled button looks sunk while the mouse is elsewhere and raised
    // while it hovers; held down it is about to spring back, so it shows flat.
    if (pressed)
        state = state == kHoverNone ? kHoverHeld : state == kHoverHeld ? kHoverNone : kHoverOver;
    plan.state = state;
    if (bordered) {
        plan.fillBackground = pressed;
        plan.background = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        plan.borderMode = state == kHoverOver ? kRaised : state == kHoverHeld ? kSunken : kNormal;
    } else if (pressed) {
        plan.fillBackground = true;
        plan.background = {r.left, r.top + (flat ? 1 : 0), r.right, r.bottom};
        plan.borderMode = kNormal;
    } else if (flat) {
        plan.borderMode = kOpen;
    }
    plan.content = {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    if (contentShift && state == kHoverOver)
        plan.content = {r.left + 1, r.top + 1, r.right - 3, r.bottom - 3};
    else if (contentShift && state == kHoverHeld)
        plan.content = {r.left + 3, r.top + 3, r.right - 1, r.bottom - 1};
    return plan;
}

std::vector<TextPass> textPasses(std::int32_t style, Colour colour, Colour colour2,
                                 Colour colour3) {
    constexpr Colour kBlack = rgb(0, 0, 0), kWhite = rgb(255, 255, 255);
    switch (style) {
    case 1:
    case 7: {
        const Colour outline = style == 1 ? colour2 : colour3;
        return {{0, -1, outline}, {1, -1, outline}, {2, -1, outline}, {2, 0, outline},
                {2, 1, outline},  {1, 1, outline},  {0, 1, outline},  {0, 0, outline},
                {1, 0, colour}};
    }
    case 2:
        return {{1, 1, colour == kBlack ? rgb(238, 238, 238) : rgb(119, 119, 119)},
                {0, 0, colour}};
    case 3:
        return {{2, 2, kBlack}, {0, 0, kWhite}, {1, 1, colour}};
    case 4:
        return {{0, 0, kWhite}, {0, 2, kBlack}, {0, 1, colour}};
    case 5:
        return {{2, 2, kWhite}, {0, 0, kBlack}, {1, 1, colour}};
    case 6:
        return {{0, 0, kBlack}, {0, 2, kWhite}, {0, 1, colour}};
    default:
        return {{0, 0, colour}};
    }
}

Growth textGrowth(std::int32_t style) {
    switch (style) {
    case 2:
        return {1, 1};
    case 1:
    case 3:
    case 5:
    case 7:
        return {2, 1};
    case 4:
    case 6:
        return {0, 1};
    default:
        return {0, 0};
    }
}

Rect comboTextArea(const Rect& r, std::int32_t hoverState) {
    const std::int32_t shift = hoverState == kHoverOver ? -1 : hoverState == kHoverHeld ? 1 : 0;
    return {r.left + 4 + shift, r.top + 2, r.right - 15 + shift, r.bottom - 2};
}

Rect comboArrowArea(const Rect& r, std::int32_t hoverState) {
    const Rect text = comboTextArea(r, hoverState);
    return {text.right + 2, r.top + 2, text.right + 12, r.bottom - 2};
}

Rect checkBoxInterior(const Rect& r, std::int32_t boxSize) {
    return {r.left + 2, r.top + 2, r.left + boxSize - 2, r.top + boxSize - 2};
}

void focusMarkRects(const Rect& r, Colour colour, Fills& out) {
    if (r.empty())
        return;
    // The dots follow one chequer, so that the corners join up and the
    // right and bottom edges keep the pattern of the top and left ones.
    auto dot = [&](std::int32_t x, std::int32_t y) {
        if (((x - r.left) + (y - r.top)) % 2 == 0)
            addFill(out, xywh(x, y, 1, 1), colour);
    };
    for (std::int32_t x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        if (r.bottom - 1 > r.top)
            dot(x, r.bottom - 1);
    }
    for (std::int32_t y = r.top + 1; y < r.bottom - 1; ++y) {
        dot(r.left, y);
        if (r.right - 1 > r.left)
            dot(r.right - 1, y);
    }
}

void checkBoxRects(const Rect& r, std::int32_t boxSize, Colour frameColour, Fills& out) {
    const Rect box = xywh(r.left, r.top, boxSize, boxSize);
    const Rect inner = checkBoxInterior(r, boxSize);
    addFill(out, {box.left, box.top, box.right, inner.top}, frameColour);
    addFill(out, {box.left, inner.bottom, box.right, box.bottom}, frameColour);
    addFill(out, {box.left, inner.top, inner.left, inner.bottom}, frameColour);
    addFill(out, {inner.right, inner.top, box.right, inner.bottom}, frameColour);
    addFill(out, inner, rgb(255, 255, 255));
}

std::int32_t checkTextOffset(std::int32_t boxSize) { return boxSize + boxSize / 6; }

namespace {

// The offset of value in a run of `length` pixels for the range, clamped.
std::int32_t place(std::int32_t value, const SliderState& s, std::int32_t length) {
    if (s.maximum <= s.minimum || length <= 0)
        return 0;
    const std::int64_t v = std::clamp(value, s.minimum, s.maximum);
    return static_cast<std::int32_t>((v - s.minimum) * length /
                                     (static_cast<std::int64_t>(s.maximum) - s.minimum));
}

} // namespace

SliderLayout sliderLayout(const Rect& r, bool framed, const SliderState& s) {
    SliderLayout out;
    const std::int32_t inset = framed ? 1 : 0;
    out.track = {r.left + inset, r.top + inset, r.right - inset, r.bottom - inset};
    const Rect& t = out.track;
    if (t.empty())
        return out;
    const std::int32_t length = (s.vertical ? t.bottom - t.top : t.right - t.left);
    const std::int32_t thumb = std::min(kSliderThumb, length);
    const std::int32_t run = length - thumb;
    auto at = [&](std::int32_t value) { return place(value, s, run); };
    const std::int32_t pos = at(s.value);
    // Markers are 2 pixels wide, centred on where the thumb's middle would be.
    auto marker = [&](std::int32_t value, std::int32_t depth) {
        const std::int32_t c = at(value) + thumb / 2 - 1;
        if (s.vertical)
            return Rect{t.right - depth, t.bottom - c - 2, t.right, t.bottom - c};
        return Rect{t.left + c, t.bottom - depth, t.left + c + 2, t.bottom};
    };
    if (s.vertical) {
        out.thumb = {t.left, t.bottom - pos - thumb, t.right, t.bottom - pos};
        out.before = {t.left, out.thumb.bottom, t.right, t.bottom};
        out.after = {t.left, t.top, t.right, out.thumb.top};
    } else {
        out.thumb = {t.left + pos, t.top, t.left + pos + thumb, t.bottom};
        out.before = {t.left, t.top, out.thumb.left, t.bottom};
        out.after = {out.thumb.right, t.top, t.right, t.bottom};
    }
    const std::int32_t across = s.vertical ? t.right - t.left : t.bottom - t.top;
    if (s.limitOn)
        out.limit = marker(s.limit, across);
    for (int i = 0; i < 3; ++i)
        if (s.marks[i] >= s.minimum && s.marks[i] <= s.maximum && s.maximum > s.minimum)
            out.marks[i] = marker(s.marks[i], std::max(1, across / 3));
    return out;
}

} // namespace s::gui::drawer
