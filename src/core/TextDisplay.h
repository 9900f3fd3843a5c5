#pragma once

#include <QByteArray>

namespace lanthorn {

/// What the program writes world text into: a terminal display (or, in tests and benchmarks,
/// something that records or discards the text).
class TextDisplay {
public:
    virtual ~TextDisplay() = default;

    /// Shows text at the cursor. ANSI sequences in it are interpreted; CR LF starts a new line.
    virtual void Disp(const QByteArray& text) = 0;

    /// Colour indexes 0-15 of the palette for the text written afterwards; they are also the
    /// colours a reset (ESC "[0m", ESC "[39m", ESC "[49m") returns to. Setting either starts
    /// plain text: bold, blink, reverse and underline end. Other indexes are ignored.
    virtual void setForeColor(int paletteIndex) = 0;
    virtual void setBackColor(int paletteIndex) = 0;
};

} // namespace lanthorn
