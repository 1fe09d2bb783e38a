#pragma once

#include "foundation/objects/Pools.h"
#include "toolkit/box/Box.h"
#include "toolkit/component/Component.h"
#include "toolkit/native/NativePeerFactory.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace s::test {

// What a fake native window was asked to do.
struct PeerRecord {
    const gui::IComponent* component = nullptr;
    const PeerRecord* parent = nullptr;
    // The sibling the window was put before, when made out of order.
    const PeerRecord* before = nullptr;
    bool created = false;
    bool destroyed = false;
    bool shown = false;
    bool enabled = true;
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    // Bounds changes: moves, resizes and combined calls.
    std::int32_t placements = 0;
    std::int32_t repaints = 0;
    std::int32_t backBufferReleases = 0;
};

class FakePeer final : public gui::INativePeer {
public:
    FakePeer(std::shared_ptr<PeerRecord> record, bool refuse) : record_(record), refuse_(refuse) {}

    bool create(gui::INativePeer* parent) override {
        if (refuse_)
            return false;
        record_->created = true;
        if (parent != nullptr)
            record_->parent = static_cast<FakePeer*>(parent)->record_.get();
        return true;
    }
    void destroy() override { record_->destroyed = true; }
    void move(std::int32_t x, std::int32_t y, bool show) override {
        place(x, y, record_->width, record_->height, show);
    }
    void resize(std::int32_t w, std::int32_t h, bool show) override {
        place(record_->x, record_->y, w, h, show);
    }
    void setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                   bool show) override {
        place(x, y, w, h, show);
    }
    void show(bool visible) override { record_->shown = visible; }
    void enable(bool enabled) override { record_->enabled = enabled; }
    void repaint() override { ++record_->repaints; }
    void repaintArea(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {
        ++record_->repaints;
    }
    bool screenPosition(std::int32_t& x, std::int32_t& y) override {
        x = record_->x;
        y = record_->y;
        return true;
    }
    void setText(const char16_t*) override {}
    void orderBefore(gui::INativePeer* sibling) override {
        record_->before = static_cast<FakePeer*>(sibling)->record_.get();
    }
    void setAcceptFiles(bool) override {}
    void setAcceptUrls(bool) override {}
    gui::win::BackBuffer* backBuffer() override { return nullptr; }
    void releaseBackBuffer() override { ++record_->backBufferReleases; }

private:
    void place(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, bool show) {
        record_->x = x;
        record_->y = y;
        record_->width = w;
        record_->height = h;
        record_->shown = record_->shown || show;
        ++record_->placements;
    }

    std::shared_ptr<PeerRecord> record_;
    bool refuse_;
};

// Installed for the life of a test; every peer it makes is recorded.
class FakePeerFactory final : public gui::INativePeerFactory {
public:
    FakePeerFactory() { gui::installNativePeerFactory(this); }
    ~FakePeerFactory() override { gui::installNativePeerFactory(nullptr); }

    std::unique_ptr<gui::INativePeer> makePeer(gui::IComponent& component) override {
        auto record = std::make_shared<PeerRecord>();
        record->component = &component;
        records_.push_back(record);
        return std::make_unique<FakePeer>(record, &component == refused);
    }
    std::uint32_t systemColour(gui::SystemColour which) override {
        return which == gui::SystemColour::ButtonFace ? gui::rgb(212, 208, 200)
                                                      : gui::rgb(100, 60, 20);
    }

    // The latest peer made for component, or null.
    PeerRecord* recordOf(const gui::IComponent* component) const {
        for (auto it = records_.rbegin(); it != records_.rend(); ++it) {
            if ((*it)->component == component)
                return it->get();
        }
        return nullptr;
    }
    void resetCounts() {
        for (auto& record : records_)
            record->placements = record->repaints = 0;
    }

    const gui::IComponent* refused = nullptr;

private:
    std::vector<std::shared_ptr<PeerRecord>> records_;
};

// A plain leaf with the sizes a control would measure.
class Leaf final : public gui::Component {
public:
    const char16_t* getClassName() const override { return u"s_test_Leaf"; }
    base::IObject* newInstance() const override { return thread::take<Leaf>(); }
    void release() override { thread::giveBack(this); }

    static Leaf* make(std::int32_t minW, std::int32_t minH, std::int32_t prefW,
                      std::int32_t prefH) {
        Leaf* leaf = thread::take<Leaf>();
        leaf->setMinimumSize(minW, minH);
        leaf->setPreferredSize(prefW, prefH);
        return leaf;
    }
    using Component::storeFixedWidth;
    using Component::storePercentWidth;
};

// A box that stands for the top-level window: it makes its native window
// without a parent.
class RootBox final : public gui::win::Box {
public:
    bool open(std::int32_t width, std::int32_t height) {
        setSize(width, height);
        return attachNative(nullptr);
    }
};

} // namespace s::test
