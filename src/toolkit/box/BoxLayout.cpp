#include "toolkit/box/Box.h"

#include "toolkit/layout/BuiltInLayouts.h"
#include "toolkit/layout/FlowH.h"

namespace s::gui::win {

namespace {
thread_local std::uint32_t passDepth = 0;
thread_local std::uint32_t passNumber = 0;
thread_local std::uint32_t minimumChangeCount = 0;
} // namespace

Box::LayoutPass::LayoutPass() {
    if (passDepth++ == 0 && ++passNumber == 0)
        passNumber = 1;
}

Box::LayoutPass::~LayoutPass() {
    --passDepth;
}

std::uint32_t Box::LayoutPass::current() {
    return passDepth > 0 ? passNumber : 0;
}

std::uint32_t Box::LayoutPass::minimumChanges() {
    return minimumChangeCount;
}

// A pass that starts while two of this box are running (a listener or a
// native resize calling back) is dropped.
void Box::doLayout() {
    if (attaching_ || layoutDepth_ >= 2)
        return;
    LayoutPass pass;
    laidOutPass_ = LayoutPass::current();
    laidOutWidth_ = getWidth();
    laidOutHeight_ = getHeight();
    ++layoutDepth_;
    const std::int32_t minWidthBefore = layoutMinWidth_, minHeightBefore = layoutMinHeight_;
    layoutMinWidth_ = layoutMinHeight_ = layoutPrefWidth_ = layoutPrefHeight_ = 0;
    if (children_.length() > 0) {
        if (layoutManager_ != nullptr) {
            layoutManager_->layoutContainer(this);
        } else {
            layout::Alignment alignment{hAlign_, vAlign_, hGap_, vGap_};
            layout::LayoutResults results;
            switch (layoutType_) {
            case kRow:
                alignment.vGap = 0;
                results = layout::layoutRow(*this, alignment);
                break;
            case kFlow:
                results = layout::layoutFlow(*this, alignment);
                break;
            case kPile:
                results = layout::layoutPile(*this, {hAlign_, vAlign_, 0, 0});
                break;
            default:
                results = layout::layoutColumn(*this, {hAlign_, vAlign_, 0, vGap_});
                break;
            }
            layoutMinWidth_ = results.minWidth;
            layoutMinHeight_ = results.minHeight;
            layoutPrefWidth_ = results.prefWidth;
            layoutPrefHeight_ = results.prefHeight;
        }
    }
    if (layoutMinWidth_ != minWidthBefore || layoutMinHeight_ != minHeightBefore)
        ++minimumChangeCount;
    raiseEvent(kLaidOut);
    --layoutDepth_;
}

void Box::settleLayout() {
    // A layout that never settles (a flow whose height follows its width,
    // say) stops after a few passes.
    constexpr int kMostPasses = 8;
    for (int pass = 0; pass < kMostPasses; ++pass) {
        const std::uint32_t changes = LayoutPass::minimumChanges();
        doLayout();
        if (LayoutPass::minimumChanges() == changes)
            return;
    }
}

layout::ILayoutManager* Box::getLayout() {
    return layoutManager_ != nullptr ? layoutManager_ : &layout::FlowH::shared();
}

} // namespace s::gui::win
