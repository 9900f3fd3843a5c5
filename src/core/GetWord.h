#pragma once

#include <QByteArray>
#include <QString>

namespace lanthorn {

/// The shared word routine. The text is cut at every single blank (two blanks in a row give
/// an empty word).
/// - n = 0: the number of words as decimal text ("1" when the text has no blank);
/// - no blank in the text, n beyond the number of words, or n negative: the whole text;
/// - word 1: the text before the first blank;
/// - a middle word: the text after its blank up to and including the next blank (callers
///   rely on that trailing blank);
/// - the last word: the text after the last blank.
QString GetWord(const QString& text, int n);
QByteArray GetWord(const QByteArray& text, int n);

/// The number of words GetWord sees in the text.
int WordCount(const QString& text);

} // namespace lanthorn
