#pragma once

#include "toolkit/box/Box.h"
#include "toolkit/controls/IStatusBar.h"
#include "toolkit/controls/win/ControlPeer.h"

#include <windows.h>

namespace s::gui::win {

// The bar a window keeps along its bottom edge: a child window of the
// toolkit's class holding one content component, laid out as a pile, and an
// optional size grip that sizes the window from its bottom-right corner. It
// shows its window's background; its painter draws over that.
class StatusBar final : public Box, public IStatusBar, public INativeControl {
public:
    static constexpr std::int32_t kMinimumHeight = 20;

    StatusBar();
    ~StatusBar() override;

    const char16_t* getClassName() const override { return u"s_gui_win_StatusBar"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    std::int32_t getMinimumHeight() const override;
    std::int32_t getPreferredHeight() const override;

    // IContainer
    void doLayout() override { Box::doLayout(); }
    layout::ILayoutManager* getLayout() override { return Box::getLayout(); }

    // IStatusBar
    void setContent(IComponent* component, std::int32_t pane) override;
    void setSizeGrip(bool on) override;
    bool hasSizeGrip() const override { return sizeGrip_; }
    void setDrawer(drawer::IDrawer* painter, bool owned) override {
        Box::setDrawer(painter, owned);
    }

    // INativeControl
    NativeForm nativeForm() const override;
    const char16_t* nativeText() const override { return u""; }
    void nativeCreated(HWND) override {}
    LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                          bool& handled) override;

private:
    void resetStatusBar();
    void paint(HDC surface, const RECT& client);
    bool pointInGrip(HWND hwnd, LPARAM clientPoint) const;

    bool sizeGrip_ = false;
    bool overGrip_ = false;
};

} // namespace s::gui::win
