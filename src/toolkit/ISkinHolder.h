#pragma once

namespace s::gui::drawer {
class IDrawer;
}
namespace s::gui::events {
class IEventListener;
}

namespace s::gui {

// What a window and its controls need of the skin set: the current skin's
// painter of each kind, and a notice when the current skin changes. The
// holder tells its listeners through handleEvent(source, 0), source being
// eventSource(); the window passes the notice on to every component it
// contains, which then takes the new painter of its kind.
class ISkinHolder {
public:
    // The kinds of painter a skin holds, in the skin's own order.
    enum PainterKind : int {
        kWindowPainter = 0,
        kButtonPainter,
        kTextPainter,
        kScrollbarPainter,
        kCheckboxPainter,
        kRadioButtonPainter,
        kSliderPainter,
        kCounterPainter,
        kListHeaderPainter,
        kListBoxPainter,
        kStatusBarPainter,
        kMenuPainter,
        kComboBoxPainter,
        kGroupBoxPainter,
        kTabBoxPainter,
    };

    virtual ~ISkinHolder() = default;
    // The current skin's painter of that kind, owned by the skin and valid
    // until the next skin change; null without a current skin.
    virtual drawer::IDrawer* getPainter(PainterKind kind) = 0;
    // Not owned; appended without a duplicate check.
    virtual void addSkinListener(events::IEventListener* listener) = 0;
    // The source the holder's notices carry.
    virtual const void* eventSource() const = 0;
    // The name of the current skin, null when there is none.
    virtual const char16_t* currentSkinName() const { return nullptr; }
};

} // namespace s::gui
