#include "toolkit/drawers/win/RadioButtonThin.h"

#include "foundation/system/win/Handles.h"
#include "toolkit/drawers/ControlGeometry.h"

#include <optional>

namespace s::gui::drawer::radiobutton::win {

namespace {

constexpr Colour kDot = rgb(53, 185, 56);

// insideFrame keeps the whole pen inside the bounds: a ring over the whole
// surface would otherwise lose half its width at the edges.
void ellipse(HDC dc, std::int32_t from, std::int32_t to, Colour pen, Colour brush,
             bool insideFrame) {
    system::win::GdiObject<HPEN> p(CreatePen(insideFrame ? PS_INSIDEFRAME : PS_SOLID, 4, pen));
    system::win::GdiObject<HBRUSH> b(CreateSolidBrush(brush));
    if (!p || !b)
        return;
    system::win::Selection penSelected(dc, p.get());
    system::win::Selection brushSelected(dc, b.get());
    Ellipse(dc, from, from, to, to);
}

} // namespace

void Thin::paintRadio(void* surface, void* scratchSurface, const Rect& rect, bool checked,
                      const char16_t* text, const gui::win::Font* font, Colour background) {
    HDC dc = paint::dcOf(surface);
    if (dc == nullptr || rect.empty())
        return;
    HDC scratch = paint::dcOf(scratchSurface);
    // Declared so that the selection ends before the bitmap and the context.
    system::win::CreatedDc ownDc;
    system::win::Bitmap ownBitmap;
    std::optional<system::win::Selection> ownSelection;
    if (scratch == nullptr) {
        ownDc.reset(CreateCompatibleDC(dc));
        ownBitmap.reset(CreateCompatibleBitmap(dc, kScratchSize, kScratchSize));
        if (!ownDc || !ownBitmap)
            return;
        ownSelection.emplace(ownDc.get(), ownBitmap.get());
        scratch = ownDc.get();
    }
    paint::fillRect(scratch, {0, 0, kScratchSize, kScratchSize}, background);
    ellipse(scratch, 0, kScratchSize, frame_, background, true);
    if (checked)
        ellipse(scratch, 12, 40, background, kDot, false);
    // The ring is reduced to its size on the display; the scratch image is
    // large enough for every scale up to four times.
    const DisplayScale scale = paintScale();
    const std::int32_t ring = scale.px(kRingSize);
    const std::int32_t height = rect.bottom - rect.top;
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    // Halftone stretching needs the brush origin set again afterwards.
    POINT oldOrigin{};
    SetBrushOrgEx(dc, 0, 0, &oldOrigin);
    StretchBlt(dc, rect.left, rect.top + height / 2 - ring / 2, ring, ring, scratch, 0, 0,
               kScratchSize, kScratchSize, SRCCOPY);
    SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    SetStretchBltMode(dc, oldMode);
    const Rect textRect{rect.left + scale.px(checkTextOffset(scale.toToolkit(height))), rect.top,
                        rect.right, rect.bottom};
    text_.drawText(surface, textRect, text, font);
}

} // namespace s::gui::drawer::radiobutton::win
