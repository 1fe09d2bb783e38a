#pragma once

// The process-wide shell functions: each hands one request to the shell
// (ShellExecuteExW) with no owner window and no working directory, and shows
// no error box of its own.
namespace s::file::win {

// The default verb on path with parameters ("" when null). A batch file that
// exists runs with its console window hidden; everything else is shown.
bool execute(const char16_t* path, const char16_t* parameters);

// The "open" verb on a file or a web address.
bool openWithShell(const char16_t* target);

// The shell's properties window of path, through the item's context menu.
// Always answers true: the window opens on its own time, if at all.
bool showProperties(const char16_t* path);

} // namespace s::file::win
