#pragma once

#include <cstdint>

namespace s::gui::win {
class FontSetting;
}

namespace s::gui {

// The font operations a control (or a group box, for its title) forwards to
// its font settings, one per visual state: a setter changes every state's
// setting, a getter reads the first one's. Each change measures the control
// again and asks its parent to lay it out. The font's height and width are
// named so, apart from the component's own size.
class IFontOperations {
public:
    virtual ~IFontOperations() = default;
    // See FontSetting::setSizeCode.
    virtual void setSizeCode(std::int32_t code) = 0;
    // The setting of a visual state; an unknown state gives the first one.
    // Changes made through it take effect at the next font operation.
    virtual win::FontSetting& getFont(std::int32_t state) = 0;
    virtual void setFaceName(const char16_t* name) = 0;
    // 24-bit RGB, red in the low byte.
    virtual std::uint32_t getColour() const = 0;
    virtual void setColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual void setColour2(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual void setColour3(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual void setFontHeight(std::int32_t h) = 0;
    virtual void setFontWidth(std::int32_t w) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setItalic(bool on) = 0;
    virtual void setUnderline(bool on) = 0;
    virtual void setStrikeOut(bool on) = 0;
    virtual void setWeight(std::int32_t weight) = 0;
    virtual std::int32_t getSizeCode() const = 0;
    virtual const char16_t* getFaceName() const = 0;
    virtual std::int32_t getFontHeight() const = 0;
    virtual std::int32_t getFontWidth() const = 0;
    // Weight 500 and above.
    virtual bool isBold() const = 0;
    virtual bool isItalic() const = 0;
    virtual bool isUnderline() const = 0;
    virtual bool isStrikeOut() const = 0;
    virtual std::int32_t getWeight() const = 0;
};

} // namespace s::gui
