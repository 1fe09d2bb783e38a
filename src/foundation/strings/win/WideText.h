#pragma once

// The framework's UTF-16 text at Win32 boundaries. On Windows wchar_t is 16
// bits wide and holds UTF-16 just as char16_t does, so the same units are only
// seen through the other type; nothing is converted or copied.
namespace s::str::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 text is UTF-16");

inline const wchar_t* wide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}

inline wchar_t* wide(char16_t* text) {
    return reinterpret_cast<wchar_t*>(text);
}

inline const char16_t* fromWide(const wchar_t* text) {
    return reinterpret_cast<const char16_t*>(text);
}

inline char16_t* fromWide(wchar_t* text) {
    return reinterpret_cast<char16_t*>(text);
}

} // namespace s::str::win
