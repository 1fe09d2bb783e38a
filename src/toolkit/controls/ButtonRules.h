#pragma once

#include "foundation/strings/StrBuffer.h"

#include <cstdint>

namespace s::gui::controls {

// What a button's toggle settings make of clicks, hovering and hit tests.
struct ToggleRules {
    bool toggle = false;
    // A releasable toggle comes back up on the next click; one that is not
    // stays down once pressed.
    bool releasable = true;

    // The pressed state after a click on a button in state pressed.
    bool afterClick(bool pressed, bool enabled) const;
    // Clicks on a disabled button and on a pressed toggle that cannot be
    // released fall through to the window behind it.
    bool transparentToHits(bool pressed, bool enabled) const;
    // 0 normal, 1 mouse over, 2 held; a pressed toggle that cannot be
    // released shows no hover.
    std::int32_t hoverState(bool pressed, bool mouseOver, bool held) const;
};

// The timing of a held button's repeated presses: the first repeat after
// 500 ms, then one every 100 ms while the button stays held with the cursor
// on it; letting go or leaving ends the repeats.
class AutoRepeat {
public:
    static constexpr std::uint32_t kFirstDelayMs = 500;
    static constexpr std::uint32_t kRepeatDelayMs = 100;

    // The button went down: the delay until the first tick.
    std::uint32_t start();
    // A timer tick. Answers the delay until the next tick (0: stop the
    // timer) and sets press when the tick raises a press.
    std::uint32_t tick(bool held, bool mouseOver, bool& press);
    void stop() { running_ = false; }
    bool running() const { return running_; }

private:
    bool running_ = false;
};

// The text of a colour swatch: "#Color-" and the colour as eight hex digits,
// zero, blue, green, red (red in the low byte of colour).
void colourSwatchText(std::uint32_t colour, str::StrBuffer& text);

// A slider value inside [minimum, maximum] (bounds in either order), and
// with the limit on at most limit - 1.
std::int32_t clampSliderValue(std::int32_t value, std::int32_t minimum, std::int32_t maximum,
                              bool limitOn, std::int32_t limit);

} // namespace s::gui::controls
