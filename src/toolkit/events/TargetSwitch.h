#pragma once

#include "foundation/collections/Arrays.h"
#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "localization/IEventListener.h"

namespace s::gui {
class IComponent;
}

namespace s::gui::events {

// A listener that, on any event of its one source, changes a state of each
// of its targets in list order; events of other sources are ignored.
// Neither the source nor the targets are owned.
class TargetSwitch : public IEventListener, public base::IObject, public thread::IPoolable {
public:
    void handleEvent(void* source, int eventId) override;
    void clear() override;

    void setSource(IComponent* source) { source_ = source; }
    IComponent* getSource() const { return source_; }
    void addTarget(IComponent* target);
    std::uint32_t getTargetCount() const { return targets_.length(); }

protected:
    virtual void apply(IComponent* target) = 0;

private:
    IComponent* source_ = nullptr;
    col::ArrayP targets_;
};

} // namespace s::gui::events
