// Conversions between the character encodings of family files and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace qv {

enum class SingleByteCodePage { Windows1252, Cp437, Latin1 };

bool IsAscii(std::string_view text);
// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, nothing cut off.
bool IsValidUtf8(std::string_view text);
// The number of bytes at the end of text that begin a character without finishing it (a lead
// byte and the continuation bytes that fit it), or 0.
size_t CutUtf8TailLength(std::string_view text);
// The length of the character that lead begins: 1 to 4, or 0 for a byte that begins none.
size_t Utf8SequenceLength(char lead);
std::string Utf8FromSingleByte(std::string_view bytes, SingleByteCodePage codePage);
// Windows-1252 bytes; characters the code page lacks become "?".
std::string Windows1252FromUtf8(std::string_view text);
// Whether Windows1252FromUtf8 keeps every character of valid UTF-8 text.
bool FitsWindows1252(std::string_view text);
// UTF-16 code units as bytes; lone surrogates become U+FFFD, an odd last byte is dropped.
std::string Utf8FromUtf16Bytes(std::string_view bytes, bool bigEndian);
void AppendUtf8(std::string& out, char32_t codePoint);

// The text as UTF-16; malformed UTF-8 gives the empty text.
std::u16string Utf16FromUtf8(std::string_view text);
// UTF-16 as UTF-8; lone surrogates become U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);

}  // namespace qv
