#pragma once

#include "toolkit/ISkinHolder.h"

#include "toolkit/controls/ISlider.h"
#include "toolkit/controls/win/Control.h"
#include "toolkit/drawers/Painters.h"

namespace s::gui::win {

// The platform's track bar holding a value in [minimum, maximum], with the
// limit on also below the limit. A change by the user raises event 0.
class Slider : public Control, public virtual ISlider {
public:
    Slider();
    ~Slider() override;

    const char16_t* getClassName() const override { return u"s_gui_win_Slider"; }
    base::IObject* newInstance() const override;
    void release() override;

    void setVertical(bool on) override;
    bool isVertical() const override { return state_.vertical; }
    void setRange(std::int32_t minimum, std::int32_t maximum) override;
    std::int32_t getMinimum() const override { return state_.minimum; }
    std::int32_t getMaximum() const override { return state_.maximum; }
    std::int32_t getValue() const override { return state_.value; }
    // Clamped into the range (and below the limit when it is on).
    void setValue(std::int32_t v) override;
    // Ticks every n, a page of 10 n and a line of n.
    void setTickFrequency(std::int32_t n) override;
    void setTicks(bool on) override;
    void addChangeListener(events::IEventListener* l) override { addListener(0, l); }
    void setDrawer(drawer::ISlider* painter, bool owned) override;
    // The current skin's painter of this kind, installed not owned.
    void refreshSkin(ISkinHolder& holder) override {
        setDrawer(dynamic_cast<drawer::ISlider*>(holder.getPainter(ISkinHolder::kSliderPainter)), false);
    }
    void setHighlight(bool on) override;
    // Whether the limit holds the value below it.
    void setLimitOn(bool on) override;
    bool isLimitOn() const override { return state_.limitOn; }
    void setLimit(std::int32_t v) override;
    void setMarks(std::int32_t a, std::int32_t b, std::int32_t c) override;

    NativeForm nativeForm() const override;
    void nativeCreated(HWND hwnd) override;

protected:
    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                      bool& handled) override;
    void paint(HDC surface, const RECT& client) override;
    void measure() override;
    void resetControl() override;

private:
    void applyRange(HWND hwnd);
    void applyTicks(HWND hwnd);
    void onUserMove(HWND hwnd);
    void keepInLimits();

    drawer::SliderState state_;
    std::int32_t tickFrequency_ = 1;
    bool ticks_ = false;
};

} // namespace s::gui::win
