#pragma once

// The painters of the controls: one interface per kind of element. A skin
// builds one drawer per kind from its colours; a control keeps the painter of
// its kind and calls it from its paint handler, always into an off-screen
// surface that is then copied to the screen in one step.
//
// Surfaces are native device contexts passed as void* so that these
// interfaces stay portable. Rectangles are left, top, right, bottom, right
// and bottom exclusive; every paint call does nothing for an empty one.
// Colours are packed as red in the low byte, then green, then blue.

#include "toolkit/drawers/IDrawer.h"

#include <cstdint>

namespace s::gui::win {
class FontSetting;
class Font;
} // namespace s::gui::win

namespace s::gui::counter {
class CounterData;
}

namespace s::gui::drawer {

using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
constexpr std::uint8_t redOf(Colour c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t greenOf(Colour c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t blueOf(Colour c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool empty() const { return left >= right || top >= bottom; }
    bool operator==(const Rect&) const = default;
};

// Hover state of a button-like control.
enum HoverState : std::int32_t { kHoverNone = 0, kHoverOver = 1, kHoverHeld = 2 };

// Window background and its 1-pixel border. paint() of IDrawer paints the
// frame over the rectangle.
class IWindow : public IDrawer {
public:
    virtual void setBackground(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getBackground() const = 0;
    virtual bool isTransparent() const = 0;
    virtual void setBorderColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getBorderColour() const = 0;
    // 0 square, 1 small rounded, 2 large rounded.
    virtual void setCorners(std::int32_t top, std::int32_t bottom) = 0;
    // The window's shape as a native region the caller owns (HRGN as void*).
    virtual void* createRegion(std::int32_t left, std::int32_t top, std::int32_t right,
                               std::int32_t bottom) const = 0;
};

// Border modes.
enum BorderMode : std::int32_t { kRaised = 0, kNormal = 1, kSunken = 2, kOpen = 3 };

class IBorder : public IDrawer {
public:
    virtual void setShading(bool on) = 0;
    virtual void drawBorder(void* surface, const Rect& rect, std::int32_t mode,
                            std::int32_t cornerKind, std::uint8_t r, std::uint8_t g,
                            std::uint8_t b) = 0;
};

class IText : public IDrawer {
public:
    virtual void drawText(void* surface, const Rect& rect, const char16_t* text,
                          const win::Font* font) = 0;
    virtual void measureText(void* surface, const Rect& rect, const char16_t* text,
                             const win::Font* font, std::int32_t& width,
                             std::int32_t& height) = 0;
    // Fills each given setting (null ones are skipped) from the drawer's
    // setting of the same position, where the caller did not set a field.
    virtual void fillFonts(win::FontSetting* f1, win::FontSetting* f2 = nullptr,
                           win::FontSetting* f3 = nullptr, win::FontSetting* f4 = nullptr,
                           win::FontSetting* f5 = nullptr) = 0;
    virtual void setCentred(bool on) = 0;
    virtual win::FontSetting& fontSetting(std::int32_t index) = 0;
};

class IButton : public IDrawer {
public:
    virtual void paintButton(void* surface, const Rect& rect, std::int32_t hoverState,
                             const char16_t* text, bool bordered, const win::Font* font,
                             bool enabled, bool pressed, bool flat) = 0;
    // True when the name is a glyph and it was drawn.
    virtual bool drawGlyph(void* surface, const Rect& rect, const char16_t* name,
                           std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual void fillFonts(win::FontSetting* normal, win::FontSetting* disabled) = 0;
    virtual void fillPressedFont(win::FontSetting* pressed) = 0;
    // The keyboard focus mark over the rectangle, in the skin's control colour.
    virtual void paintFocus(void* surface, const Rect& rect) = 0;
};

class ICheckBox : public IDrawer {
public:
    virtual void paintCheckBox(void* surface, const Rect& rect, std::int32_t boxSize,
                               bool checked, const char16_t* text, const win::Font* font) = 0;
    virtual void measure(void* surface, const char16_t* text, const win::Font* font,
                         std::int32_t& width, std::int32_t& height) = 0;
    virtual void fillFonts(win::FontSetting* normal, win::FontSetting* disabled) = 0;
    // The keyboard focus mark over the rectangle, in the frame colour.
    virtual void paintFocus(void* surface, const Rect& rect) = 0;
};

class IRadioButton : public IDrawer {
public:
    virtual void paintRadio(void* surface, void* scratchSurface, const Rect& rect, bool checked,
                            const char16_t* text, const win::Font* font, Colour background) = 0;
    virtual void measure(void* surface, const char16_t* text, const win::Font* font,
                         std::int32_t& width, std::int32_t& height) = 0;
    virtual void fillFonts(win::FontSetting* normal, win::FontSetting* disabled) = 0;
    // The keyboard focus mark over the rectangle, in the frame colour.
    virtual void paintFocus(void* surface, const Rect& rect) = 0;
};

class ICombo : public IDrawer {
public:
    virtual void paintCombo(void* surface, const Rect& rect, std::int32_t hoverState,
                            const char16_t* text, const win::Font* font, bool enabled) = 0;
    virtual void fillFonts(win::FontSetting* normal, win::FontSetting* disabled) = 0;
    // The keyboard focus mark over the rectangle, in the frame colour.
    virtual void paintFocus(void* surface, const Rect& rect) = 0;
};

class IGroupBox : public IDrawer {
public:
    virtual void paintGroup(void* surface, const Rect& rect, const char16_t* title,
                            const win::Font* font, std::int32_t titleWidth,
                            std::int32_t titleHeight) = 0;
    virtual void fillFonts(win::FontSetting* title) = 0;
};

// What a slider shows; the drawer places the thumb within the rules of its kind.
struct SliderState {
    std::int32_t minimum = 0;
    std::int32_t maximum = 100;
    std::int32_t value = 0;
    bool vertical = false;
    bool enabled = true;
    bool highlight = false;
    bool limitOn = false;
    std::int32_t limit = 0;
    std::int32_t marks[3] = {-1, -1, -1};
    bool gradient = false;
    Colour gradientFrom = 0;
    Colour gradientTo = 0;
};

class ISlider : public IDrawer {
public:
    // 0 none, 1 and 2: a sunken border of that corner kind.
    virtual void setFrameStyle(std::int32_t style) = 0;
    virtual void paintSlider(void* surface, const Rect& rect, const SliderState& state) = 0;
};

// The status bar shows its window's background: paint() draws nothing.
class IStatusBar : public IDrawer {};

// The painter of a counter meter (one or two series of samples as bars).
class ICounter : public IDrawer {
public:
    virtual void setBackground(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getBackground() const = 0;
    virtual bool isBackgroundTransparent() const = 0;
    virtual void setColour1(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getColour1() const = 0;
    virtual void setColour2(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getColour2() const = 0;
    // graphType 0 history columns, 1 level bars, 2 centred history columns.
    virtual void draw(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
                      std::int32_t bottom, std::int32_t graphType, counter::CounterData* series1,
                      counter::CounterData* series2, bool swapColours) = 0;
};

} // namespace s::gui::drawer
