#pragma once

#include "toolkit/layout/ILayoutManager.h"

namespace s::gui::layout {

// Lays a container out in one column, top to bottom, with the column
// algorithm left and top aligned and without gaps; the container's own
// size results are left alone.
class Vertical final : public ILayoutManager {
public:
    const char16_t* getClassName() const override { return u"s_gui_layout_Vertical"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override {}

    void layoutContainer(IContainer* container) override;

    // The one instance a window answers when no manager is set; never
    // released.
    static Vertical& shared();
};

} // namespace s::gui::layout
