#pragma once

#include <QString>

namespace lanthorn {

/// Texts the input box is given by its own keys and by the grab answer.

/// Ctrl+S ("say ") and Ctrl+T ("@emit "): the prefix put in front of every line of the text,
/// the empty line after a final line feed included; an empty text becomes just the prefix.
/// Lines are told apart by LF, so CR LF pairs stay together.
QString PrefixLines(const QString& text, const QString& prefix);

/// The world's answer to a grab ("1234 " + object/attribute + " " + value) turned into the
/// command that sets the attribute again: "&" + attribute + " " + object + "=" + value, ready
/// to be edited and sent. The object/attribute is the line's second word (GetWord); when it
/// has no "/", or the line has no blank, the answer is "Invalid syntax: " + that word +
/// " Is it <object>/<attribute>?". The value is everything after the first word, its blank
/// and the second word with its trailing blank.
QString GrabResult(const QString& line);

} // namespace lanthorn
