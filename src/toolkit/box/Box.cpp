#include "toolkit/box/Box.h"

#include "foundation/objects/Pools.h"
#include "toolkit/drawers/IDrawer.h"
#include "toolkit/native/NativePeerFactory.h"

namespace s::gui::win {

Box::Box() {
    resetBox();
}

Box::~Box() {
    forgetListeners();
    dropChildren();
    releaseOwnedDrawer();
}

base::IObject* Box::newInstance() const {
    return thread::take<Box>();
}

void Box::release() {
    thread::giveBack(this);
}

// Listeners go first, so that none of them hears the teardown.
void Box::clear() {
    forgetListeners();
    dropChildren();
    releaseOwnedDrawer();
    Component::clear();
    resetBox();
}

void Box::resetBox() {
    // A box shows its parent's background unless given a colour.
    setBackgroundTransparent(false);
    layoutManager_ = nullptr;
    layoutType_ = kColumn;
    hAlign_ = vAlign_ = 0;
    hGap_ = vGap_ = 0;
    insetLeft_ = insetRight_ = insetTop_ = insetBottom_ = 0;
    layoutMinWidth_ = layoutMinHeight_ = layoutPrefWidth_ = layoutPrefHeight_ = 0;
    minimumWidthFloor_ = -1;
    zeroMinimumWidth_ = zeroMinimumHeight_ = false;
    layoutDepth_ = 0;
    laidOutPass_ = 0;
    laidOutWidth_ = laidOutHeight_ = 0;
    attaching_ = false;
    nativeDeferred_ = makingDeferred_ = false;
    drawer_ = nullptr;
    drawerOwned_ = false;
    hoverColour_ = 0;
    hoverColourOn_ = hovering_ = false;
    clickThrough_ = false;
    visibilityLocked_ = false;
    acceptFiles_ = acceptUrls_ = false;
    droppedFiles_.clear();
    droppedUrl_.clear();
    wheelLines_ = 0;
    paintHandled_ = false;
    paintDC_ = nullptr;
}

// The children are kept as IObject pointers, the form every framework array
// reads its elements in.
IComponent* Box::childAt(std::uint32_t i) const {
    return static_cast<IComponent*>(static_cast<base::IObject*>(children_.at(i)));
}

std::int32_t Box::getComponentCount() const {
    return static_cast<std::int32_t>(children_.length());
}

IComponent* Box::getComponent(std::int32_t index) const {
    if (index < 0 || static_cast<std::uint32_t>(index) >= children_.length())
        return nullptr;
    return childAt(static_cast<std::uint32_t>(index));
}

// Native child windows die with their parent's, so the children let go of
// theirs first; they stay in the list and are attached again with the box.
void Box::setParent(IContainer* parent) {
    detachChildren();
    rememberParent(parent);
    if (parent != nullptr) {
        attachNative(peerOf(parent));
        takeSkinOfWindow();
    }
}

bool Box::attachNative(INativePeer* parentPeer) {
    nativeDeferred_ = parentPeer != nullptr && !makingDeferred_ && collapsed();
    bool created = !nativeDeferred_ && createPeer(parentPeer);
    if (created && acceptFiles_)
        nativePeer()->setAcceptFiles(true);
    if (created && acceptUrls_)
        nativePeer()->setAcceptUrls(true);
    // Children that are boxes ask this box to lay out as they attach; one
    // pass after all of them is enough.
    attaching_ = true;
    for (std::uint32_t i = 0; i < children_.length(); ++i) {
        IComponent* child = childAt(i);
        child->setParent(this);
        if (insetLeft_ != 0 || insetTop_ != 0)
            child->setOrigin(insetLeft_, insetTop_);
    }
    attaching_ = false;
    if (!created)
        return false;
    doLayout();
    relayoutParent(true);
    showPeer();
    return true;
}

void Box::createDeferredNatives() {
    if (nativeDeferred_ && getParent() != nullptr) {
        makingDeferred_ = true;
        setParent(getParent());
        makingDeferred_ = false;
        orderBeforeLaterSiblings();
    }
    for (std::uint32_t i = 0; i < children_.length(); ++i)
        if (auto* box = dynamic_cast<Box*>(childAt(i)))
            box->createDeferredNatives();
}

void Box::detachChildren() {
    for (std::uint32_t i = 0; i < children_.length(); ++i)
        childAt(i)->setParent(nullptr);
}

void Box::dropChildren() {
    while (children_.length() > 0) {
        IComponent* child = childAt(children_.length() - 1);
        children_.dropLast(1);
        child->setParent(nullptr);
        child->release();
    }
}

void Box::add(IComponent* component) {
    if (component == nullptr)
        return;
    children_.add(static_cast<base::IObject*>(component));
    if (nativePeer() == nullptr)
        return;
    component->setParent(this);
    if (insetLeft_ != 0 || insetTop_ != 0)
        component->setOrigin(insetLeft_, insetTop_);
    doLayout();
    relayoutParent(true);
}

void Box::remove(IComponent* component, bool recursive) {
    for (std::uint32_t i = 0; i < children_.length(); ++i) {
        if (childAt(i) != component)
            continue;
        children_.remove(i, 1);
        if (recursive && component->isContainer())
            component->removeAll(true);
        component->setParent(nullptr);
        component->release();
        break;
    }
    doLayout();
}

void Box::removeAll(bool recursive) {
    while (children_.length() > 0)
        remove(childAt(children_.length() - 1), recursive);
}

void Box::relayoutParent(bool twiceForFlow) {
    IContainer* parent = getParent();
    if (parent == nullptr)
        return;
    parent->revalidate();
    if (twiceForFlow && layoutType_ == kFlow)
        parent->revalidate();
}

void Box::freeze() {
    Component::freeze();
    for (std::uint32_t i = 0; i < children_.length(); ++i)
        childAt(i)->freeze();
}

void Box::unfreeze() {
    Component::unfreeze();
    for (std::uint32_t i = 0; i < children_.length(); ++i)
        childAt(i)->unfreeze();
}

void Box::releaseOwnedDrawer() {
    if (drawer_ != nullptr && drawerOwned_)
        drawer_->release();
    drawer_ = nullptr;
    drawerOwned_ = false;
}

void Box::setDrawer(drawer::IDrawer* drawer, bool owned) {
    if (drawer != drawer_)
        releaseOwnedDrawer();
    drawer_ = drawer;
    drawerOwned_ = owned;
    repaint();
}

} // namespace s::gui::win
