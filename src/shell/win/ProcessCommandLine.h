#pragma once

namespace s::process::commandline::win {

class CommandLine;

// Splits a command line into arguments by the C runtime's rules as
// CommandLineToArgvW applies them (blanks separate, double quotes group,
// backslashes escape quotes), drops the first (the program) and appends the
// rest to out. commandLineText null: the process's own (GetCommandLineW). False when
// the system could not split it; out is then unchanged.
bool parseProcessCommandLine(CommandLine& out, const char16_t* commandLineText = nullptr);

} // namespace s::process::commandline::win
