#pragma once

#include "toolkit/Image.h"
#include "toolkit/controls/IImage.h"
#include "toolkit/controls/win/Control.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace s::gui::win {

// Shows one picture, or plays a set of frames, in a child window of the
// toolkit's class. An animated set advances one frame on each tick of the
// control's timer 1 while it plays. The picture is drawn centred over the
// control's background (its transparent pixels blended into it); a painter,
// when set, paints under it.
class Image final : public Control, public virtual IImage {
public:
    static constexpr UINT_PTR kFrameTimer = 1;
    static constexpr std::uint32_t kDefaultFrameMs = 100;

    Image();
    ~Image() override;

    const char16_t* getClassName() const override { return u"s_gui_win_Image"; }
    base::IObject* newInstance() const override;
    void release() override;

    // Shows image: a copy when copy is set, otherwise the caller's, which
    // must then outlive its use here. Null shows nothing.
    void setImage(const gui::Image* image, bool copy) override;
    // A set of frames, copied, shown one after the other every frameMs
    // while playing; the first frame shows at once.
    void setFrames(const gui::Image* frames, std::int32_t count, std::uint32_t frameMs) override;
    void play() override;
    void stop() override;
    bool isPlaying() const override { return playing_; }
    std::int32_t getFrameCount() const override;
    std::int32_t getFrame() const override { return frame_; }
    // Shows frame i of the set; out of range does nothing.
    void setFrame(std::int32_t i) override;
    void setDrawer(drawer::IDrawer* painter, bool owned) override { setPainter(painter, owned); }

    // INativeControl
    NativeForm nativeForm() const override { return NativeForm{}; }
    void nativeCreated(HWND hwnd) override;

protected:
    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                      bool& handled) override;
    bool paintsItself() const override { return true; }
    // A picture has no click of its own: presses go to what lies below it.
    bool transparentToHits() const override { return true; }
    void paint(HDC surface, const RECT& client) override;
    void measure() override;
    void resetControl() override;

private:
    const gui::Image* current() const;
    void startTimer();
    void shown();

    const gui::Image* borrowed_ = nullptr;
    std::vector<std::unique_ptr<gui::Image>> frames_;
    std::int32_t frame_ = 0;
    std::uint32_t frameMs_ = kDefaultFrameMs;
    bool playing_ = false;
};

} // namespace s::gui::win
