#include "foundation/system/OsVersion.h"

namespace s::system {

// The host build plays a current Windows.
OsVersionRecord queryOsVersion() { return {true, 10, 0}; }

} // namespace s::system
