#pragma once

#include "toolkit/controls/IFontOperations.h"
#include "toolkit/win/FontSetting.h"

#include <cstdint>

namespace s::gui::win {

// The font settings of a control, one per visual state, and the font
// operations forwarded to them: a setter changes every state's setting and
// then calls fontsChanged(), a getter reads the first setting. Shared by the
// controls and the group box, whose one setting is its title's.
class ControlFonts : public virtual IFontOperations {
public:
    static constexpr std::int32_t kMaxFonts = 3;

    ControlFonts(const ControlFonts&) = delete;
    ControlFonts& operator=(const ControlFonts&) = delete;

    void setSizeCode(std::int32_t code) override;
    FontSetting& getFont(std::int32_t state) override;
    void setFaceName(const char16_t* name) override;
    std::uint32_t getColour() const override { return fonts_[0].getColour(); }
    void setColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;
    void setColour2(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;
    void setColour3(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;
    void setFontHeight(std::int32_t h) override;
    void setFontWidth(std::int32_t w) override;
    void setBold(bool on) override;
    void setItalic(bool on) override;
    void setUnderline(bool on) override;
    void setStrikeOut(bool on) override;
    void setWeight(std::int32_t weight) override;
    // The text painter's drawing style of every font (0 plain, 1 and 7
    // outlined in the second or third colour).
    void setTextStyle(std::int32_t style);
    std::int32_t getSizeCode() const override { return fonts_[0].getSizeCode(); }
    const char16_t* getFaceName() const override { return fonts_[0].getFaceName(); }
    std::int32_t getFontHeight() const override { return fonts_[0].getHeight(); }
    std::int32_t getFontWidth() const override { return fonts_[0].getWidth(); }
    bool isBold() const override { return fonts_[0].isBold(); }
    bool isItalic() const override { return fonts_[0].isItalic(); }
    bool isUnderline() const override { return fonts_[0].isUnderline(); }
    bool isStrikeOut() const override { return fonts_[0].isStrikeOut(); }
    std::int32_t getWeight() const override { return fonts_[0].getWeight(); }

protected:
    // fontCount settings are used, 1 to kMaxFonts.
    explicit ControlFonts(std::int32_t fontCount);
    ~ControlFonts() override = default;

    // After any change of a font setting: new fonts, new size, new layout.
    virtual void fontsChanged() = 0;
    // Every setting back to its defaults, the colour no longer chosen.
    void resetFonts();

    FontSetting fonts_[kMaxFonts];
    std::int32_t fontCount_;
    // Set once the program or a painter chose the text colour; until then
    // text is drawn in the platform's colour.
    bool colourChosen_ = false;

private:
    template <class F> void changeFonts(F change) {
        for (std::int32_t i = 0; i < fontCount_; ++i)
            change(fonts_[i]);
        fontsChanged();
    }
};

} // namespace s::gui::win
