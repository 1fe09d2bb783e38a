#pragma once

#include <cstdint>

namespace s::app {

// The remembered state of one top-level window, as the window reads and
// reports it: what an application window keeps in its View settings. A
// window attached to an application window that also offers this takes its
// initial state from it and reports every change back.
class IWindowState {
public:
    virtual ~IWindowState() = default;

    // The first of the product texts that make up the window's title; the
    // version text is 10 above it.
    virtual std::int32_t getProductTextBase() = 0;
    virtual bool hasPosition() = 0;
    virtual bool hasX() = 0;
    virtual std::int32_t getX() = 0;
    virtual void setX(std::int32_t x) = 0;
    virtual bool hasY() = 0;
    virtual std::int32_t getY() = 0;
    virtual void setY(std::int32_t y) = 0;
    virtual bool hasWidth() = 0;
    virtual std::int32_t getWidth() = 0;
    virtual void setWidth(std::int32_t w) = 0;
    virtual bool hasHeight() = 0;
    virtual std::int32_t getHeight() = 0;
    virtual void setHeight(std::int32_t h) = 0;
    virtual bool getEasyDrag() = 0;
    virtual void setEasyDrag(bool on) = 0;
    virtual bool getMaximized() = 0;
    virtual void setMaximized(bool on) = 0;
    virtual bool getKeepOnTop() = 0;
    virtual void setKeepOnTop(bool on) = 0;
    // One of the window's three middle-click literals, compared by identity.
    virtual const char16_t* getMiddleClickAction() = 0;
    virtual void setMiddleClickAction(const char16_t* action) = 0;
    // The skin holder made another skin current, named name.
    virtual void setSkin(const char16_t* name) { (void)name; }
    // The localizer changed to the language with that English name.
    virtual void setLanguage(const char16_t* engName) { (void)engName; }
};

} // namespace s::app
