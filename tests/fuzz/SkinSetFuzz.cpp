// The skin set reader on arbitrary documents, into a set that starts with
// the fallback skins and has a current one: nothing may crash; the names
// stay in step with the skins; the set is replaced exactly when the
// document announces skins; and the current skin is one of the set's.

#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"
#include "skins/FallbackSkinTable.h"
#include "skins/ISkin.h"
#include "skins/SkinFactory.h"
#include "skins/SkinSetReader.h"
#include "skins/Skinner.h"
#include "storage/Node.h"
#include "storage/XmlMappedData.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using s::gui::drawer::Skinner;
    s::col::ArrayU08 bytes;
    bytes.append(data, static_cast<std::uint32_t>(size));
    auto* root = s::thread::take<s::xml::Node>();
    root->parseUtf8(&bytes);
    s::xml::MappedData* store = s::xml::MappedData::createOverElement(root);

    Skinner* set = s::thread::take<Skinner>();
    set->setName(u"ThinWindow");
    s::gui::drawer::skin::addFallbackSkins(*set);
    set->selectSkinByName(u"Black");
    std::int32_t announced = store->getInt32(u"SkinSet\\ThinWindow", u"numOfSkins", 0);
    s::gui::drawer::skin::readSkinSet(*store, *set, u"SkinSet", true);

    if (announced > 0) {
        check(set->skinCount() <= announced);
        check(set->currentSkin() == nullptr);
    } else {
        check(set->skinCount() == s::gui::drawer::skin::kFallbackSkinCount);
        check(set->currentIndex() == 4);
    }
    for (std::int32_t i = 0; i < set->skinCount(); ++i) {
        check(set->skinAt(i)->getName().length() > 0);
        check(set->nameAt(i)->equals(&set->skinAt(i)->getName()));
    }
    set->selectRandomSkin();
    check(set->skinCount() < 2 || set->currentSkin() != nullptr);
    set->release();
    store->release();
    return 0;
}
