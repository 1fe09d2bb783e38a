#pragma once

#include "TestSupport.h"
#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"
#include "skins/ISkin.h"
#include "skins/SkinFactory.h"
#include "skins/Skinner.h"
#include "storage/Node.h"
#include "storage/XmlMappedData.h"

#include <string>
#include <vector>

namespace skins_test {

using SkinnerPtr = s::thread::Pooled<s::gui::drawer::Skinner>;
using StorePtr = s::thread::Pooled<s::xml::MappedData>;

// An empty set named as the main window's.
inline SkinnerPtr thinWindowSet() {
    SkinnerPtr set(s::thread::take<s::gui::drawer::Skinner>());
    set->setName(u"ThinWindow");
    return set;
}

// A set of skins named by the letters of names, all black.
inline SkinnerPtr setOf(const char16_t* names) {
    SkinnerPtr set = thinWindowSet();
    for (const char16_t* p = names; *p != 0; ++p) {
        const char16_t name[] = {*p, 0};
        s::gui::drawer::skin::addSkin(*set, name, {});
    }
    return set;
}

// A store over a document written in the test, or an empty one.
inline StorePtr storeOver(const char16_t* xml = u"<savedata/>") {
    auto* root = s::thread::take<s::xml::Node>();
    root->parse(xml);
    return StorePtr(s::xml::MappedData::createOverElement(root));
}

inline std::vector<std::string> namesOf(const s::gui::drawer::Skinner& set) {
    std::vector<std::string> names;
    for (std::int32_t i = 0; i < set.skinCount(); ++i)
        names.push_back(s::test::narrow(set.skinAt(i)->getName()));
    return names;
}

// The 45 components of a skin, role by role in file order.
inline std::vector<int> coloursOf(const s::gui::drawer::ISkin& skin) {
    std::vector<int> out;
    for (int r = 0; r < s::gui::drawer::kSkinRoleCount; ++r) {
        s::gui::drawer::SkinColour colour =
            skin.getRoleColour(static_cast<s::gui::drawer::SkinRole>(r));
        out.insert(out.end(), {colour.r, colour.g, colour.b});
    }
    return out;
}

} // namespace skins_test
