#include "skins/SkinFactory.h"

#include "foundation/objects/Pools.h"
#include "skins/FallbackSkinTable.h"
#include "skins/Skinner.h"
#include "skins/ThinWindow.h"

namespace s::gui::drawer::skin {

ThinWindow* createSkin(const char16_t* name, const SkinComponents& components) {
    auto* skin = thread::take<ThinWindow>();
    skin->setName(name);
    skin->setColours(components);
    skin->buildDrawersOnFirstUse();
    return skin;
}

bool addSkin(Skinner& set, const char16_t* name, const SkinComponents& components) {
    if (!set.getName().equals(u"ThinWindow"))
        return false;
    set.addSkin(createSkin(name, components));
    return true;
}

void addFallbackSkins(Skinner& set) {
    for (const FallbackSkin& fallback : kFallbackSkins) {
        SkinComponents components;
        for (std::size_t i = 0; i < components.size(); ++i)
            components[i] = fallback.c[i];
        addSkin(set, fallback.name, components);
    }
}

} // namespace s::gui::drawer::skin
