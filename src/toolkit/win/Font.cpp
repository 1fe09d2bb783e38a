#include "toolkit/win/Font.h"

#include "foundation/objects/Pools.h"
#include "foundation/system/Platform.h"
#include "foundation/system/win/Handles.h"

#include <cstring>
#include <vector>

namespace s::gui::win {

namespace {

struct SharedFont {
    LOGFONTW description;
    HFONT font;
};

struct SharedFonts {
    platform::CriticalSection lock;
    std::vector<SharedFont> fonts;
};

SharedFonts& sharedFonts() {
    static SharedFonts shared;
    return shared;
}

// Only the meaningful part of the face name counts: what follows its end
// may differ between two equal descriptions.
bool sameDescription(const LOGFONTW& a, const LOGFONTW& b) {
    return std::memcmp(&a, &b, offsetof(LOGFONTW, lfFaceName)) == 0 &&
           std::wcsncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

thread_local system::win::CreatedDc threadMeasuringDc;

} // namespace

HFONT sharedNativeFont(const LOGFONTW& description) {
    SharedFonts& shared = sharedFonts();
    platform::CriticalSectionGuard guard(shared.lock);
    for (const SharedFont& known : shared.fonts) {
        if (sameDescription(known.description, description))
            return known.font;
    }
    HFONT font = CreateFontIndirectW(&description);
    if (font != nullptr)
        shared.fonts.push_back({description, font});
    return font;
}

std::size_t sharedNativeFontCount() {
    SharedFonts& shared = sharedFonts();
    platform::CriticalSectionGuard guard(shared.lock);
    return shared.fonts.size();
}

HDC measuringDc() {
    if (!threadMeasuringDc)
        threadMeasuringDc.reset(CreateCompatibleDC(nullptr));
    return threadMeasuringDc.get();
}

void releaseMeasuringDc() {
    threadMeasuringDc.reset();
}

base::IObject* Font::newInstance() const {
    return thread::take<Font>();
}

void Font::release() {
    thread::giveBack(this);
}

void Font::clear() {
    font_ = nullptr;
    colour_ = colour2_ = colour3_ = 0;
    style_ = 0;
    wordWrap_ = ellipsis_ = false;
}

} // namespace s::gui::win
