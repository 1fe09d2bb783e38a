// Paints a sample panel of every control kind in every built-in skin into
// one picture, each panel labelled with its skin's name, and writes it as a
// 24-bit BMP file (tools/skins/contact_sheet.sh turns it into a PNG).
//
//   skin_contact_sheet.exe OUTPUT.bmp

#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"
#include "foundation/system/win/Handles.h"
#include "skins/ISkin.h"
#include "skins/SkinSetReader.h"
#include "skins/Skinner.h"
#include "toolkit/drawers/ThinDrawers.h"
#include "toolkit/win/Font.h"
#include "toolkit/win/FontSetting.h"

#include <windows.h>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

using namespace s::gui;
using drawer::Rect;
using FontPtr = s::thread::Pooled<win::Font>;

constexpr int kPanelWidth = 264;
constexpr int kPanelHeight = 176;
constexpr int kColumns = 5;

FontPtr fontFrom(win::FontSetting setting, int style = 0) {
    setting.setStyle(style);
    return FontPtr(setting.createFont());
}

void glyphRow(drawer::button::IThin& button, HDC dc, int y, const win::Font* font) {
    static const char16_t* const kGlyphs[] = {u"#Transform", u"#OnTop", u"#_", u"#.",
                                              u"#X",         u"#Up",    u"#Down", u"#Pause",
                                              u"#Play",      u"#Stop",  u"#Resizer"};
    int x = 6;
    for (const char16_t* glyph : kGlyphs) {
        button.paintButton(dc, {x, y, x + 20, y + 20}, drawer::kHoverNone, glyph, true, font,
                           true, false, false);
        x += 23;
    }
}

// One button in each state: normal, hover, held, toggled, toggled under the
// mouse, disabled; then a text button and a colour swatch.
void stateRow(drawer::button::IThin& button, HDC dc, int y, const win::Font* normal,
              const win::Font* pressed, const win::Font* disabled) {
    struct State {
        std::int32_t hover;
        bool pressed, enabled;
    };
    const State states[] = {{drawer::kHoverNone, false, true}, {drawer::kHoverOver, false, true},
                            {drawer::kHoverHeld, false, true}, {drawer::kHoverNone, true, true},
                            {drawer::kHoverOver, true, true},  {drawer::kHoverNone, false, false},
                            {drawer::kHoverNone, true, false}};
    int x = 6;
    for (const State& s : states) {
        const win::Font* font = !s.enabled ? disabled : s.pressed ? pressed : normal;
        button.paintButton(dc, {x, y, x + 20, y + 20}, s.hover, u"#Play", true, font, s.enabled,
                           s.pressed, false);
        x += 23;
    }
    button.paintButton(dc, {x, y, x + 44, y + 20}, drawer::kHoverNone, u"Start", true, normal,
                       true, false, false);
    button.paintButton(dc, {x + 47, y, x + 67, y + 20}, drawer::kHoverNone, u"#Color-0000A5FF",
                       true, normal, true, false, false);
}

void paintPanel(drawer::ISkin& skin, HDC dc, HDC scratch, int left, int top) {
    // Each panel draws at its own origin.
    POINT old{};
    SetViewportOrgEx(dc, left, top, &old);
    auto* window = dynamic_cast<drawer::IWindow*>(skin.getWindowDrawer());
    auto* text = dynamic_cast<drawer::text::IBasic*>(skin.getTextDrawer());
    auto* button = dynamic_cast<drawer::button::IThin*>(skin.getButtonDrawer());
    auto* check = dynamic_cast<drawer::checkbox::IThin*>(skin.getCheckboxDrawer());
    auto* radio = dynamic_cast<drawer::radiobutton::IThin*>(skin.getRadioButtonDrawer());
    auto* combo = dynamic_cast<drawer::combo::IThin*>(skin.getComboBoxDrawer());
    auto* group = dynamic_cast<drawer::groupbox::IThin*>(skin.getGroupBoxDrawer());
    auto* slider = dynamic_cast<drawer::slider::IThin*>(skin.getSliderDrawer());
    if (!window || !text || !button || !check || !radio || !combo || !group || !slider) {
        SetViewportOrgEx(dc, old.x, old.y, nullptr);
        return;
    }
    window->paint(dc, 0, 0, kPanelWidth - 4, kPanelHeight - 4);

    win::FontSetting plain, buttonNormal, buttonDisabled, buttonPressed, checkNormal, title;
    text->fillFonts(&plain, nullptr, nullptr, nullptr, nullptr);
    button->fillFonts(&buttonNormal, &buttonDisabled);
    button->fillPressedFont(&buttonPressed);
    check->fillFonts(&checkNormal, nullptr);
    group->fillFonts(&title);
    FontPtr name = fontFrom(plain, 1);
    FontPtr bn = fontFrom(buttonNormal), bd = fontFrom(buttonDisabled),
            bp = fontFrom(buttonPressed), cn = fontFrom(checkNormal), tf = fontFrom(title);

    text->drawText(dc, {6, 4, kPanelWidth - 10, 22}, skin.getName().cStr(), name.get());
    glyphRow(*button, dc, 24, bn.get());
    stateRow(*button, dc, 48, bn.get(), bp.get(), bd.get());

    std::int32_t tw = 0, th = 0;
    group->textDrawer().measureText(dc, {0, 0, 200, 40}, u"Group", tf.get(), tw, th);
    group->paintGroup(dc, {4, 72, kPanelWidth - 10, 168}, u"Group", tf.get(), tw, th);
    check->paintCheckBox(dc, {12, 92, 80, 106}, 13, true, u"On", cn.get());
    check->paintCheckBox(dc, {70, 92, 130, 106}, 13, false, u"Off", cn.get());
    radio->paintRadio(dc, scratch, {128, 92, 188, 106}, true, u"Yes", cn.get(),
                      window->getBackground());
    radio->paintRadio(dc, scratch, {190, 92, 250, 106}, false, u"No", cn.get(),
                      window->getBackground());
    combo->paintCombo(dc, {12, 112, 120, 132}, drawer::kHoverNone, u"Every day", cn.get(), true);
    drawer::SliderState state;
    state.value = 60;
    state.marks[0] = 25;
    slider->setFrameStyle(1);
    slider->paintSlider(dc, {128, 116, 248, 128}, state);
    // The eight text styles.
    for (int style = 0; style < 8; ++style) {
        FontPtr f = fontFrom(plain, style);
        const char16_t label[] = {u'S', static_cast<char16_t>(u'0' + style), 0};
        text->drawText(dc, {12 + style * 29, 140, 40 + style * 29, 160}, label, f.get());
    }
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

bool writeBmp(const wchar_t* path, HDC dc, HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> bits(static_cast<std::size_t>(stride) * height);
    if (!GetDIBits(dc, bitmap, 0, height, bits.data(), &info, DIB_RGB_COLORS))
        return false;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
    FILE* out = _wfopen(path, L"wb");
    if (out == nullptr)
        return false;
    const bool ok = fwrite(&file, sizeof file, 1, out) == 1 &&
                    fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                    fwrite(bits.data(), bits.size(), 1, out) == 1;
    return fclose(out) == 0 && ok;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: skin_contact_sheet OUTPUT.bmp\n", stderr);
        return 2;
    }
    s::thread::Pooled<drawer::Skinner> set(s::thread::take<drawer::Skinner>());
    set->setName(u"ThinWindow");
    drawer::skin::loadBuiltInSkins(u"IDR_XML", 150, *set, nullptr);
    const int count = set->skinCount();
    if (count == 0) {
        std::fputs("no built-in skins\n", stderr);
        return 1;
    }
    const int rows = (count + kColumns - 1) / kColumns;
    const int width = kColumns * kPanelWidth, height = rows * kPanelHeight;

    s::system::win::WindowDc screen(nullptr);
    s::system::win::CreatedDc dc(CreateCompatibleDC(screen.get()));
    s::system::win::Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    s::system::win::CreatedDc scratchDc(CreateCompatibleDC(screen.get()));
    s::system::win::Bitmap scratchBitmap(CreateCompatibleBitmap(screen.get(), 52, 52));
    if (!dc || !bitmap || !scratchDc || !scratchBitmap)
        return 1;
    std::optional<s::system::win::Selection> selected(std::in_place, dc.get(), bitmap.get());
    s::system::win::Selection scratchSelected(scratchDc.get(), scratchBitmap.get());
    const RECT all{0, 0, width, height};
    SetBkColor(dc.get(), RGB(128, 128, 128));
    ExtTextOutW(dc.get(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    for (int i = 0; i < count; ++i)
        paintPanel(*set->skinAt(i), dc.get(), scratchDc.get(), (i % kColumns) * kPanelWidth + 2,
                   (i / kColumns) * kPanelHeight + 2);
    selected.reset();
    return writeBmp(argv[1], dc.get(), bitmap.get(), width, height) ? 0 : 1;
}
