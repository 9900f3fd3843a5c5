#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace lanthorn {

/// Breaks a text into lines of at most width columns, joined by CR LF (none after the last).
/// A line breaks at its last blank that is not its first character, the blank being dropped,
/// or else hard at the width. Every line after the first starts with indent blanks and holds
/// at most width - indent columns of text. A width not greater than the indent wraps with
/// indent 0; a width below 1 leaves the text as it is.
QByteArray WordWrap(const QByteArray& text, int width, int indent);

/// As WordWrap, writing into out (emptied first); returns false, leaving out alone, when
/// the text stays as it is.
bool WordWrapInto(const QByteArray& text, int width, int indent, QByteArray& out);

} // namespace lanthorn
