// The version-information window: made once from the main application
// window, built of boxes and controls on its own thread, hidden rather than
// closed, and destroyed with the timer.

#include "timer/win/VersionWindow.h"

#include "foundation/objects/Pools.h"
#include "localization/Localizer.h"
#include "skins/ISkin.h"
#include "skins/SkinFactory.h"
#include "skins/Skinner.h"
#include "timer/win/ComponentBuilders.h"
#include "timer/win/Dialog.h"
#include "timer/win/SkinColouring.h"
#include "toolkit/IWindowState.h"
#include "toolkit/ImageScaling.h"
#include "toolkit/component/Spacer.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/controls/win/ImageControl.h"
#include "toolkit/controls/win/Label.h"
#include "toolkit/win/Window.h"

#include <utility>

namespace s::sound::gui::dialogs::plinkett {

using s::gui::win::Box;
using s::gui::win::Button;
using s::gui::win::Label;
using s::gui::win::Spacer;
using namespace build;

namespace {

constexpr std::int32_t kFull = 100;
constexpr std::int32_t kDefaultProductTextBase = 500000;
// Offsets of the product's texts from the product text base.
constexpr std::int32_t kPageOffset = 3;
constexpr std::int32_t kVersionOffset = 10;
constexpr std::int32_t kDateOffset = 20;
// The window's own captions.
constexpr std::int32_t kTitleText = 701100;
constexpr std::int32_t kVersionCaption = 400010;
constexpr std::int32_t kUpdatedCaption = 400020;
constexpr std::int32_t kThanksText = 400060;
constexpr std::int32_t kKeyboardText = 840200; // "Keyboard", the shortcuts 10 apart after it
constexpr std::int32_t kShortcutLines = 7;
constexpr std::int32_t kCloseText = 400120;
// The box the tall picture is fitted into, beside the texts.
constexpr std::int32_t kPictureBoxWidth = 70;
constexpr std::int32_t kPictureBoxHeight = 220;

Spacer* spacer(std::int32_t width, std::int32_t height) {
    Spacer* result = s::thread::take<Spacer>();
    if (height > 0)
        result->setVertical();
    result->setFixedWidth(width);
    result->setFixedHeight(height);
    return result;
}

// The skin's text painter fills in every font field not set explicitly,
// the size a size code gave included; a heading keeps its own.
Label* heading(std::int32_t textId, std::int32_t sizeCode) {
    Label* result = idLabel(textId, sizeCode);
    result->setFontHeight(result->getFontHeight());
    result->setBold(true);
    return result;
}

// A caption and its value side by side: "Version:" "1.14".
Box* captioned(std::int32_t captionId, std::int32_t valueId) {
    Box* row = newBox(false);
    row->alignLeft();
    row->alignMiddle();
    row->add(idLabel(captionId, -1));
    Label* value = idLabel(valueId, -1);
    value->setBold(true);
    row->add(value);
    return row;
}

std::int32_t productTextBase(app::IAppWindow* appWindow) {
    auto* state = dynamic_cast<app::IWindowState*>(appWindow);
    return state != nullptr ? state->getProductTextBase() : kDefaultProductTextBase;
}

} // namespace

VersionWindow::~VersionWindow() {
    clear();
}

void VersionWindow::show(app::IAppWindow* mainWindow) {
    if (window_ == nullptr && (mainWindow == nullptr || !create(mainWindow)))
        return;
    if (window_->isIconized())
        window_->restore();
    // Already showing, it only comes to the front.
    if (window_->isShowing())
        window_->activate(true);
    else
        window_->show(true, true);
}

void VersionWindow::clear() {
    // The window first: its components refer to the skin set that the
    // application window owns.
    if (window_ != nullptr)
        std::exchange(window_, nullptr)->release();
    if (appWindow_ != nullptr)
        std::exchange(appWindow_, nullptr)->release();
    picture_.clear();
    link_ = nullptr;
    closeGlyph_ = nullptr;
    closeButton_ = nullptr;
}

bool VersionWindow::create(app::IAppWindow* mainWindow) {
    auto* skins = s::thread::take<s::gui::drawer::Skinner>();
    skins->setName(u"ThinWindow");
    s::gui::drawer::skin::addFallbackSkins(*skins);
    app::AppWindowDefaults defaults;
    defaults.width = kDefaultWidth;
    defaults.height = kDefaultHeight;
    defaults.keepOnTop = true;
    defaults.onMClick = s::gui::IWindow::kMiddleClose;
    defaults.defaultSkin = kDefaultSkin;
    appWindow_ = mainWindow->createAppWindow(kWindowName, defaults, skins);
    if (appWindow_ == nullptr) {
        skins->release();
        return false;
    }
    if (const s::gui::Image* tall = appWindow_->getTallImage()) {
        std::int32_t w = 0, h = 0;
        s::gui::fitInto(tall->width(), tall->height(), kPictureBoxWidth, kPictureBoxHeight, w, h);
        s::gui::scaleImage(*tall, w, h, picture_);
    }
    window_ = s::thread::take<s::gui::win::Window>();
    if (!window_->isCreated()) {
        clear();
        return false;
    }
    window_->setMaximizeBox(false);
    window_->setMinimizeBox(false);
    window_->setBorderResizable(false);
    window_->setClientEdge(false);
    // Titled with the version, so that it is never taken for the main
    // window, which a second start of the program looks for by its name.
    window_->setApplicationWindow(appWindow_, true);
    window_->addCloseListener(this);
    window_->addLanguageListener(this);
    window_->addKeyListener(this);
    if (!window_->invoke(&VersionWindow::buildOnWindowThread, this)) {
        clear();
        return false;
    }
    return true;
}

void VersionWindow::buildOnWindowThread(void* self) {
    static_cast<VersionWindow*>(self)->build();
}

Box* VersionWindow::buildTitleBar() {
    Box* titleBar = newBox(false);
    titleBar->setPercentWidth(kFull, false);
    titleBar->alignLeft();
    titleBar->alignTop();
    titleBar->setInsetsHorizontal(1);
    titleBar->setInsetsVertical(1);
    Box* titleBox = newBox(false);
    titleBox->setPercentWidth(kFull, false);
    titleBox->alignCenter();
    titleBox->alignMiddle();
    titleBox->add(heading(kTitleText, -106));
    closeGlyph_ = s::thread::take<Button>();
    closeGlyph_->setText(u"#X");
    closeGlyph_->setFixedWidth(16);
    closeGlyph_->setFixedHeight(16);
    addAll(titleBar, {spacer(16, 0), titleBox, closeGlyph_});
    return titleBar;
}

Box* VersionWindow::buildBody() {
    std::int32_t base = productTextBase(appWindow_);
    Box* body = newBox(false);
    body->setPercentWidth(kFull, false);
    body->setPercentHeight(kFull, false);
    body->alignLeft();
    body->alignTop();
    body->setInsetsHorizontal(6);
    body->setInsetsVertical(6);
    body->setHorizontalGap(10);
    // The picture, with Close below it at the bottom: the texts beside them
    // take the whole height.
    Box* side = newBox(true);
    side->setPercentHeight(kFull, false);
    side->alignCenter();
    side->alignTop();
    if (!picture_.isEmpty()) {
        auto* picture = s::thread::take<s::gui::win::Image>();
        picture->setImage(&picture_, false);
        side->add(picture);
    }

    Box* texts = newBox(true);
    texts->setPercentWidth(kFull, false);
    texts->setPercentHeight(kFull, false);
    texts->alignLeft();
    texts->alignTop();
    texts->setVerticalGap(2);
    Label* name = heading(base, 104);
    Label* thanks = idLabel(kThanksText, -2);
    link_ = idLabel(base + kPageOffset, -2);
    link_->setUnderline(true);
    showLink();

    Box* buttons = newBox(false);
    buttons->setPercentHeight(kFull, false);
    buttons->alignCenter();
    buttons->alignBottom();
    closeButton_ = s::thread::take<Button>();
    closeButton_->setTextId(kCloseText);
    closeButton_->setFixedWidth(kPictureBoxWidth);
    closeButton_->setFixedHeight(22);
    buttons->add(closeButton_);
    side->add(buttons);
    body->add(side);

    addAll(texts, {name, spacer(0, 4), captioned(kVersionCaption, base + kVersionOffset),
                   captioned(kUpdatedCaption, base + kDateOffset), spacer(0, 14), thanks,
                   spacer(0, 6), link_, spacer(0, 10)});
    // The keyboard shortcuts of the timer window, a heading and one a line.
    Label* keyboard = idLabel(kKeyboardText, -2);
    keyboard->setBold(true);
    texts->add(keyboard);
    for (std::int32_t i = 1; i <= kShortcutLines; ++i)
        texts->add(idLabel(kKeyboardText + 10 * i, -2));
    body->add(texts);
    return body;
}

void VersionWindow::build() {
    Box* root = newBox(true);
    root->setPercentWidth(kFull, false);
    root->setPercentHeight(kFull, false);
    root->setInsetsHorizontal(2);
    root->setInsetsVertical(2);
    // Never narrower than its usual width, wider where a language needs it.
    root->setMinimumWidthFloor(kDefaultWidth);
    addAll(root, {buildTitleBar(), buildBody()});
    window_->add(root);
    for (Button* button : {closeGlyph_, closeButton_})
        button->addActionListener(this);
    s::gui::drawer::Skinner* skins = appWindow_->getSkinSet();
    if (skins != nullptr && skins->currentSkin() != nullptr)
        colourWithSkin(root, *skins->currentSkin());
    // As large as its texts need in the language and at the scale it opens
    // in, and again at every change of language.
    window_->fitToMinimumSize();
    // The first time it opens, with no place stored, it opens in the middle
    // of the work area.
    auto* state = dynamic_cast<app::IWindowState*>(appWindow_);
    if (state != nullptr && !state->hasPosition())
        window_->centerInParent();
}

// The page can differ between languages: the link follows the language.
void VersionWindow::showLink() {
    if (link_ == nullptr || appWindow_ == nullptr)
        return;
    lang::Localizer* localizer = appWindow_->getLocalizer();
    link_->setLink(localizer != nullptr
                       ? localizer->getText(productTextBase(appWindow_) + kPageOffset).cStr()
                       : u"");
}

void VersionWindow::handleEvent(void* source, int eventId) {
    if (window_ == nullptr)
        return;
    if (source == static_cast<s::gui::IComponent*>(closeGlyph_) ||
        source == static_cast<s::gui::IComponent*>(closeButton_)) {
        window_->close();
        return;
    }
    if (source != static_cast<s::gui::IComponent*>(static_cast<s::gui::IWindow*>(window_)))
        return;
    if (eventId == s::gui::IWindow::kClose) {
        // Closing only hides it; the next show brings back the same window.
        window_->cancelClose();
        window_->show(false, false);
    } else if (eventId == s::gui::IWindow::kLanguageChanged) {
        showLink();
        window_->fitToMinimumSize();
    } else if (eventId == s::gui::IWindow::kKeyDown) {
        // Escape and Enter end it as they end a message box.
        std::int32_t key = window_->getLastKey();
        if (key == VK_ESCAPE || key == VK_RETURN)
            window_->close();
    }
}

void Dialog::openVersionWindow() {
    versionWindow_.show(appWindow_);
}

} // namespace s::sound::gui::dialogs::plinkett
