#pragma once

#include "toolkit/ISkinHolder.h"

#include "toolkit/controls/win/Control.h"
#include "toolkit/drawers/Painters.h"

namespace s::gui::win {

// The platform's track bar holding a value in [minimum, maximum], with the
// limit on also below the limit. A change by the user raises event 0.
class Slider : public Control {
public:
    Slider();
    ~Slider() override;

    const char16_t* getClassName() const override { return u"s_gui_win_Slider"; }
    base::IObject* newInstance() const override;
    void release() override;

    void setVertical(bool on);
    bool isVertical() const { return state_.vertical; }
    void setRange(std::int32_t minimum, std::int32_t maximum);
    std::int32_t getMinimum() const { return state_.minimum; }
    std::int32_t getMaximum() const { return state_.maximum; }
    std::int32_t getValue() const { return state_.value; }
    // Clamped into the range (and below the limit when it is on).
    void setValue(std::int32_t v);
    // Ticks every n, a page of 10 n and a line of n.
    void setTickFrequency(std::int32_t n);
    void setTicks(bool on);
    void addChangeListener(events::IEventListener* l) { addListener(0, l); }
    void setDrawer(drawer::ISlider* painter, bool owned);
    // The current skin's painter of this kind, installed not owned.
    void refreshSkin(ISkinHolder& holder) override {
        setDrawer(dynamic_cast<drawer::ISlider*>(holder.getPainter(ISkinHolder::kSliderPainter)), false);
    }
    void setHighlight(bool on);
    // Whether the limit holds the value below it.
    void setLimitOn(bool on);
    bool isLimitOn() const { return state_.limitOn; }
    void setLimit(std::int32_t v);
    void setMarks(std::int32_t a, std::int32_t b, std::int32_t c);

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
