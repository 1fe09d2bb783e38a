#pragma once

namespace s::sound::mp3::win {

class Info;

// Replaces the seven text fields of info with those of the ID3 tag of the
// MP3 file at path: TIT2, TPE1, TALB, TDRC, TRCK, TCON (a numeric genre
// becomes its name) and the full text of COMM, the values of a frame that
// holds several joined with "/". A frame's text is decoded with the code
// page of its encoding: 1200, 1201 and 65001 for UTF-16, UTF-16BE and UTF-8,
// the system's ANSI page for ISO-8859-1. Frames without text leave their
// field unset. Answers whether any field was set; a missing or unreadable
// file, one without a tag and one whose tag does not parse set none. The
// Windows build has no ID3 reader and always sets none.
bool readTagFields(const char16_t* path, Info& info);

} // namespace s::sound::mp3::win
