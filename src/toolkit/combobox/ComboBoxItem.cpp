#include "toolkit/combobox/ComboBoxItem.h"

#include "foundation/objects/Pools.h"

namespace s::gui::combobox {

namespace {

// Owned objects are framework objects, which all carry IPoolable beside
// IObject; the cast finds that side whatever the most derived class.
void releaseObject(base::IObject* object) {
    if (auto* poolable = dynamic_cast<thread::IPoolable*>(object))
        poolable->release();
}

} // namespace

ComboBoxItem::~ComboBoxItem() {
    releaseObject(object_);
}

base::IObject* ComboBoxItem::newInstance() const {
    return thread::take<ComboBoxItem>();
}

void ComboBoxItem::release() {
    thread::giveBack(this);
}

void ComboBoxItem::clear() {
    text_.freeMemory();
    font_.freeMemory();
    id_ = -1;
    flags_ = 0;
    setObject(nullptr);
}

void ComboBoxItem::setObject(base::IObject* object) {
    if (object == object_)
        return;
    releaseObject(object_);
    object_ = object;
}

} // namespace s::gui::combobox
