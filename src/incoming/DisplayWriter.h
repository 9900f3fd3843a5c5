#pragma once

#include "core/ProgramState.h"
#include "core/TextDisplay.h"

#include <QByteArray>

namespace lanthorn {

class HiliteSet;

/// What the display step needs of a site.
struct DisplaySettings {
    bool wordWrap = false;
    int wrapAt = 0;
    int indent = 0;
    int foreColor = 0; // the world's palette colours
    int backColor = 0;
    bool boldAnsi = false;

    static DisplaySettings of(const SiteRecord& site)
    {
        return { site.WordWrap, site.WrapAt, site.Indent, site.TFColor, site.TBColor, site.BoldANSI != 0 };
    }

    /// Sets the world's own colours on a display.
    void applyColours(TextDisplay& target) const
    {
        target.setForeColor(foreColor);
        target.setBackColor(backColor);
    }
};

/// Writes received units into a display: hilites first, then for MUSH lines the word wrap,
/// the line end and bold before every foreground colour; a reset from the world becomes the
/// world's own colours set on the display. Keeps its working buffers between units.
class DisplayWriter {
public:
    /// One MUSH line into the target (the main display or the chat pane).
    void DisplayMushText(
        const QByteArray& text, const DisplaySettings& settings, const HiliteSet& hilites, TextDisplay& target);

    /// One MUD chunk into the main display: no wrap and no line end (the chunk brings its own);
    /// a white foreground becomes a reset, and a reset puts the world's colours on the display
    /// and then switches bold on, followed by the reset's other parameters.
    void DisplayMudText(
        const QByteArray& text, const DisplaySettings& settings, const HiliteSet& hilites, TextDisplay& term);

private:
    void writeMush(const QByteArray& text, const DisplaySettings& settings, TextDisplay& target);
    void writeMud(const QByteArray& text, const DisplaySettings& settings, TextDisplay& term);

    QByteArray m_hilited;
    QByteArray m_line;
    QByteArray m_out;
};

} // namespace lanthorn
