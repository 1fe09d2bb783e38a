#include "shell/win/AppWindow.h"

#include "foundation/objects/Pools.h"
#include "localization/Localizer.h"
#include "shell/win/AppBase.h"
#include "skins/ISkin.h"
#include "skins/SkinSetReader.h"
#include "skins/Skinner.h"
#include "storage/IMappedData.h"
#include "toolkit/window/IWindow.h"

#include <windows.h>

namespace s::app::win {

namespace {

using gui::IWindow;

// The three middle-click literals in the order a stored text is tried.
constexpr const char16_t* kMiddleActions[] = {IWindow::kMiddleDoNothing, IWindow::kMiddleIconize,
                                              IWindow::kMiddleClose};

bool sameIgnoringCase(const str::StrBuffer& text, const char16_t* literal) {
    const str::StrBuffer other(literal);
    return text.equalsIgnoreCase(&other);
}

} // namespace

AppWindow::~AppWindow() {
    clear();
}

base::IObject* AppWindow::newInstance() const {
    return thread::take<AppWindow>();
}

void AppWindow::release() {
    thread::giveBack(this);
}

void AppWindow::clear() {
    scratch_.freeMemory();
    name_.freeMemory();
    defaultSkinName_.freeMemory();
    appBase_ = nullptr;
    if (ownsSkinSet_ && skinSet_ != nullptr)
        skinSet_->release();
    skinSet_ = nullptr;
    ownsSkinSet_ = false;
    defaultWidth_ = 500;
    defaultHeight_ = 500;
    middleClickAction_ = IWindow::kMiddleClose;
    defaultEasyDrag_ = true;
    defaultMaximized_ = false;
    defaultKeepOnTop_ = false;
    productTextBase_ = kProductTextBase;
}

AppWindow* AppWindow::create(AppBase* appBase, const char16_t* name,
                             const AppWindowDefaults& defaults, gui::drawer::Skinner* skinSet) {
    AppWindow* window = thread::take<AppWindow>();
    window->init(appBase, name, defaults, skinSet);
    return window;
}

void AppWindow::init(AppBase* appBase, const char16_t* name, const AppWindowDefaults& defaults,
                     gui::drawer::Skinner* skinSet) {
    appBase_ = appBase;
    name_.set(name);
    skinSet_ = skinSet;
    gui::drawer::Skinner* appSet = appBase != nullptr ? appBase->getAppSkinSet() : nullptr;
    if (skinSet == appSet) {
        ownsSkinSet_ = false;
        if (skinSet != nullptr && skinSet->currentSkin() != nullptr)
            defaultSkinName_.set(skinSet->currentSkin()->getName());
    } else {
        ownsSkinSet_ = true;
        if (defaults.defaultSkin != nullptr)
            defaultSkinName_.set(defaults.defaultSkin);
        if (skinSet != nullptr && defaults.skinResourceType != nullptr)
            gui::drawer::skin::loadBuiltInSkins(defaults.skinResourceType,
                                                defaults.skinResourceId, *skinSet, nullptr);
    }
    defaultWidth_ = defaults.width;
    defaultHeight_ = defaults.height;
    defaultKeepOnTop_ = defaults.keepOnTop;
    middleClickAction_ = defaults.onMClick != nullptr ? defaults.onMClick : IWindow::kMiddleClose;
    defaultEasyDrag_ = true;
    defaultMaximized_ = false;

    map::IMappedData* store = getStore();
    if (store == nullptr)
        return;
    store->setAutoFlush(false);
    if (lang::Localizer* localizer = getLocalizer()) {
        store->setString(getSectionPath(u"SoftwareID"), u"",
                         localizer->getText(kSoftwareIdText).cStr());
        store->setString(getSectionPath(u"Version"), u"",
                         localizer->getText(productTextBase_ + 10).cStr());
    }
    if (skinSet_ != nullptr && ownsSkinSet_)
        skinSet_->selectSkinByName(getSkin());
    // Whatever is stored becomes one of the three literals: an unknown text
    // does nothing on a middle click.
    scratch_.set(getMiddleClickAction());
    middleClickAction_ = IWindow::kMiddleDoNothing;
    for (const char16_t* action : kMiddleActions) {
        if (sameIgnoringCase(scratch_, action)) {
            middleClickAction_ = action;
            break;
        }
    }
    store->setAutoFlush(true);
}

const char16_t* AppWindow::getSectionPath(const char16_t* section) {
    pathBuffer_.set(name_);
    pathBuffer_.append(u'\\');
    pathBuffer_.append(section);
    return pathBuffer_.cStr();
}

map::IMappedData* AppWindow::getStore() {
    return appBase_ != nullptr ? appBase_->getStore() : nullptr;
}

lang::Localizer* AppWindow::getLocalizer() {
    return appBase_ != nullptr ? appBase_->getLocalizer() : nullptr;
}

gui::ISkinHolder* AppWindow::getSkinHolder() {
    return skinSet_;
}

IAppWindow* AppWindow::createAppWindow(const char16_t* name, const AppWindowDefaults& defaults,
                                       gui::drawer::Skinner* skinSet) {
    if (appBase_ == nullptr)
        return nullptr;
    return create(appBase_, name, defaults, skinSet);
}

namespace {
const gui::Image* unlessEmpty(const gui::Image& image) {
    return image.isEmpty() ? nullptr : &image;
}
} // namespace

const gui::Image* AppWindow::getWideImage() {
    return appBase_ != nullptr ? unlessEmpty(appBase_->getWideImage()) : nullptr;
}

const gui::Image* AppWindow::getTallImage() {
    return appBase_ != nullptr ? unlessEmpty(appBase_->getTallImage()) : nullptr;
}

const char16_t* AppWindow::getSkin() {
    if (!ownsSkinSet_)
        return appBase_ != nullptr ? appBase_->getSkin() : defaultSkinName_.cStr();
    map::IMappedData* store = getStore();
    const char16_t* name = store != nullptr
                               ? store->getString(getSectionPath(u"Skin"), u"",
                                                  defaultSkinName_.cStr())
                               : defaultSkinName_.cStr();
    if (skinSet_ != nullptr && skinSet_->findSkin(name) == nullptr)
        return defaultSkinName_.cStr();
    return name;
}

void AppWindow::setSkin(const char16_t* name) {
    if (!ownsSkinSet_) {
        if (appBase_ != nullptr)
            appBase_->setSkin(name);
        return;
    }
    if (map::IMappedData* store = getStore())
        store->setString(getSectionPath(u"Skin"), u"", name);
}

void AppWindow::setLanguage(const char16_t* engName) {
    if (appBase_ != nullptr && engName != nullptr)
        appBase_->setLanguage(engName);
}

void AppWindow::setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    setX(x);
    setY(y);
    setWidth(w);
    setHeight(h);
}

void AppWindow::setSize(std::int32_t w, std::int32_t h) {
    setWidth(w);
    setHeight(h);
}

void AppWindow::removeBounds() {
    map::IMappedData* store = getStore();
    if (store == nullptr)
        return;
    for (const char16_t* key : {u"X", u"Y", u"Width", u"Height"})
        store->removeKey(viewPath(), key);
}

bool AppWindow::isWidthValid() {
    std::int32_t w = getWidth();
    return w >= 10 && w <= GetSystemMetrics(SM_CXVIRTUALSCREEN);
}

bool AppWindow::isHeightValid() {
    std::int32_t h = getHeight();
    return h >= 10 && h <= GetSystemMetrics(SM_CYVIRTUALSCREEN);
}

namespace {

bool has(map::IMappedData* store, const char16_t* path, const char16_t* key) {
    return store != nullptr && store->hasKey(path, key);
}
std::int32_t readInt(map::IMappedData* store, const char16_t* path, const char16_t* key,
                     std::int32_t def) {
    return store != nullptr ? store->getInt32(path, key, def) : def;
}
bool readBool(map::IMappedData* store, const char16_t* path, const char16_t* key, bool def) {
    return store != nullptr ? store->getBool(path, key, def) : def;
}

} // namespace

bool AppWindow::hasX() { return has(getStore(), viewPath(), u"X"); }
std::int32_t AppWindow::getX() { return readInt(getStore(), viewPath(), u"X", 0); }
bool AppWindow::hasY() { return has(getStore(), viewPath(), u"Y"); }
std::int32_t AppWindow::getY() { return readInt(getStore(), viewPath(), u"Y", 0); }
bool AppWindow::hasWidth() { return has(getStore(), viewPath(), u"Width"); }
std::int32_t AppWindow::getWidth() {
    return readInt(getStore(), viewPath(), u"Width", defaultWidth_);
}
bool AppWindow::hasHeight() { return has(getStore(), viewPath(), u"Height"); }
std::int32_t AppWindow::getHeight() {
    return readInt(getStore(), viewPath(), u"Height", defaultHeight_);
}
bool AppWindow::getEasyDrag() {
    return readBool(getStore(), viewPath(), u"EasyDrag", defaultEasyDrag_);
}
bool AppWindow::getMaximized() {
    return readBool(getStore(), viewPath(), u"Maximized", defaultMaximized_);
}
bool AppWindow::getKeepOnTop() {
    return readBool(getStore(), viewPath(), u"KeepOnTop", defaultKeepOnTop_);
}

void AppWindow::setX(std::int32_t x) {
    if (map::IMappedData* store = getStore())
        store->setInt32(viewPath(), u"X", x);
}
void AppWindow::setY(std::int32_t y) {
    if (map::IMappedData* store = getStore())
        store->setInt32(viewPath(), u"Y", y);
}
void AppWindow::setWidth(std::int32_t w) {
    if (map::IMappedData* store = getStore())
        store->setInt32(viewPath(), u"Width", w);
}
void AppWindow::setHeight(std::int32_t h) {
    if (map::IMappedData* store = getStore())
        store->setInt32(viewPath(), u"Height", h);
}
void AppWindow::setEasyDrag(bool on) {
    if (map::IMappedData* store = getStore())
        store->setBool(viewPath(), u"EasyDrag", on);
}
void AppWindow::setMaximized(bool on) {
    if (map::IMappedData* store = getStore())
        store->setBool(viewPath(), u"Maximized", on);
}
void AppWindow::setKeepOnTop(bool on) {
    if (map::IMappedData* store = getStore())
        store->setBool(viewPath(), u"KeepOnTop", on);
}

bool AppWindow::storedActionIs(const char16_t* literal) {
    map::IMappedData* store = getStore();
    scratch_.set(store != nullptr ? store->getString(viewPath(), u"OnMClick", middleClickAction_)
                                  : middleClickAction_);
    return sameIgnoringCase(scratch_, literal);
}

bool AppWindow::isMiddleClickClose() { return storedActionIs(IWindow::kMiddleClose); }
bool AppWindow::isMiddleClickIconize() { return storedActionIs(IWindow::kMiddleIconize); }

const char16_t* AppWindow::getMiddleClickAction() {
    if (isMiddleClickIconize())
        return IWindow::kMiddleIconize;
    if (isMiddleClickClose())
        return IWindow::kMiddleClose;
    return IWindow::kMiddleDoNothing;
}

void AppWindow::setMiddleClickAction(const char16_t* action) {
    if (action == middleClickAction_)
        return;
    middleClickAction_ = action;
    if (map::IMappedData* store = getStore())
        store->setString(viewPath(), u"OnMClick", action);
}

} // namespace s::app::win
