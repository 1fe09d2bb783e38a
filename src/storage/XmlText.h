#pragma once

#include <cstdint>

namespace s::str {
class IStr;
}

// The escapes of the XML dialect and their decodings, and the few wide-text
// helpers the model needs. Values are kept escaped, exactly as a file holds
// them; decoding happens only when a value is read as a string.
namespace s::xml::text {

// Units before the terminator; 0 for null.
std::int32_t length(const char16_t* text);

// Equality with ASCII letters folded, as _wcsicmp compares in the C locale.
// Null equals only null.
bool equalsIgnoreCase(const char16_t* a, const char16_t* b);
bool equalsIgnoreCase(const char16_t* a, std::int32_t aLength, const char16_t* b,
                      std::int32_t bLength);

// Attribute escape: & < " CR LF. The greater-than sign is left alone; the
// parser never looks for it inside quotes.
void appendAttributeEscaped(str::IStr& out, const char16_t* text, std::int32_t n);

// Text escape: & < > and every space, CR, LF, TAB and U+3000, so that no
// whitespace of the value is left for the parser to skip or the decoder to
// trim.
void appendTextEscaped(str::IStr& out, const char16_t* text, std::int32_t n);

// The inverse of the attribute escape; any other "&" is copied.
void appendAttributeDecoded(str::IStr& out, const char16_t* text, std::int32_t n);

// The inverse of the text escape, which also drops the whitespace that
// indents hand-written text: leading space, TAB, LF and CR, and trailing
// space, LF, U+3000, TAB and CR, except where an escape produced it.
void appendTextDecoded(str::IStr& out, const char16_t* text, std::int32_t n);

} // namespace s::xml::text
