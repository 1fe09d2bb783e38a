#pragma once

#include "toolkit/ISkinHolder.h"

#include "foundation/strings/StrBuffer.h"
#include "toolkit/box/Box.h"
#include "toolkit/controls/win/ControlPeer.h"
#include "toolkit/win/DisplayScales.h"
#include "toolkit/win/FontSetting.h"

#include <windows.h>

namespace s::gui::win {

class CheckBox;
class Font;

// A titled frame around one content component, laid out as a pile inside
// the frame. Its native window is the platform's group box, painted by the
// group box painter when there is one and plainly otherwise; controls inside
// it get their notifications reflected as inside any box. The title is shown
// literally: its "&"s are doubled in the native text. A title check box,
// when set, sits over the title and carries its text; each change of its
// state is raised again as the group box's event 1.
class GroupBox final : public Box, public INativeControl, public IDisplayScaled {
public:
    // The title font is made again at the new scale; the insets follow it.
    void displayScaleChanged() override;
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

    std::int32_t getMinimumWidth() const override;
    std::int32_t getPreferredWidth() const override;

    void setTitle(const char16_t* title);
    const char16_t* getTitle() const { return title_.cStr(); }
    void setTitleId(std::int32_t id);
    std::int32_t getTitleId() const { return textId_; }
    // The title's font; call fontChanged() after changing it.
    FontSetting& getFont() { return font_; }
    void fontChanged();
    // Replaces the content; the group box owns it.
    void setContent(IComponent* component);
    void setDrawer(drawer::IDrawer* painter, bool owned) override;
    void refreshSkin(ISkinHolder& holder) override {
        setDrawer(holder.getPainter(ISkinHolder::kGroupBoxPainter), false);
    }
    // The group box takes the check box and releases the one it replaces;
    // null removes it.
    void setTitleCheckBox(CheckBox* box);
    CheckBox* getTitleCheckBox() const { return titleCheck_; }
    void addTitleCheckListener(events::IEventListener* listener);

    // INativeControl
    NativeForm nativeForm() const override;
    const char16_t* nativeText() const override { return shown_.cStr(); }
    void nativeCreated(HWND hwnd) override;
    LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                          bool& handled) override;

private:
    void resetGroupBox();
    Font* titleFont() const;
    SIZE titleExtent() const;
    void applyInsets();
    void dropTitleCheckBox();
    void paint(HDC surface, const RECT& client);

    str::StrBuffer title_;
    str::StrBuffer shown_;
    FontSetting font_;
    // Made on first use, also while answering size questions.
    mutable Font* realised_ = nullptr;
    CheckBox* titleCheck_ = nullptr;
    col::ArrayP titleCheckListeners_;
};

} // namespace s::gui::win
