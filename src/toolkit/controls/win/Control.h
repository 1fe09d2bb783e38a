#pragma once

#include "foundation/strings/StrBuffer.h"
#include "foundation/system/win/Handles.h"
#include "toolkit/component/Component.h"
#include "toolkit/controls/IControl.h"
#include "toolkit/controls/win/ControlFonts.h"
#include "toolkit/controls/win/ControlPeer.h"
#include "toolkit/events/ListenerLists.h"
#include "toolkit/win/DisplayScales.h"

#include <windows.h>

#include <cstdint>

namespace s::gui::drawer {
class IDrawer;
}

namespace s::gui::win {

class Font;

// What every control shares: its text (literal or by language-pack
// identifier), its font settings (one per visual state), its painter, its
// listener lists and its native window, which keeps the control's text as its
// window text so that screen readers and test drivers can read it.
//
// A control paints itself, through an off-screen surface of its client size
// copied to the screen once, when it has a painter or when it draws its own
// kind plainly; otherwise the platform draws it with the control's colours.
class Control : public Component,
                public virtual IControl,
                public ControlFonts,
                public INativeControl,
                public IDisplayScaled {
public:
    // Fonts are made again at the new scale and the control measured anew.
    void displayScaleChanged() override { fontsChanged(); }
    // The painter the control draws with, null while it draws itself.
    drawer::IDrawer* painter() const { return painter_; }

    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // A language change (the window's localizer as source) looks the text up
    // again.
    void handleEvent(void* source, int eventId) override;
    void clear() override;

    const char16_t* getText() const override { return text_.cStr(); }
    void setText(const char16_t* text) override { setTextPainted(text, true); }
    // Without painting: for a text that a repaint of what lies behind it
    // draws anyway (a label over a meter that repaints right after).
    void setTextPainted(const char16_t* text, bool paint);
    void setTextId(std::int32_t id) override;
    std::int32_t getTextId() const override { return textId_; }
    void setPercentWidth(std::int32_t p) override;
    void setPercentHeight(std::int32_t p) override;
    void setFixedWidth(std::int32_t w) override;
    void setFixedHeight(std::int32_t h) override;

    void setParent(IContainer* parent) override;

    // INativeControl
    const char16_t* nativeText() const override { return text_.cStr(); }
    void nativeCreated(HWND hwnd) override;
    LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                          bool& handled) override;

    HWND handle() const;

    // The registered message by which a test or an assistive tool asks a
    // control whether its text fits: answered with the width the text takes
    // as drawn (low word) and the width the control leaves for it (high
    // word), in the display's pixels; 0 for a control without text to fit.
    static UINT textFitMessage();
    LRESULT answerTextFit(HWND hwnd);

protected:
    explicit Control(std::int32_t fontCount);
    ~Control() override;

    // The control's own messages, before the common ones; handled false
    // lets the common handling and then the platform's follow.
    virtual LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              bool& handled);
    // Whether the control draws itself (see the class comment).
    virtual bool paintsItself() const { return painter_ != nullptr; }
    // Paints the client rectangle into the off-screen surface.
    virtual void paint(HDC, const RECT&) {}
    // Clicks fall through to the window behind while this answers true.
    virtual bool transparentToHits() const { return false; }
    // Sets the minimum and preferred size from the text; the default is the
    // text's extent plus padding().
    virtual void measure();
    virtual SIZE padding() const { return SIZE{8, 6}; }
    // The text the control shows, as textFitMessage measures it (a glyph
    // name, "#..." , is no text), and the width its painter leaves for it.
    virtual const char16_t* shownText() const { return getText(); }
    virtual std::int32_t textRoom(const RECT& client) const { return client.right - client.left; }
    // Lets the painter fill in the font settings the program left unset.
    virtual void fillFonts() {}
    // Restores the control's own defaults; clear() calls it after the common
    // state is reset, and the constructor once.
    virtual void resetControl() {}

    // Keeps text as the control's text without telling the native window,
    // which already shows it.
    void storeText(const char16_t* text) { text_.set(text != nullptr ? text : u""); }
    // Installs a painter; an owned one is released with the control or with
    // the next painter. Fills the fonts from it and repaints.
    void setPainter(drawer::IDrawer* painter, bool owned);

    // The realised font of a state (made on first use; null when the
    // platform cannot make it). Valid until the next font change.
    Font* font(std::int32_t state);
    // New fonts for the native window, new size, new layout.
    void fontsChanged() override;
    // The text's extent in the given state's font.
    SIZE textExtent(const char16_t* text, std::int32_t state);
    // The extent in the state's font as made for a 96-DPI display, in
    // toolkit pixels, or the extent as drawn at the control's scale brought
    // back to toolkit pixels where that is larger: text drawn at another
    // scale may come out a few pixels wider than its 96-DPI extent scaled.
    SIZE layoutExtent(const char16_t* text, std::int32_t state);

    void addListener(std::int32_t list, events::IEventListener* listener) {
        listeners_.add(list, listener);
    }
    void raise(std::int32_t list, int eventId) {
        listeners_.raise(list, static_cast<IComponent*>(this), eventId);
    }

    // Paints the control now, through the off-screen surface, into target.
    void paintInto(HDC target);
    // The background behind a transparent control: the parent's colour, or
    // none when the parent is transparent too (or there is no parent).
    bool parentBackground(std::uint32_t& colour) const;
    void fillBackground(HDC surface, const RECT& r);
    // The colour the text is drawn in: the font setting's once the program
    // or a painter chose it, else the platform's button text.
    std::uint32_t textColour() const;

private:
    static SIZE extentIn(Font* font, const char16_t* text);
    LRESULT answerColours(HDC dc);
    void releaseFonts();
    void releasePainter();
    void reset();

    str::StrBuffer text_;
    Font* realised_[kMaxFonts] = {};
    drawer::IDrawer* painter_ = nullptr;
    bool painterOwned_ = false;
    events::ListenerLists listeners_;
    system::win::GdiObject<HBRUSH> brush_;
    std::uint32_t brushColour_ = 0;
};

} // namespace s::gui::win
