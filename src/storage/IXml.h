#pragma once

#include "foundation/objects/IObject.h"

namespace s::xml {

// The common base of the XML model's objects; it adds nothing to IObject.
class IXml : public base::IObject {};

} // namespace s::xml
