#include "skins/SkinSetReader.h"

#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"
#include "foundation/system/Platform.h"
#include "skins/SkinFactory.h"
#include "skins/Skinner.h"
#include "storage/IMappedData.h"
#include "storage/Node.h"
#include "storage/XmlMappedData.h"

#include <array>

namespace s::gui::drawer::skin {

namespace {

// A damaged count must not keep start-up looping over billions of missing
// sections; no set comes near this many skins.
constexpr std::int32_t kMaxSkinEntries = 4096;

// A text mean above this is light, and light text gets a dark outline.
constexpr std::int32_t kLightTextMean = 77;
constexpr std::int32_t kDarkOutline = 51;
constexpr std::int32_t kLightOutline = 238;

using RoleComponents = std::array<std::int32_t, 3>;

RoleComponents readRole(map::IMappedData& store, const str::StrBuffer& skinPath, SkinRole role,
                        const RoleComponents& defaults) {
    str::StrBuffer path;
    path.set(skinPath);
    path.append(u'\\');
    path.append(skinRoleName(role));
    return {store.getInt32(path.cStr(), u"R", defaults[0]),
            store.getInt32(path.cStr(), u"G", defaults[1]),
            store.getInt32(path.cStr(), u"B", defaults[2])};
}

// The outline that stands out against the text colour as the skin shows it.
RoleComponents outlineFor(const RoleComponents& text) {
    std::int32_t mean =
        (clampComponent(text[0]) + clampComponent(text[1]) + clampComponent(text[2])) / 3;
    std::int32_t grey = mean > kLightTextMean ? kDarkOutline : kLightOutline;
    return {grey, grey, grey};
}

// The skin's roles in file order, from the sections below skinPath.
SkinComponents readSkin(map::IMappedData& store, const str::StrBuffer& skinPath) {
    std::array<RoleComponents, kSkinRoleCount> roles{};
    for (int r = 0; r < kSkinRoleCount; ++r) {
        auto role = static_cast<SkinRole>(r);
        RoleComponents defaults{};
        if (role == SkinRole::groupBorder)
            defaults = roles[static_cast<int>(SkinRole::compFg)];
        else if (role == SkinRole::textOutLineSpecific)
            defaults = outlineFor(roles[static_cast<int>(SkinRole::text)]);
        roles[r] = readRole(store, skinPath, role, defaults);
    }
    SkinComponents components{};
    for (std::size_t i = 0; i < kFactoryOrder.size(); ++i)
        for (std::size_t c = 0; c < 3; ++c)
            components[3 * i + c] = roles[static_cast<std::size_t>(kFactoryOrder[i])][c];
    return components;
}

} // namespace

void readSkinSet(map::IMappedData& store, Skinner& set, const char16_t* section, bool replace) {
    str::StrBuffer setPath;
    if (section != nullptr && section[0] != 0) {
        setPath.set(section);
        setPath.append(u'\\');
    }
    setPath.append(set.getName());
    std::int32_t count = store.getInt32(setPath.cStr(), u"numOfSkins", 0);
    if (count > 0 && replace)
        for (std::int32_t i = set.skinCount() - 1; i >= 0; --i)
            set.removeSkinAt(i);
    if (count > kMaxSkinEntries)
        count = kMaxSkinEntries;

    str::StrBuffer skinPath;
    str::StrBuffer name;
    for (std::int32_t i = 0; i < count; ++i) {
        skinPath.set(setPath);
        skinPath.append(u'_');
        skinPath.append(i);
        // Copied at once: the store's text lives only until its next read.
        name.set(store.getString(skinPath.cStr(), u"name", u""));
        if (name.length() == 0)
            continue;
        addSkin(set, name.cStr(), readSkin(store, skinPath));
    }
}

void loadSkinSetUtf8(const col::ArrayU08& bytes, Skinner& set) {
    auto* root = thread::take<xml::Node>();
    root->parseUtf8(&bytes);
    thread::Pooled<xml::MappedData> store(xml::MappedData::createOverElement(root));
    readSkinSet(*store, set, u"SkinSet", true);
}

void loadBuiltInSkins(const char16_t* resourceName, std::int32_t resourceId, Skinner& set,
                      const void* archive) {
    thread::Pooled<col::ArrayU08> bytes(thread::take<col::ArrayU08>());
    if (platform::readResource(archive, resourceName, resourceId, bytes.get()))
        loadSkinSetUtf8(*bytes, set);
}

} // namespace s::gui::drawer::skin
