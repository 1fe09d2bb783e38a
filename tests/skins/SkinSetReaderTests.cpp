#include "skins/SkinSetReader.h"

#include "SkinsTestSupport.h"
#include "foundation/system/Platform.h"
#include "skins/FallbackSkinTable.h"
#include "skins/MeterText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace skins_test;
using s::gui::drawer::ISkin;
using s::gui::drawer::Skinner;
using s::gui::drawer::skin::addFallbackSkins;
using s::gui::drawer::skin::loadBuiltInSkins;
using s::gui::drawer::skin::readSkinSet;

namespace {

// The built-in set as the product gets it: from the resource under Windows;
// the host build has no resources and reads the file the resource is made of.
void loadRealSkinSet(Skinner& set) {
#ifdef _WIN32
    loadBuiltInSkins(u"IDR_XML", 150, set, nullptr);
#else
    s::thread::Pooled<s::col::ArrayU08> bytes(s::thread::take<s::col::ArrayU08>());
    ASSERT_TRUE(s::platform::readFile(u"" TARNWICK_SKINSET_PATH, bytes.get()));
    s::gui::drawer::skin::loadSkinSetUtf8(*bytes, set);
#endif
}

const ISkin* named(const Skinner& set, const char16_t* name) {
    return set.findSkin(name);
}

TEST(SkinSetReader, BuiltInSetReplacesTheFallbackSkins) {
    SkinnerPtr set = thinWindowSet();
    addFallbackSkins(*set);
    ASSERT_EQ(set->skinCount(), s::gui::drawer::skin::kFallbackSkinCount);
    std::vector<int> fallbackClassic = coloursOf(*named(*set, u"Classic LG"));

    loadRealSkinSet(*set);
    ASSERT_EQ(set->skinCount(), 85);
    EXPECT_EQ(namesOf(*set).front(), "Fresh L");
    EXPECT_EQ(namesOf(*set).back(), "Black Black II");
    EXPECT_EQ(named(*set, u"White"), nullptr) << "a fallback skin stayed";
    for (std::int32_t i = 0; i < set->skinCount(); ++i)
        EXPECT_TRUE(set->nameAt(i)->equals(&set->skinAt(i)->getName())) << i;

    // Both in file order; compFg and compDisabled differ in both skins, so a
    // swap between the factory and the file order shows.
    EXPECT_EQ(
        coloursOf(*set->skinAt(84)),
        (std::vector<int>{0,   0,   0,   51, 51, 51, 176, 176, 176, 51,  51,  51,  160, 160, 160,
                          221, 221, 221, 51, 51, 51, 153, 153, 153, 204, 204, 204, 0,   0,   0,
                          255, 255, 255, 0,  0,  0,  238, 238, 238, 188, 229, 25,  255, 165, 0}));
    std::int32_t grayIndex = -1;
    ASSERT_NE(set->findSkin(u"gray wg", &grayIndex), nullptr);
    EXPECT_EQ(grayIndex, 23);
    EXPECT_EQ(coloursOf(*set->skinAt(23)),
              (std::vector<int>{124, 124, 124, 124, 124, 124, 0,   0,   0,   170, 170, 170,
                                0,   0,   0,   255, 255, 255, 51,  51,  51,  173, 206, 53,
                                71,  70,  61,  196, 243, 6,   238, 238, 238, 51,  51,  45,
                                224, 224, 224, 173, 206, 53,  192, 192, 192}));
    // The fallback table and the file list their colours in different orders.
    EXPECT_EQ(coloursOf(*named(*set, u"Classic LG")), fallbackClassic);
}

TEST(SkinSetReader, MissingResourceLeavesTheSet) {
    SkinnerPtr set = thinWindowSet();
    addFallbackSkins(*set);
    loadBuiltInSkins(u"IDR_XML", 151, *set, nullptr);
    loadBuiltInSkins(u"IDR_NONE", 150, *set, nullptr);
    EXPECT_EQ(set->skinCount(), s::gui::drawer::skin::kFallbackSkinCount);
    EXPECT_EQ(namesOf(*set).front(), "White");
}

TEST(SkinSetReader, CountGapsNamesAndReplace) {
    struct Case {
        const char* what;
        const char16_t* document;
        bool replace;
        std::vector<std::string> names;
    };
    const std::vector<std::string> two = {"A", "B"};
    const Case cases[] = {
        {"entries beyond the count and unnamed ones are not read",
         u"<x><SkinSet><ThinWindow numOfSkins=\"3\"/><ThinWindow_0 name=\"zero\"/>"
         u"<ThinWindow_1 name=\"\"/><ThinWindow_2 name=\"two\"/><ThinWindow_5 name=\"five\"/>"
         u"</SkinSet></x>",
         true,
         {"zero", "two"}},
        {"a count of 0 replaces nothing",
         u"<x><SkinSet><ThinWindow numOfSkins=\"0\"/>"
         u"<ThinWindow_0 name=\"zero\"/></SkinSet></x>",
         true, two},
        {"no count replaces nothing", u"<x><SkinSet><ThinWindow_0 name=\"zero\"/></SkinSet></x>",
         true, two},
        {"a negative count replaces nothing",
         u"<x><SkinSet><ThinWindow numOfSkins=\"-2\"/><ThinWindow_0 name=\"zero\"/></SkinSet></x>",
         true, two},
        {"only unnamed skins still empty the set",
         u"<x><SkinSet><ThinWindow numOfSkins=\"1\"/><ThinWindow_0/></SkinSet></x>",
         true,
         {}},
        {"without replace, skins are appended, a known name again",
         u"<x><SkinSet><ThinWindow numOfSkins=\"1\"/><ThinWindow_0 name=\"A\"/></SkinSet></x>",
         false,
         {"A", "B", "A"}},
        {"a damaged count reads the first 4096 entries and stops",
         u"<x><SkinSet><ThinWindow numOfSkins=\"2147483647\"/><ThinWindow_4095 name=\"last\"/>"
         u"<ThinWindow_4096 name=\"beyond\"/></SkinSet></x>",
         true,
         {"last"}},
    };
    for (const Case& c : cases) {
        SkinnerPtr set = setOf(u"AB");
        set->selectSkin(set->skinAt(1));
        StorePtr store = storeOver(c.document);
        readSkinSet(*store, *set, u"SkinSet", c.replace);
        EXPECT_EQ(namesOf(*set), c.names) << c.what;
        // A replaced set has no current skin: it was released.
        EXPECT_EQ(set->currentIndex(), c.names == two || !c.replace ? 1 : -1) << c.what;
    }
}

TEST(SkinSetReader, MissingRolesTakeTheirDefaults) {
    struct Case {
        const char* what;
        const char16_t* roles;
        s::gui::drawer::SkinRole role;
        std::vector<int> expected;
    };
    using Role = s::gui::drawer::SkinRole;
    // clang-format off
    const Case cases[] = {
        {"group border from compFg", u"<compFg R=\"10\" G=\"20\" B=\"30\"/>", Role::groupBorder, {10, 20, 30}},
        {"group border's missing components from compFg",
         u"<compFg R=\"10\" G=\"20\" B=\"30\"/><groupBorder G=\"7\"/>", Role::groupBorder, {10, 7, 30}},
        {"outline of white text", u"<text R=\"255\" G=\"255\" B=\"255\"/>", Role::textOutLineSpecific, {51, 51, 51}},
        {"outline of black text", u"<text R=\"0\" G=\"0\" B=\"0\"/>", Role::textOutLineSpecific, {238, 238, 238}},
        {"outline of text with a mean of 78", u"<text R=\"78\" G=\"78\" B=\"78\"/>", Role::textOutLineSpecific, {51, 51, 51}},
        {"outline of text with a mean of 77 (233 / 3)", u"<text R=\"78\" G=\"78\" B=\"77\"/>", Role::textOutLineSpecific, {238, 238, 238}},
        {"any other role black", u"<compFg R=\"10\" G=\"20\" B=\"30\"/>", Role::windowBg, {0, 0, 0}},
        {"components clamped to 0 .. 255", u"<sliderBg R=\"256\" G=\"-1\" B=\"1000\"/>", Role::sliderBg, {255, 0, 255}},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::u16string document = u"<x><SkinSet><ThinWindow numOfSkins=\"1\"/>"
                                  u"<ThinWindow_0 name=\"s\">";
        document += c.roles;
        document += u"</ThinWindow_0></SkinSet></x>";
        SkinnerPtr set = thinWindowSet();
        StorePtr store = storeOver(document.c_str());
        readSkinSet(*store, *set, u"SkinSet", true);
        ASSERT_EQ(set->skinCount(), 1) << c.what;
        s::gui::drawer::SkinColour colour = set->skinAt(0)->getRoleColour(c.role);
        EXPECT_EQ((std::vector<int>{colour.r, colour.g, colour.b}), c.expected) << c.what;
    }
}

TEST(SkinSetReader, OnlyAThinWindowSetTakesSkins) {
    SkinnerPtr set = thinWindowSet();
    set->setName(u"Thin");
    StorePtr store =
        storeOver(u"<x><SkinSet><Thin numOfSkins=\"1\"/><Thin_0 name=\"t\"/></SkinSet></x>");
    readSkinSet(*store, *set, u"SkinSet", true);
    EXPECT_EQ(set->skinCount(), 0);
    EXPECT_FALSE(s::gui::drawer::skin::addSkin(*set, u"t", {}));
    addFallbackSkins(*set);
    EXPECT_EQ(set->skinCount(), 0);
}

// The ratio is the usual one: symmetric, 21 for black on white, 1 for a
// colour on itself, about 4.5 for mid grey on white.
TEST(MeterText, ContrastRatio) {
    using s::gui::drawer::contrastRatio;
    using s::gui::drawer::SkinColour;
    const SkinColour black{0, 0, 0}, white{255, 255, 255}, grey{119, 119, 119};
    EXPECT_NEAR(21.0, contrastRatio(black, white), 1e-9);
    EXPECT_NEAR(21.0, contrastRatio(white, black), 1e-9);
    EXPECT_NEAR(1.0, contrastRatio(grey, grey), 1e-9);
    EXPECT_NEAR(4.48, contrastRatio(grey, white), 0.01);
}

// The remaining time can be read in every built-in skin: plain where the
// text stands apart from both the meter's bar and the window behind it,
// else outlined in a colour it stands apart from, worked out again here
// from the skin's colours and the drawing chosen.
TEST(MeterText, RemainingTimeReadableOverEveryMeter) {
    using s::gui::drawer::contrastRatio;
    using s::gui::drawer::SkinColour;
    using s::gui::drawer::SkinRole;
    SkinnerPtr set = thinWindowSet();
    loadRealSkinSet(*set);
    ASSERT_EQ(85, set->skinCount());
    std::vector<std::string> outlined;
    for (std::int32_t i = 0; i < set->skinCount(); ++i) {
        const ISkin& skin = *set->skinAt(i);
        const std::string name = s::test::narrow(skin.getName().cStr());
        const auto look = s::gui::drawer::meterTextLook(skin);
        const SkinColour text = skin.getRoleColour(SkinRole::text);
        const SkinColour bar = skin.getRoleColour(SkinRole::counter01);
        const SkinColour window = skin.getRoleColour(SkinRole::windowBg);
        const double plain = std::min(contrastRatio(text, bar), contrastRatio(text, window));
        double seen = plain;
        if (look.style == 0) {
            EXPECT_GE(plain, 3.0) << name;
        } else {
            outlined.push_back(name);
            EXPECT_LT(plain, 3.0) << name << ": outlined though plain text reads";
            const SkinColour expectedOutline =
                look.style == 7 ? skin.getRoleColour(SkinRole::textOutLineSpecific) : window;
            const bool blackOrWhite = look.outline == SkinColour{0, 0, 0} ||
                                      look.outline == SkinColour{255, 255, 255};
            EXPECT_TRUE(look.outline == expectedOutline || (look.style == 1 && blackOrWhite))
                << name;
            seen = contrastRatio(text, look.outline);
        }
        EXPECT_GE(seen, 3.0) << name << " style " << look.style;
        EXPECT_NEAR(seen, look.contrast, 1e-9) << name;
    }
    for (const char* known : {"Black Black II", "Gray WG"})
        EXPECT_NE(outlined.end(), std::find(outlined.begin(), outlined.end(), known)) << known;
}

} // namespace
