#pragma once

#include "toolkit/drawers/ThinDrawers.h"
#include "toolkit/drawers/win/Surface.h"
#include "toolkit/win/FontSetting.h"

namespace s::gui::drawer::text::win {

// Draws text in the styles of its font (plain, outlined, shadowed,
// embossed). Holds five font settings a control's fonts are filled from:
// normal, disabled, and three more for the controls that need them.
class Basic final : public paint::PooledDrawer<Basic, IBasic> {
public:
    static constexpr std::int32_t kFontCount = 5;

    const char16_t* getClassName() const override { return u"s_gui_drawer_text_win_Basic"; }
    void clear() override;

    // Draws nothing: text needs a text.
    void paint(void*, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void drawText(void* surface, const Rect& rect, const char16_t* text,
                  const gui::win::Font* font) override;
    void measureText(void* surface, const Rect& rect, const char16_t* text,
                     const gui::win::Font* font, std::int32_t& width,
                     std::int32_t& height) override;
    void fillFonts(gui::win::FontSetting* f1, gui::win::FontSetting* f2,
                   gui::win::FontSetting* f3, gui::win::FontSetting* f4,
                   gui::win::FontSetting* f5) override;
    void setCentred(bool on) override { centred_ = on; }
    bool isCentred() const override { return centred_; }
    void setFontColour(std::int32_t index, std::uint8_t r, std::uint8_t g,
                       std::uint8_t b) override {
        fontSetting(index).setColour(r, g, b);
    }
    void setFontColour2(std::int32_t index, std::uint8_t r, std::uint8_t g,
                        std::uint8_t b) override {
        fontSetting(index).setColour2(r, g, b);
    }
    void setFontColour3(std::int32_t index, std::uint8_t r, std::uint8_t g,
                        std::uint8_t b) override {
        fontSetting(index).setColour3(r, g, b);
    }
    // Indices below 0 give the first setting, above 4 the last.
    gui::win::FontSetting& fontSetting(std::int32_t index) override;

private:
    std::uint32_t formatFlags(const gui::win::Font* font) const;

    gui::win::FontSetting fonts_[kFontCount];
    bool centred_ = false;
};

} // namespace s::gui::drawer::text::win
