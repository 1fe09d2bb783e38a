#include "foundation/strings/Md5.h"

namespace s::str {

IDigester* createMd5Digester() {
    return nullptr;
}

} // namespace s::str
