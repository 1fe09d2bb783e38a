#pragma once

#include "toolkit/ISkinHolder.h"

#include "foundation/strings/StrBuffer.h"
#include "toolkit/box/Box.h"
#include "toolkit/controls/IGroupBox.h"
#include "toolkit/controls/win/ControlFonts.h"
#include "toolkit/controls/win/ControlPeer.h"

#include <windows.h>

namespace s::gui::win {

class Font;

// A titled frame around one content component, laid out as a pile inside
// the frame. Its native window is the platform's group box, painted by the
// group box painter when there is one and plainly otherwise; controls inside
// it get their notifications reflected as inside any box. The title is shown
// literally: its "&"s are doubled in the native text. A title check box,
// when set, sits over the title and carries its text; each change of its
// state is raised again as the group box's event 1. The font operations are
// the title's.
class GroupBox final : public Box, public IGroupBox, public ControlFonts, public INativeControl {
public:
    static constexpr int kTitleCheckChanged = 1;

    GroupBox();
    ~GroupBox() override;

    const char16_t* getClassName() const override { return u"s_gui_win_GroupBox"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;
    // A language change looks the title up again; the title check box's
    // changes are raised again.
    void handleEvent(void* source, int eventId) override;
    void setParent(IContainer* parent) override;
    void doLayout() override;
    layout::ILayoutManager* getLayout() override { return Box::getLayout(); }

    std::int32_t getMinimumWidth() const override;
    std::int32_t getPreferredWidth() const override;

    void setTitle(const char16_t* title) override;
    const char16_t* getTitle() const override { return title_.cStr(); }
    void setTitleId(std::int32_t id) override;
    std::int32_t getTitleId() const override { return textId_; }
    void setContent(IComponent* component) override;
    void setDrawer(drawer::IDrawer* painter, bool owned) override;
    void refreshSkin(ISkinHolder& holder) override {
        setDrawer(holder.getPainter(ISkinHolder::kGroupBoxPainter), false);
    }
    void setTitleCheckBox(ICheckBox* box) override;
    ICheckBox* getTitleCheckBox() const override { return titleCheck_; }
    void addTitleCheckListener(events::IEventListener* listener) override;

    // INativeControl
    NativeForm nativeForm() const override;
    const char16_t* nativeText() const override { return shown_.cStr(); }
    void nativeCreated(HWND hwnd) override;
    LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                          bool& handled) override;

private:
    // The title's new font for the native window, new insets, new layout.
    void fontsChanged() override;
    void resetGroupBox();
    Font* titleFont() const;
    SIZE titleExtent() const;
    void applyInsets();
    void dropTitleCheckBox();
    void paint(HDC surface, const RECT& client);

    str::StrBuffer title_;
    str::StrBuffer shown_;
    // Made on first use, also while answering size questions.
    mutable Font* realised_ = nullptr;
    ICheckBox* titleCheck_ = nullptr;
    col::ArrayP titleCheckListeners_;
};

} // namespace s::gui::win
