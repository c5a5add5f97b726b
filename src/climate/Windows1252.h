// Windows-1252, the code page of every database file, and UTF-8, which an
// import source may use instead.
//
// The core keeps texts as bytes; these convert them where a text reaches the
// screen (decode) or where a user's text reaches a file (encode). All 256
// bytes decode, and decoding then encoding gives the bytes back.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace climate {

QString decodeWindows1252(std::string_view bytes);
// The text in Windows-1252, or nothing when a character has no byte there.
std::optional<std::string> tryEncodeWindows1252(const QString& text);
// As tryEncodeWindows1252; throws EncodingError naming the text.
std::string encodeWindows1252(const QString& text);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);
// True when every byte is below 128 (the same text in both encodings).
bool isAscii(std::string_view bytes);
// UTF-8 bytes to Windows-1252 bytes; throws EncodingError when the bytes are
// not UTF-8 or hold a character Windows-1252 lacks.
std::string utf8ToWindows1252(std::string_view utf8);

}  // namespace climate
