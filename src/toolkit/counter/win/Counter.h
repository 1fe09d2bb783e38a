#pragma once

#include "toolkit/ISkinHolder.h"

#include "toolkit/box/Box.h"
#include "toolkit/counter/CounterData.h"
#include "toolkit/counter/ICounter.h"
#include "toolkit/drawers/win/CounterBasic.h"
#include "toolkit/win/BackBuffer.h"
#include "toolkit/win/NativeWindowClass.h"

#include <windows.h>

#include <optional>

#include <cstdint>

namespace s::gui::win {

// The counter meter: a box holding at most one content component, laid out
// as a pile, in front of bars its painter draws from two series. Its window
// paints through a back buffer, lets clicks fall through to what is behind
// it and hands the wheel to its content.
// A 32-bit image whose pixels are in the program's memory.
class BarsImage {
public:
    // The image's context at that size, made anew when the size changes;
    // null when it cannot be made.
    HDC fit(std::int32_t width, std::int32_t height);
    void release();
    // False when both have the same size and pixels; otherwise true, with
    // the bounds of the pixels that differ (the whole image when the sizes
    // differ).
    bool changedArea(const BarsImage& other, RECT& changed) const;

private:
    system::win::CreatedDc dc_;
    system::win::Bitmap bitmap_;
    std::optional<system::win::Selection> selection_;
    void* bits_ = nullptr;
    std::int32_t width_ = 0, height_ = 0;
};

class Counter final : public Box, public ICounter, private INativeWindowHandler {
public:
    Counter();
    ~Counter() override;

    const char16_t* getClassName() const override { return u"s_gui_win_Counter"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    void setParent(IContainer* parent) override;
    // The content in front of the bars repaints with them, copying them out
    // of the counter's image where it is transparent.
    void repaint() override;
    // After new samples, on the window's thread: repaints the bars only where
    // they would look different from those on the screen, with what lies in
    // front of them there, and front (a component over the bars whose content
    // changed) whole, in one pass; tells whether the bars changed. A long
    // count-down's bars move a pixel every few seconds, and then only at
    // their end, while the text in front of them changes every second.
    bool repaintIfChanged(Component* front = nullptr);
    BackBuffer* getBackgroundImage(std::int32_t& x, std::int32_t& y) override;

    // IContainer
    void doLayout() override { Box::doLayout(); }
    layout::ILayoutManager* getLayout() override { return Box::getLayout(); }

    // ICounter
    void setLayout(layout::ILayoutManager* manager) override { Box::setLayout(manager); }
    using Box::setFixedHeight;
    using Box::setFixedWidth;
    using Box::setPercentHeight;
    using Box::setPercentWidth;
    void setPercentWidth(std::int32_t p) override { Box::setPercentWidth(p, true); }
    void setPercentHeight(std::int32_t p) override { Box::setPercentHeight(p, true); }
    void setFixedWidth(std::int32_t w) override { Box::setFixedWidth(w, true); }
    void setFixedHeight(std::int32_t h) override { Box::setFixedHeight(h, true); }
    IComponent* getContent() const override { return content_; }
    void setContent(IComponent* component) override;
    void setDrawer(drawer::ICounter* painter, bool owned) override;
    // The current skin's painter of this kind, installed not owned.
    void refreshSkin(ISkinHolder& holder) override {
        setDrawer(dynamic_cast<drawer::ICounter*>(holder.getPainter(ISkinHolder::kCounterPainter)), false);
    }
    // A box drawer that is not a counter painter is refused (and given back
    // when it was handed over).
    void setDrawer(drawer::IDrawer* drawer, bool owned) override;
    drawer::ICounter* getDrawer() override;
    void setGraphType(std::int32_t type) override;
    void setMargins(std::int32_t left, std::int32_t top, std::int32_t right,
                    std::int32_t bottom) override;
    counter::CounterData* getSeries1() override { return &series1_; }
    counter::CounterData* getSeries2() override { return &series2_; }
    void setShowSeries2(bool on) override;
    void releaseBackBuffer() override;
    bool toggleColourSwap() override;

    std::int32_t getGraphType() const { return graphType_; }
    bool isColourSwapped() const { return swapColours_; }

private:
    LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                          bool& handled) override;
    void paintNow(HWND hwnd);
    void drawBars(HDC buffer, HWND hwnd, const RECT& client);
    bool hasArea();
    bool repaintInFront(HRGN area, const RECT& changed, HDC next);
    BarsImage& shownBars() { return bars_[shownBars_]; }
    BarsImage& nextBars() { return bars_[1 - shownBars_]; }
    void hookWindow();
    void unhookWindow();
    void releaseOwnedPainter();
    void resetCounter();

    IComponent* content_ = nullptr;
    counter::CounterData series1_;
    counter::CounterData series2_;
    bool showSeries2_ = false;
    std::int32_t graphType_ = 0;
    std::int32_t marginLeft_ = 0, marginTop_ = 0, marginRight_ = 0, marginBottom_ = 0;
    bool swapColours_ = false;
    drawer::ICounter* painter_ = nullptr;
    bool painterOwned_ = false;
    // Used while no painter is set: black bars over a transparent background.
    drawer::counter::win::Basic defaultPainter_;
    BackBuffer backBuffer_;
    // The bars as last painted, and as they would be painted now: pixels the
    // program reads directly, to compare. A tick that brings the meter's
    // image up to date itself (the content covers the change) swaps them.
    BarsImage bars_[2];
    int shownBars_ = 0;
    HWND hooked_ = nullptr;
};

} // namespace s::gui::win
