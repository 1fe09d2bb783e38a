#pragma once

#include "toolkit/ISkinHolder.h"

#include "toolkit/controls/ButtonRules.h"
#include "toolkit/controls/IButton.h"
#include "toolkit/controls/win/Control.h"

namespace s::gui::drawer {
class IButton;
}

namespace s::gui::win {

// A push button showing a text or a glyph name ("#Play"), optionally a
// toggle that stays down, a colour swatch ("#Color-…") or the window's size
// grip ("#Resizer"). Events: 3 the left button went down on it (repeated
// while held with auto-repeat), 1 clicked, 2 after the click was processed
// (a toggle's pressed state already flipped).
class Button : public Control, public virtual IButton {
public:
    enum Event : int { kAction = 1, kAfterAction = 2, kPress = 3 };
    enum FontState : std::int32_t { kNormalFont = 0, kDisabledFont = 1, kPressedFont = 2 };

    Button();
    ~Button() override;

    const char16_t* getClassName() const override { return u"s_gui_win_Button"; }
    base::IObject* newInstance() const override;
    void release() override;

    void addActionListener(events::IEventListener* l) override { addListener(kAction, l); }
    void addAfterActionListener(events::IEventListener* l) override {
        addListener(kAfterAction, l);
    }
    void addPressListener(events::IEventListener* l) override { addListener(kPress, l); }

    void setAutoRepeat(bool on) override;
    bool isAutoRepeat() const override { return autoRepeat_; }
    void setDrawer(drawer::IButton* painter, bool owned) override;
    // The current skin's painter of this kind, installed not owned.
    void refreshSkin(ISkinHolder& holder) override {
        setDrawer(dynamic_cast<drawer::IButton*>(holder.getPainter(ISkinHolder::kButtonPainter)), false);
    }
    // Whether the painter draws the border while the button is neither
    // hovered nor pressed.
    void setBordered(bool on) override;
    bool isBordered() const override { return bordered_; }
    void setToggle(bool toggle, bool releasable, bool inverted, bool flat) override;
    bool isToggle() const override { return rules_.toggle; }
    bool isReleasable() const override { return rules_.releasable; }
    bool isInverted() const override { return inverted_; }
    bool isFlat() const override { return flat_; }
    void setPressed(bool on) override;
    bool isPressed() const override { return pressed_; }
    void setColourSwatch(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;

    // Whether Tab stops at the button (it does unless told otherwise).
    void setTabStop(bool on);

    NativeForm nativeForm() const override;

protected:
    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                      bool& handled) override;
    bool paintsItself() const override { return true; }
    void paint(HDC surface, const RECT& client) override;
    std::int32_t textRoom(const RECT& client) const override;
    bool transparentToHits() const override;
    SIZE padding() const override { return SIZE{16, 8}; }
    void fillFonts() override;
    void resetControl() override;

private:
    bool isResizer() const;
    void onButtonDown(HWND hwnd);
    void onRepeatTimer(HWND hwnd);
    void stopRepeating(HWND hwnd);
    void onMouseMove(HWND hwnd);
    void onClick();
    void paintPlain(HDC surface, const RECT& client, std::int32_t hover, bool shownPressed);
    void paintGrip(HDC surface, const RECT& client);
    void startResize(HWND hwnd);
    void resizeTo(HWND hwnd);
    drawer::IButton* buttonPainter() const;

    controls::ToggleRules rules_;
    controls::AutoRepeat repeat_;
    bool autoRepeat_ = false;
    bool bordered_ = true;
    bool inverted_ = false;
    bool flat_ = false;
    bool pressed_ = false;
    bool mouseOver_ = false;
    bool held_ = false;
    bool resizing_ = false;
    bool tabStop_ = true;
    POINT resizeStart_{};
    RECT resizeFrom_{};
};

} // namespace s::gui::win
