#pragma once

#include <QString>

#include <cstddef>
#include <string>

// Conversion between the CP932 bytes the model keeps and the texts the host
// shows (QString) or uses for file names (UTF-8).
//
// CP932 gives some characters two or three codes (NEC and IBM extensions).
// The code that Unicode conversion would not give back is shown as its
// character followed by a variation selector from the end of the ideographic
// range, which fonts ignore, so a text read from a file and saved again keeps
// every byte.
class TextCodec {
public:
    // Bytes that are not valid CP932 show as U+FFFD; conversion goes on after them.
    static QString ToUi(const std::string& cp932);

    // False, leaving *cp932 untouched, when a character cannot be held in CP932.
    static bool FromUi(const QString& text, std::string* cp932);

    // For host file names: the plain characters, without the selectors of ToUi.
    static std::string ToUtf8(const std::string& cp932);
    static bool FromUtf8(const std::string& utf8, std::string* cp932);

    // At most maxBytes bytes, never ending between the two bytes of a character.
    static std::string CutToField(const std::string& cp932, std::size_t maxBytes);

    static bool IsLeadByte(unsigned char byte);
};
