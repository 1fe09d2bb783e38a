#include "toolkit/drawers/win/TextBasic.h"

#include "toolkit/drawers/ControlGeometry.h"
#include "toolkit/win/Font.h"

namespace s::gui::drawer::text::win {

namespace {

// What a pass needs of a font; without one the first setting's colours and
// style with the system's dialog font.
struct Look {
    HFONT handle;
    Colour colour, colour2, colour3;
    std::int32_t style;
};

Look lookOf(const gui::win::Font* font, const gui::win::FontSetting& fallback) {
    if (font != nullptr)
        return {font->handle(), font->colour(), font->colour2(), font->colour3(), font->style()};
    return {static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), fallback.getColour(),
            fallback.getColour2(), fallback.getColour3(), fallback.getStyle()};
}

// Restores the surface's text state when the drawing is done.
class TextState {
public:
    TextState(HDC dc, HFONT font)
        : dc_(dc), mode_(SetBkMode(dc, TRANSPARENT)), colour_(GetTextColor(dc)),
          font_(font != nullptr ? SelectObject(dc, font) : nullptr) {}
    ~TextState() {
        if (font_ != nullptr && font_ != HGDI_ERROR)
            SelectObject(dc_, font_);
        SetTextColor(dc_, colour_);
        SetBkMode(dc_, mode_);
    }
    TextState(const TextState&) = delete;
    TextState& operator=(const TextState&) = delete;

private:
    HDC dc_;
    int mode_;
    COLORREF colour_;
    HGDIOBJ font_;
};

} // namespace

void Basic::clear() {
    for (gui::win::FontSetting& f : fonts_)
        f.reset();
    centred_ = false;
}

gui::win::FontSetting& Basic::fontSetting(std::int32_t index) {
    return fonts_[index < 0 ? 0 : index >= kFontCount ? kFontCount - 1 : index];
}

std::uint32_t Basic::formatFlags(const gui::win::Font* font) const {
    // "&" is always shown as it is.
    std::uint32_t flags = DT_NOPREFIX;
    if (centred_)
        return flags | DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS;
    if (font != nullptr && font->wordWrap())
        return flags | DT_WORDBREAK;
    if (font != nullptr && font->ellipsis())
        return flags | DT_SINGLELINE | DT_END_ELLIPSIS;
    return flags | DT_SINGLELINE;
}

void Basic::drawText(void* surface, const Rect& rect, const char16_t* text,
                     const gui::win::Font* font) {
    HDC dc = paint::dcOf(surface);
    if (dc == nullptr || rect.empty() || text == nullptr || text[0] == u'\0')
        return;
    const Look look = lookOf(font, fonts_[0]);
    TextState state(dc, look.handle);
    const std::uint32_t flags = formatFlags(font);
    const auto* wide = reinterpret_cast<const wchar_t*>(text);
    // Outlines and shadows keep their distance from the text in toolkit
    // pixels, so they stay as thick beside the scaled font.
    const DisplayScale scale = paintScale();
    for (const TextPass& pass : textPasses(look.style, look.colour, look.colour2, look.colour3)) {
        RECT r = paint::toRect(rect);
        OffsetRect(&r, scale.px(pass.dx), scale.px(pass.dy));
        SetTextColor(dc, pass.colour);
        DrawTextW(dc, wide, -1, &r, flags);
    }
}

void Basic::measureText(void* surface, const Rect& rect, const char16_t* text,
                        const gui::win::Font* font, std::int32_t& width,
                        std::int32_t& height) {
    width = 0;
    height = 0;
    HDC dc = paint::dcOf(surface);
    if (dc == nullptr || text == nullptr)
        return;
    const Look look = lookOf(font, fonts_[0]);
    TextState state(dc, look.handle);
    RECT r = paint::toRect(rect);
    // An empty text still has the line's height.
    const auto* wide = reinterpret_cast<const wchar_t*>(text[0] != u'\0' ? text : u" ");
    DrawTextW(dc, wide, -1, &r, formatFlags(font) | DT_CALCRECT);
    const Growth growth = textGrowth(look.style);
    width = (text[0] != u'\0' ? r.right - r.left : 0) + growth.width;
    height = r.bottom - r.top + growth.height;
}

void Basic::fillFonts(gui::win::FontSetting* f1, gui::win::FontSetting* f2,
                      gui::win::FontSetting* f3, gui::win::FontSetting* f4,
                      gui::win::FontSetting* f5) {
    gui::win::FontSetting* given[kFontCount] = {f1, f2, f3, f4, f5};
    for (std::int32_t i = 0; i < kFontCount; ++i)
        if (given[i] != nullptr)
            given[i]->inheritFrom(fonts_[i]);
}

} // namespace s::gui::drawer::text::win
