#pragma once

#include "toolkit/drawers/Painters.h"
#include "toolkit/scale/DisplayScale.h"

#include <cstdint>

namespace s::gui::win {

class Font;

// A logical font description with three colours. Each field remembers
// whether it was set explicitly, so that a skin's painter fills in only what
// the program did not choose (inheritFrom).
class FontSetting {
public:
    FontSetting();

    // Sets the height and (unless set explicitly) the weight of a size code:
    // see font::sizeForCode. Codes that stand for no size only are stored.
    void setSizeCode(std::int32_t code);
    std::int32_t getSizeCode() const { return sizeCode_; }

    void setHeight(std::int32_t h);
    std::int32_t getHeight() const { return height_; }
    void setWidth(std::int32_t w);
    std::int32_t getWidth() const { return width_; }
    void setWeight(std::int32_t w);
    std::int32_t getWeight() const { return weight_; }
    void setBold(bool on) { setWeight(on ? 700 : 400); }
    bool isBold() const { return weight_ >= 500; }
    void setItalic(bool on);
    bool isItalic() const { return italic_; }
    void setUnderline(bool on);
    bool isUnderline() const { return underline_; }
    void setStrikeOut(bool on);
    bool isStrikeOut() const { return strikeOut_; }
    // 5 ClearType, 3 no anti-aliasing.
    void setQuality(std::int32_t q);
    std::int32_t getQuality() const { return quality_; }
    // At most 31 characters are kept.
    void setFaceName(const char16_t* name);
    const char16_t* getFaceName() const { return faceName_; }

    void setColour(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    drawer::Colour getColour() const { return colour_; }
    void setColour2(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    drawer::Colour getColour2() const { return colour2_; }
    void setColour3(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    drawer::Colour getColour3() const { return colour3_; }

    // How the text painter draws with this font: style 0 plain, 1 and 7
    // outlined, 2 shadowed, 3 to 6 embossed; word wrap; end ellipsis.
    void setStyle(std::int32_t style);
    std::int32_t getStyle() const { return style_; }
    void setWordWrap(bool on);
    bool isWordWrap() const { return wordWrap_; }
    void setEllipsis(bool on);
    bool isEllipsis() const { return ellipsis_; }

    // Copies from other every field this setting did not set explicitly.
    void inheritFrom(const FontSetting& other);
    // Back to the defaults, nothing explicit.
    void reset();

    // A pooled font built from this description; the caller releases it.
    // Null when the platform cannot make the font.
    // The native font at the scale of the display it is shown on; heights
    // and widths are kept in toolkit pixels.
    Font* createFont(DisplayScale scale) const;

private:
    enum Field : std::uint32_t {
        kHeight = 1u << 0,
        kWidth = 1u << 1,
        kWeight = 1u << 2,
        kItalic = 1u << 3,
        kUnderline = 1u << 4,
        kStrikeOut = 1u << 5,
        kQuality = 1u << 6,
        kFaceName = 1u << 7,
        kColour = 1u << 8,
        kColour2 = 1u << 9,
        kColour3 = 1u << 10,
        kStyle = 1u << 11,
        kWordWrap = 1u << 12,
        kEllipsis = 1u << 13,
    };
    bool isSet(Field f) const { return (explicit_ & f) != 0; }
    void copyFace(const char16_t* name);

    std::uint32_t explicit_ = 0;
    std::int32_t height_ = -13;
    std::int32_t width_ = 0;
    std::int32_t weight_ = 400;
    bool italic_ = false;
    bool underline_ = false;
    bool strikeOut_ = false;
    std::int32_t quality_ = 5;
    char16_t faceName_[32] = {};
    drawer::Colour colour_ = drawer::rgb(238, 238, 238);
    drawer::Colour colour2_ = drawer::rgb(238, 238, 238);
    drawer::Colour colour3_ = 0;
    std::int32_t style_ = 0;
    bool wordWrap_ = false;
    bool ellipsis_ = false;
    std::int32_t sizeCode_ = 0;
};

} // namespace s::gui::win
