#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The process-wide diagnostic log: it keeps the last 100 lines written to it,
// from any thread.
namespace s::log {

inline constexpr std::size_t kDiagnosticLogLines = 100;

void write(const std::string& line);

// A copy of the kept lines, oldest first.
std::vector<std::string> lines();

void clear();

} // namespace s::log
