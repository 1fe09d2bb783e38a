#pragma once

#include <cstdint>

namespace s::col::_array {
class ArrayU08;
}
namespace s::map {
class IMappedData;
}
namespace s::gui::drawer {
class Skinner;
}

namespace s::gui::drawer::skin {

// Reads the skins kept in store below section, "\" and the set's name and
// appends them to the set in file order. The set's section holds the count
// ("numOfSkins"); the skins sit in sections numbered after it ("_0", "_1",
// ...), each with its "name" and one section per colour role holding "R",
// "G" and "B". Skins without a name are skipped; a missing group border
// takes the compFg colour, a missing text outline contrasts with the text
// colour, any other missing component is 0. With replace, a store that
// announces at least one skin first empties the set.
void readSkinSet(map::IMappedData& store, Skinner& set, const char16_t* section, bool replace);

// The skin set document given as UTF-8 bytes, read with its skins below
// "SkinSet" replacing those of the set. A document that announces no skin
// leaves the set as it is.
void loadSkinSetUtf8(const col::_array::ArrayU08& bytes, Skinner& set);

// The same from a resource compiled into a module (archive, null for the
// executable). Without that resource the set stays as it is.
void loadBuiltInSkins(const char16_t* resourceName, std::int32_t resourceId, Skinner& set,
                      const void* archive);

} // namespace s::gui::drawer::skin
