#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/system/win/Handles.h"
#include "toolkit/drawers/Painters.h"

#include <windows.h>

namespace s::gui::win {

class FontSetting;

// A realised font: the native font of a FontSetting together with the colours
// and the drawing style the text painter needs. Made by
// FontSetting::createFont; released with release().
class Font final : public base::IObject, public thread::IPoolable {
public:
    // Small, and taken for every measuring of a text.
    static constexpr std::int32_t kPoolLimit = 64;

    Font() = default;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const char16_t* getClassName() const override { return u"s_gui_win_Font"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    HFONT handle() const { return font_; }
    drawer::Colour colour() const { return colour_; }
    drawer::Colour colour2() const { return colour2_; }
    drawer::Colour colour3() const { return colour3_; }
    std::int32_t style() const { return style_; }
    bool wordWrap() const { return wordWrap_; }
    bool ellipsis() const { return ellipsis_; }

private:
    friend class FontSetting;

    // The native font is the process's shared one for its description
    // (sharedNativeFont); the Font only borrows it.
    HFONT font_ = nullptr;
    drawer::Colour colour_ = 0;
    drawer::Colour colour2_ = 0;
    drawer::Colour colour3_ = 0;
    std::int32_t style_ = 0;
    bool wordWrap_ = false;
    bool ellipsis_ = false;
};

// One native font per description for the whole process: controls with the
// same font setting share it, so a window of a hundred controls in three
// fonts makes three. Kept until the process ends; null when the platform
// cannot make it.
HFONT sharedNativeFont(const LOGFONTW& description);
// How many native fonts the process has made that way (tests).
std::size_t sharedNativeFontCount();

// A memory surface of the calling thread for measuring text, made once and
// kept; a window's thread gives it back as it ends.
HDC measuringDc();
void releaseMeasuringDc();

} // namespace s::gui::win
