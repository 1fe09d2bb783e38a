#pragma once

#include <cstdint>

// Replaceable entry points for tests. The product never installs anything
// here; a test installs a function and removes it again with nullptr.
namespace s::seams {

// Source of "now" as a UTC FILETIME value (100-ns units since 1601).
using ClockFunction = std::uint64_t (*)();

void setClock(ClockFunction clock);
ClockFunction clock();

} // namespace s::seams
