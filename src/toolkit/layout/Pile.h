#pragma once

#include "toolkit/layout/ILayoutManager.h"

namespace s::gui::layout {

// Stacks the showing children of a container in one area with the pile
// algorithm, left and top aligned; the container's own size results are
// left alone.
class Pile final : public ILayoutManager {
public:
    const char16_t* getClassName() const override { return u"s_gui_layout_Pile"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override {}

    void layoutContainer(IContainer* container) override;

    // One shared instance; never released.
    static Pile& shared();
};

} // namespace s::gui::layout
