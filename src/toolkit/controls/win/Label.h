#pragma once

#include "toolkit/ISkinHolder.h"

#include "toolkit/controls/ILabel.h"
#include "toolkit/controls/win/Control.h"

namespace s::gui::drawer {
class IText;
}

namespace s::gui::win {

// A text on its parent's background, drawn by the text painter. A label
// without a link lets clicks through to the window; a link label opens its
// target through the shell when clicked and raises event 1.
class Label : public Control, public virtual ILabel {
public:
    enum Event : int { kClicked = 1 };

    Label();
    ~Label() override;

    const char16_t* getClassName() const override { return u"s_gui_win_Label"; }
    base::IObject* newInstance() const override;
    void release() override;

    void setLink(const char16_t* target) override;
    const char16_t* getLink() const override { return link_.cStr(); }
    void addClickListener(events::IEventListener* l) override { addListener(kClicked, l); }
    // Shows text for the given time, then the text shown before the first
    // of a run of temporary texts. Without a native window nothing changes.
    void showTemporaryText(const char16_t* text, std::uint32_t milliseconds) override;
    void setDrawer(drawer::IText* painter, bool owned) override;
    // The current skin's painter of this kind, installed not owned.
    void refreshSkin(ISkinHolder& holder) override {
        setDrawer(dynamic_cast<drawer::IText*>(holder.getPainter(ISkinHolder::kTextPainter)), false);
    }

    NativeForm nativeForm() const override { return NativeForm{}; }

protected:
    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                      bool& handled) override;
    bool paintsItself() const override { return true; }
    void paint(HDC surface, const RECT& client) override;
    bool transparentToHits() const override { return link_.length() == 0; }
    SIZE padding() const override { return SIZE{4, 2}; }
    void fillFonts() override;
    void resetControl() override;

private:
    // Opens the link when the button was let go inside (where: client
    // coordinates as the message gives them).
    void onRelease(HWND hwnd, LPARAM where);

    str::StrBuffer link_;
    str::StrBuffer remembered_;
    bool temporary_ = false;
    bool held_ = false;
};

} // namespace s::gui::win
