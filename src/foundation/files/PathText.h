#pragma once

#include "foundation/strings/StrBuffer.h"

#include <cstdint>

// The text side of file-system paths, with no file-system access: the forms a
// path string is brought into and the arithmetic on them. Separators are the
// backslash and the slash; case is folded in ASCII only, as the file systems
// the product meets compare names.
namespace s::file::pathtext {

// Paths of this length or more get the "\\?\" system form.
inline constexpr std::uint32_t kLongFormFrom = 250;

inline bool isSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

// Each component of the split has room for this many units with its
// terminator; a longer one fails the split.
inline constexpr std::uint32_t kSplitBuffer = 780;

// Splits text as the C library's _wsplitpath_s does: the drive is the first
// two characters when the second is ':', the directory runs to the last
// separator (included), the extension from the last dot of the rest. False,
// with all four emptied, when a component does not fit kSplitBuffer.
bool split(const str::StrBuffer& text, str::StrBuffer& drive, str::StrBuffer& directory,
           str::StrBuffer& fileTitle, str::StrBuffer& extension);

// Every "/" becomes a backslash and trailing backslashes are removed.
void normalise(str::StrBuffer& text);

// The system form of fullPath: "\\?\UNC\server\..." for a UNC path,
// "\\?\C:\..." for a drive path, once fullPath has kLongFormFrom characters.
// Shorter paths, relative ones (the prefix turns off the relative-name
// handling they need) and texts already in a "\\?\" or "\\.\" form leave out
// empty.
void longForm(const str::StrBuffer& fullPath, str::StrBuffer& out);

// Two backslashes or two slashes, then something that is neither.
bool isUnc(const str::StrBuffer& text);

// Of a UNC text: from index 2 up to the next separator; otherwise empty.
void serverName(const str::StrBuffer& text, str::StrBuffer& out);

// Keeps "\\server\share\" of a UNC text: everything up to and including its
// fourth backslash (all of it when it has fewer).
void cutAfterShare(str::StrBuffer& text);

// The length of the part that going up never removes: "C:\" 3, "C:" 2,
// "\\server\share\" up to its fourth backslash, a leading backslash 1,
// nothing for a relative text.
std::uint32_t rootLength(const str::StrBuffer& text);

// Path relative to baseDirectory, which ends with a separator: one ".."
// step for every folder of the base below the common folders, then the rest
// of path. Both are on one volume; the caller checks that.
void relative(const str::StrBuffer& baseDirectory, const str::StrBuffer& path, str::StrBuffer& out);

// Text resolved against baseDirectory (ending with a separator): each leading
// "..\" or "../" goes up one folder, never above the root. Absolute text
// stays as it is; text starting with one backslash goes below the base's
// drive or share.
void resolve(const str::StrBuffer& baseDirectory, const str::StrBuffer& text, str::StrBuffer& out);

// Whether name matches pattern, where "*" stands for any run of characters
// and "?" for one, ignoring case. "*.*" matches every name, dotted or not,
// as it does in the Windows shell.
bool matchesWildcard(const char16_t* pattern, const char16_t* name);

} // namespace s::file::pathtext
