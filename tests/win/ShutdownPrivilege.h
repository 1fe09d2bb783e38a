#pragma once

#include "foundation/system/win/Power.h"

// The privilege tests switch the shutdown privilege off and on around the
// product's own step and read it back, with the product's token functions.
namespace s::test {

using system::win::setShutdownPrivilege;
using system::win::shutdownPrivilegeEnabled;

} // namespace s::test
