#pragma once

#include "toolkit/component/Component.h"
#include "toolkit/component/ISpacer.h"

namespace s::gui::win {

// An invisible filler, 1 x 1 pixel and horizontal unless told otherwise.
// Hidden, it waits off the parent's area like a box.
class Spacer : public Component, public ISpacer {
public:
    Spacer();

    const char16_t* getClassName() const override { return u"s_gui_win_Spacer"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    std::int32_t getMinimumWidth() const override;
    std::int32_t getMinimumHeight() const override;
    std::int32_t getPreferredWidth() const override;
    std::int32_t getPreferredHeight() const override;
    void setVisible(bool visible, bool refresh) override;

    void setHorizontal() override;
    void setVertical() override;
    bool isHorizontal() const override { return horizontal_; }
    void setPercentWidth(std::int32_t p) override { storePercentWidth(p); }
    void setPercentHeight(std::int32_t p) override { storePercentHeight(p); }
    void setFixedWidth(std::int32_t w) override { storeFixedWidth(w); }
    void setFixedHeight(std::int32_t h) override { storeFixedHeight(h); }

private:
    void resetSpacer();
    // Across the run of its parent's row (or column) the spacer takes no room.
    bool flatInParent(std::int32_t layoutType) const;

    bool horizontal_ = true;
};

} // namespace s::gui::win
