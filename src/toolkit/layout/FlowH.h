#pragma once

#include "toolkit/layout/ILayoutManager.h"

namespace s::gui::layout {

// Lays a container out in wrapping rows, left to right, with the flow
// algorithm left and top aligned and without gaps; the container's own
// size results are left alone.
class FlowH final : public ILayoutManager {
public:
    const char16_t* getClassName() const override { return u"s_gui_layout_FlowH"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override {}

    void layoutContainer(IContainer* container) override;

    // The one instance a box answers when no manager is set; never released.
    static FlowH& shared();
};

} // namespace s::gui::layout
