#pragma once

#include "foundation/strings/IStr.h"

namespace s::str {

// A new MD5 digester over the platform's hash (CryptoAPI on Windows), whose
// result is the 32 lower-case hex digits of the digest; the caller deletes
// it. Null where the platform offers none (the host build).
IDigester* createMd5Digester();

} // namespace s::str
