#include "toolkit/controls/ButtonRules.h"

#include <algorithm>

namespace s::gui::controls {

bool ToggleRules::afterClick(bool pressed, bool enabled) const {
    if (!toggle || !enabled)
        return pressed;
    if (pressed && !releasable)
        return true;
    return !pressed;
}

bool ToggleRules::transparentToHits(bool pressed, bool enabled) const {
    return !enabled || (toggle && pressed && !releasable);
}

std::int32_t ToggleRules::hoverState(bool pressed, bool mouseOver, bool held) const {
    if (toggle && pressed && !releasable)
        return 0;
    if (held && mouseOver)
        return 2;
    return mouseOver ? 1 : 0;
}

std::uint32_t AutoRepeat::start() {
    running_ = true;
    return kFirstDelayMs;
}

std::uint32_t AutoRepeat::tick(bool held, bool mouseOver, bool& press) {
    press = false;
    if (!running_ || !held || !mouseOver) {
        running_ = false;
        return 0;
    }
    press = true;
    return kRepeatDelayMs;
}

void colourSwatchText(std::uint32_t colour, str::StrBuffer& text) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    text.set(u"#Color-");
    for (int shift = 28; shift >= 0; shift -= 4)
        text.append(kDigits[((colour & 0xFFFFFFu) >> shift) & 0xF]);
}

std::int32_t clampSliderValue(std::int32_t value, std::int32_t minimum, std::int32_t maximum,
                              bool limitOn, std::int32_t limit) {
    std::int32_t low = std::min(minimum, maximum), high = std::max(minimum, maximum);
    // In 64 bits, so that the lowest limit has a value below it.
    if (limitOn && std::int64_t{limit} - 1 < high)
        high = static_cast<std::int32_t>(std::max(std::int64_t{limit} - 1, std::int64_t{low}));
    // A limit at or below the minimum leaves only the minimum.
    high = std::max(high, low);
    return std::clamp(value, low, high);
}

} // namespace s::gui::controls
