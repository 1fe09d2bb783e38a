#include "shell/win/AppBase.h"

#include "TestSupport.h"
#include "shell/win/AppWindow.h"

#include "foundation/system/Seams.h"
#include "foundation/system/win/Handles.h"
#include "foundation/objects/Pools.h"
#include "localization/LangPack.h"
#include "skins/Skinner.h"
#include "skins/ThinWindow.h"
#include "storage/win/RegDir.h"
#include "toolkit/window/IWindow.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

using s::app::win::AppBase;
using s::reg::win::RegDir;

namespace {

constexpr char16_t kProductKey[] = u"Software\\Vexa\\Vexa Tarnwick";

std::u16string str(const char16_t* text) {
    return text != nullptr ? text : u"";
}

// The product's keys start empty in every test and are removed afterwards.
class AppBaseTest : public ::testing::Test {
protected:
    void SetUp() override { removeProductKey(); }
    void TearDown() override {
        s::seams::setShellExecute(nullptr);
        removeProductKey();
    }
    static void removeProductKey() {
        RegDir* key = RegDir::opened(s::reg::kCurrentUser, kProductKey);
        key->remove(true);
        key->release();
    }
    static std::u16string storedLanguage() {
        RegDir* key = RegDir::opened(s::reg::kCurrentUser,
                                     u"Software\\Vexa\\Vexa Tarnwick\\SaveData\\Language");
        std::u16string value = str(key->getString(u"", u"(none)"));
        key->release();
        return value;
    }
    static void storeLanguage(const char16_t* engName) {
        RegDir* key = RegDir::opened(s::reg::kCurrentUser,
                                     u"Software\\Vexa\\Vexa Tarnwick\\SaveData\\Language");
        key->setString(u"", engName);
        key->release();
    }
};

std::vector<std::wstring> opened;

int recordOpen(SHELLEXECUTEINFOW* request) {
    opened.push_back(request->lpFile != nullptr ? request->lpFile : L"");
    return TRUE;
}

} // namespace

TEST_F(AppBaseTest, FirstStartWritesTheIdentityButNoLanguage) {
    {
        AppBase base;
        EXPECT_EQ(base.getProductTextBase(), 500000);
    }
    RegDir* id = RegDir::opened(s::reg::kCurrentUser,
                                u"Software\\Vexa\\Vexa Tarnwick\\SaveData\\SoftwareID");
    EXPECT_EQ(str(id->getString(u"", u"")), u"Vexa Tarnwick");
    id->release();
    RegDir* version =
        RegDir::opened(s::reg::kCurrentUser, u"Software\\Vexa\\Vexa Tarnwick\\SaveData\\Version");
    EXPECT_EQ(str(version->getString(u"", u"")), u"1.14");
    version->release();
    EXPECT_EQ(storedLanguage(), u"(none)");
}

TEST_F(AppBaseTest, AStoredLanguageIsChosenIgnoringCaseAndNotRewritten) {
    storeLanguage(u"JAPANESE");
    {
        AppBase base;
        EXPECT_EQ(str(base.getLocalizer()->currentLanguage()->engName().cStr()), u"Japanese");
    }
    EXPECT_EQ(storedLanguage(), u"JAPANESE");
}

TEST_F(AppBaseTest, AnUnknownStoredLanguageBecomesEnglishAndIsRewritten) {
    storeLanguage(u"Klingon");
    {
        AppBase base;
        EXPECT_EQ(str(base.getLocalizer()->currentLanguage()->engName().cStr()), u"English");
        base.setSkin(u"Gray WG");
        EXPECT_EQ(str(base.getSkin()), u"Gray WG");
    }
    EXPECT_EQ(storedLanguage(), u"English");
}

TEST_F(AppBaseTest, TheSilentMarkerOpensTheProductPageOnce) {
    AppBase base;
    RegDir* product = RegDir::opened(s::reg::kCurrentUser, kProductKey);
    product->setUInt32(u"Silent", 1);
    opened.clear();
    s::seams::setShellExecute(recordOpen);
    base.openPageAfterInstall();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].rfind(L"https://", 0), 0u) << "the product's web page";
    EXPECT_EQ(product->getUInt32(u"Silent", 9), 0u);
    base.openPageAfterInstall();
    EXPECT_EQ(opened.size(), 1u) << "at most once per marker";
    product->release();
}

TEST_F(AppBaseTest, RegistryAndPortableStoresAreTheProductsOwn) {
    AppBase base;
    s::map::IMappedData* store = base.getStore();
    store->setInt32(u"MainWindow\\View", u"Width", 210);
    RegDir* view = RegDir::opened(s::reg::kCurrentUser,
                                  u"Software\\Vexa\\Vexa Tarnwick\\SaveData\\MainWindow\\View");
    EXPECT_EQ(view->getInt32(u"Width", 0), 210);
    view->release();
    EXPECT_NE(base.getExecutablePath(), nullptr);
    EXPECT_GE(base.argumentCount(), 1) << "the test program runs with arguments";
}

TEST_F(AppBaseTest, TheTwoPicturesAreDecodedFromTheResources) {
    AppBase base;
    EXPECT_EQ(base.getWideImage().width(), 700);
    EXPECT_EQ(base.getWideImage().height(), 230);
    EXPECT_EQ(base.getTallImage().width(), 230);
    EXPECT_EQ(base.getTallImage().height(), 700);
    // The top rows are the deep blue of the sky, opaque.
    const std::uint8_t* pixel = base.getWideImage().pixels() + 4 * 650;
    EXPECT_LT(pixel[0], 60);
    EXPECT_GT(pixel[2], 60);
    EXPECT_EQ(pixel[3], 255);
}

TEST_F(AppBaseTest, IconImagesAndBitmapsComeFromTheResources) {
    AppBase base;
    ASSERT_NE(base.getAppIcon(), nullptr);
    struct Case {
        const s::gui::Image& image;
        int size;
    };
    const Case cases[] = {{base.getAppIconImage16(), 16},
                          {base.getAppIconImage32(), 32},
                          {base.getAppIconImage64(), 64}};
    for (const Case& c : cases) {
        ASSERT_EQ(c.image.width(), c.size);
        ASSERT_EQ(c.image.height(), c.size);
        // The corner lies outside the stopwatch, the centre on its white dial.
        EXPECT_EQ(c.image.pixels()[3], 0) << c.size;
        const std::uint8_t* centre =
            c.image.pixels() + 4 * (c.size * (c.size * 3 / 4) + c.size / 4);
        EXPECT_EQ(centre[3], 255) << c.size;
    }
    BITMAP info{};
    ASSERT_NE(base.getWideImageBitmap(), nullptr);
    GetObjectW(base.getWideImageBitmap(), sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 700);
    EXPECT_EQ(info.bmHeight, 230);
    EXPECT_EQ(base.getTallImageBitmap(), base.getTallImageBitmap()) << "made once";
    HICON icon = base.loadIcon(128);
    s::system::win::Icon owned(icon); // what loadIcon makes is the caller's
    EXPECT_NE(icon, nullptr);
    EXPECT_EQ(base.loadIcon(4242), nullptr);
    EXPECT_FALSE(base.hasAppSkinSet());
}

namespace {

using s::app::win::AppWindow;
using s::app::win::AppWindowDefaults;
using s::gui::IWindow;

constexpr char16_t kMainView[] = u"Software\\Vexa\\Vexa Tarnwick\\SaveData\\MainWindow\\View";

std::u16string storedText(const char16_t* path, const char16_t* key) {
    RegDir* dir = RegDir::opened(s::reg::kCurrentUser, path);
    std::u16string value = str(dir->getString(key, u"(none)"));
    dir->release();
    return value;
}

void storeText(const char16_t* path, const char16_t* key, const char16_t* value) {
    RegDir* dir = RegDir::opened(s::reg::kCurrentUser, path);
    dir->setString(key, value);
    dir->release();
}

AppWindowDefaults mainDefaults() {
    AppWindowDefaults defaults;
    defaults.onMClick = IWindow::kMiddleIconize;
    return defaults;
}

} // namespace

TEST_F(AppBaseTest, AnApplicationWindowKeepsItsViewInItsOwnSections) {
    AppBase base;
    AppWindow* window = AppWindow::create(&base, u"MainWindow", mainDefaults(), nullptr);
    // A fresh store: the defaults, no position, and the identity sections.
    EXPECT_FALSE(window->hasPosition());
    EXPECT_EQ(window->getWidth(), 200);
    EXPECT_EQ(window->getHeight(), 100);
    EXPECT_TRUE(window->getKeepOnTop());
    EXPECT_TRUE(window->getEasyDrag());
    EXPECT_FALSE(window->getMaximized());
    EXPECT_EQ(window->getMiddleClickAction(), IWindow::kMiddleIconize);
    EXPECT_EQ(storedText(u"Software\\Vexa\\Vexa Tarnwick\\SaveData\\MainWindow\\SoftwareID", u""),
              u"Vexa Tarnwick");
    EXPECT_EQ(storedText(u"Software\\Vexa\\Vexa Tarnwick\\SaveData\\MainWindow\\Version", u""),
              u"1.14");

    window->setBounds(30, 40, 5, 120);
    EXPECT_TRUE(window->hasPosition());
    EXPECT_EQ(window->getX(), 30);
    EXPECT_EQ(window->getWidth(), 5);
    EXPECT_FALSE(window->isWidthValid()) << "a width of 5 is kept but is not valid";
    EXPECT_TRUE(window->isHeightValid());
    window->removeBounds();
    EXPECT_FALSE(window->hasPosition());
    EXPECT_EQ(window->getWidth(), 200);

    // The stored middle-click text is compared ignoring case; setting the
    // action that is already current writes nothing.
    storeText(kMainView, u"OnMClick", u"close");
    EXPECT_EQ(window->getMiddleClickAction(), IWindow::kMiddleClose);
    EXPECT_TRUE(window->isMiddleClickClose());
    window->setMiddleClickAction(IWindow::kMiddleIconize);
    EXPECT_EQ(storedText(kMainView, u"OnMClick"), u"close") << "Iconize was already current";
    window->setMiddleClickAction(IWindow::kMiddleDoNothing);
    EXPECT_EQ(storedText(kMainView, u"OnMClick"), u"DoNothing");
    window->release();

    // At the next start an unknown stored action becomes DoNothing, and a
    // lower-case one its literal.
    storeText(kMainView, u"OnMClick", u"Minimize");
    window = AppWindow::create(&base, u"MainWindow", mainDefaults(), nullptr);
    EXPECT_EQ(window->getMiddleClickAction(), IWindow::kMiddleDoNothing);
    window->release();
    storeText(kMainView, u"OnMClick", u"iconize");
    window = AppWindow::create(&base, u"MainWindow", mainDefaults(), nullptr);
    EXPECT_EQ(window->getMiddleClickAction(), IWindow::kMiddleIconize);
    window->release();
}

TEST_F(AppBaseTest, AnApplicationWindowChoosesItsStoredSkinOrItsDefault) {
    AppBase base;
    for (const char16_t* stored : {u"(none)", u"Blue", u"No Such Skin"}) {
        if (std::u16string(stored) != u"(none)")
            storeText(u"Software\\Vexa\\Vexa Tarnwick\\SaveData\\MainWindow\\Skin", u"", stored);
        auto* set = s::thread::take<s::gui::drawer::Skinner>();
        for (const char16_t* name : {u"Gray", u"Blue", u"Green"}) {
            auto* skin = s::thread::take<s::gui::drawer::skin::ThinWindow>();
            skin->setName(name);
            set->addSkin(skin);
        }
        AppWindowDefaults defaults = mainDefaults();
        defaults.defaultSkin = u"Green";
        AppWindow* window = AppWindow::create(&base, u"MainWindow", defaults, set);
        const std::u16string expected = std::u16string(stored) == u"Blue" ? u"Blue" : u"Green";
        EXPECT_EQ(str(window->getSkin()), expected) << "stored " << s::test::narrow(stored);
        EXPECT_EQ(str(set->currentSkin()->getName().cStr()), expected) << "stored " << s::test::narrow(stored);
        window->setSkin(u"Gray");
        EXPECT_EQ(storedText(u"Software\\Vexa\\Vexa Tarnwick\\SaveData\\MainWindow\\Skin", u""),
                  u"Gray");
        window->release(); // and with it the set it owns
        removeProductKey();
    }
}
