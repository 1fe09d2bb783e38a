#include "toolkit/drawers/win/CounterBasic.h"

#include "foundation/objects/Pools.h"

#include <windows.h>

namespace s::gui::drawer::counter::win {

namespace {

// The stock DC brush takes any colour without a brush made per rectangle.
void fillRect(HDC dc, const Rect& rect, Colour colour) {
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    SetDCBrushColor(dc, static_cast<COLORREF>(colour));
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

class DcSink final : public gui::counter::IBarSink {
public:
    explicit DcSink(HDC dc) : dc_(dc) {}
    void fill(const Rect& rect, Colour colour) override { fillRect(dc_, rect, colour); }

private:
    HDC dc_;
};

} // namespace

base::IObject* Basic::newInstance() const {
    return thread::take<Basic>();
}

void Basic::release() {
    thread::giveBack(this);
}

void Basic::clear() {
    background_ = 0;
    transparent_ = true;
    palette_ = {};
}

void Basic::paint(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
                  std::int32_t bottom) {
    Rect area{left, top, right, bottom};
    if (surface == nullptr || area.empty() || transparent_)
        return;
    fillRect(static_cast<HDC>(surface), area, background_);
}

void Basic::setBackground(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    background_ = rgb(r, g, b);
    transparent_ = false;
}

void Basic::setColour1(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    palette_.colour1 = rgb(r, g, b);
}

void Basic::setColour2(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    palette_.colour2 = rgb(r, g, b);
}

void Basic::draw(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom, std::int32_t graphType, gui::counter::CounterData* series1,
                 gui::counter::CounterData* series2, bool swapColours) {
    Rect area{left, top, right, bottom};
    if (surface == nullptr || area.empty())
        return;
    paint(surface, left, top, right, bottom);
    DcSink sink(static_cast<HDC>(surface));
    bars_.compute(area, graphType, series1, series2, palette_, swapColours, sink);
}

} // namespace s::gui::drawer::counter::win
