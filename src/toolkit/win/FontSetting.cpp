#include "toolkit/win/FontSetting.h"

#include "foundation/objects/Pools.h"
#include "foundation/system/OsVersion.h"
#include "toolkit/font/FontSizeCode.h"
#include "toolkit/win/Font.h"

#include <algorithm>
#include <cstring>
#include <mutex>

namespace s::gui::win {

namespace {

constexpr char16_t kShellDlg2[] = u"MS Shell Dlg 2";

bool faceExists(const wchar_t* face) {
    system::win::WindowDc screen(nullptr);
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(
        screen.get(), &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// The platform's message font from version 6.0 on, when it is installed;
// "MS Shell Dlg 2" otherwise. Looked up once.
const char16_t* defaultFaceName() {
    static char16_t face[LF_FACESIZE] = {};
    static std::once_flag once;
    std::call_once(once, [] {
        std::memcpy(face, kShellDlg2, sizeof kShellDlg2);
        if (!system::OsVersion::get().vistaOrLater)
            return;
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) &&
            metrics.lfMessageFont.lfFaceName[0] != L'\0' &&
            faceExists(metrics.lfMessageFont.lfFaceName)) {
            std::memcpy(face, metrics.lfMessageFont.lfFaceName, sizeof face);
            face[LF_FACESIZE - 1] = u'\0';
        }
    });
    return face;
}

// The logical height of a point font in toolkit pixels: its em height on a
// 96-DPI display, negative so that the platform matches the character
// height. The font is made at the display's scale when it is realised.
std::int32_t logicalHeightOfPoints(std::int32_t points) {
    return -MulDiv(points, DisplayScale::kBaseDpi, 72);
}

} // namespace

FontSetting::FontSetting() {
    copyFace(defaultFaceName());
}

void FontSetting::copyFace(const char16_t* name) {
    std::size_t n = 0;
    if (name != nullptr)
        for (; n < 31 && name[n] != u'\0'; ++n)
            faceName_[n] = name[n];
    std::fill(faceName_ + n, faceName_ + 32, u'\0');
}

void FontSetting::setSizeCode(std::int32_t code) {
    sizeCode_ = code;
    const auto size = font::sizeForCode(code);
    if (!size)
        return;
    if (!isSet(kHeight)) {
        height_ = logicalHeightOfPoints(size->points);
        width_ = isSet(kWidth) ? width_ : 0;
    }
    if (!isSet(kWeight))
        weight_ = size->bold ? 700 : 400;
}

void FontSetting::setHeight(std::int32_t h) {
    height_ = h;
    explicit_ |= kHeight;
}
void FontSetting::setWidth(std::int32_t w) {
    width_ = w;
    explicit_ |= kWidth;
}
void FontSetting::setWeight(std::int32_t w) {
    weight_ = w;
    explicit_ |= kWeight;
}
void FontSetting::setItalic(bool on) {
    italic_ = on;
    explicit_ |= kItalic;
}
void FontSetting::setUnderline(bool on) {
    underline_ = on;
    explicit_ |= kUnderline;
}
void FontSetting::setStrikeOut(bool on) {
    strikeOut_ = on;
    explicit_ |= kStrikeOut;
}
void FontSetting::setQuality(std::int32_t q) {
    quality_ = q;
    explicit_ |= kQuality;
}
void FontSetting::setFaceName(const char16_t* name) {
    copyFace(name);
    explicit_ |= kFaceName;
}
void FontSetting::setColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    colour_ = drawer::rgb(r, g, b);
    explicit_ |= kColour;
}
void FontSetting::setColour2(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    colour2_ = drawer::rgb(r, g, b);
    explicit_ |= kColour2;
}
void FontSetting::setColour3(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    colour3_ = drawer::rgb(r, g, b);
    explicit_ |= kColour3;
}
void FontSetting::setStyle(std::int32_t style) {
    style_ = std::clamp(style, 0, 7);
    explicit_ |= kStyle;
}
void FontSetting::setWordWrap(bool on) {
    wordWrap_ = on;
    explicit_ |= kWordWrap;
}
void FontSetting::setEllipsis(bool on) {
    ellipsis_ = on;
    explicit_ |= kEllipsis;
}

void FontSetting::inheritFrom(const FontSetting& other) {
    if (!isSet(kHeight))
        height_ = other.height_;
    if (!isSet(kWidth))
        width_ = other.width_;
    if (!isSet(kWeight))
        weight_ = other.weight_;
    if (!isSet(kItalic))
        italic_ = other.italic_;
    if (!isSet(kUnderline))
        underline_ = other.underline_;
    if (!isSet(kStrikeOut))
        strikeOut_ = other.strikeOut_;
    if (!isSet(kQuality))
        quality_ = other.quality_;
    if (!isSet(kFaceName))
        copyFace(other.faceName_);
    if (!isSet(kColour))
        colour_ = other.colour_;
    if (!isSet(kColour2))
        colour2_ = other.colour2_;
    if (!isSet(kColour3))
        colour3_ = other.colour3_;
    if (!isSet(kStyle))
        style_ = other.style_;
    if (!isSet(kWordWrap))
        wordWrap_ = other.wordWrap_;
    if (!isSet(kEllipsis))
        ellipsis_ = other.ellipsis_;
    // A size code is the program's choice of size: it outlasts the height
    // and weight a skin's painter fills in.
    if (sizeCode_ != 0)
        setSizeCode(sizeCode_);
}

void FontSetting::reset() {
    *this = FontSetting();
}

Font* FontSetting::createFont(DisplayScale scale) const {
    LOGFONTW logical{};
    logical.lfHeight = scale.px(height_);
    logical.lfWidth = scale.px(width_);
    logical.lfWeight = weight_;
    logical.lfItalic = italic_;
    logical.lfUnderline = underline_;
    logical.lfStrikeOut = strikeOut_;
    logical.lfCharSet = DEFAULT_CHARSET;
    logical.lfQuality = static_cast<BYTE>(quality_);
    std::memcpy(logical.lfFaceName, faceName_, sizeof faceName_);
    HFONT native = sharedNativeFont(logical);
    if (native == nullptr)
        return nullptr;
    Font* font = thread::take<Font>();
    font->font_ = native;
    font->colour_ = colour_;
    font->colour2_ = colour2_;
    font->colour3_ = colour3_;
    font->style_ = style_;
    font->wordWrap_ = wordWrap_;
    font->ellipsis_ = ellipsis_;
    return font;
}

} // namespace s::gui::win
