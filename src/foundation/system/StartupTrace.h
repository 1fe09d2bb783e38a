#pragma once

#include <string>

// A trace of where the start-up goes, written only when asked: with the
// environment variable TARNWICK_TRACE naming a file, each mark records the
// milliseconds since the process was created and since the mark before it.
// Unset, a mark costs one load of a flag.
namespace s::trace {

inline constexpr const char* kTraceVariable = "TARNWICK_TRACE";

void mark(const char* phase);

// Writes every mark so far to the file (replacing it), so that a trace is
// there while the program goes on running.
void flush();

// The marks so far as the file holds them; empty when the trace is off.
std::string text();

// Tests: forget the marks and look at the environment again at the next mark.
void reset();

} // namespace s::trace
