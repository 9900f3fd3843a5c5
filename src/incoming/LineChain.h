#pragma once

#include "incoming/DisplayWriter.h"
#include "incoming/FilterMatchers.h"

#include <QByteArray>
#include <QHash>
#include <deque>

namespace lanthorn {

class IncomingMainFrame;
class IncomingWorldWindow;
class Program;

/// The road of received text from a world's connection to its display. A MUSH world's unit
/// is a line, a MUD world's unit is whatever chunk arrived. Each unit is assembled (the
/// world's carried escape fragment in front, BEL and TAB handled, its plain text derived)
/// and passes, in this order: the log, the receive buffer, the gags, the triggers, the WHO
/// capture (MUSH), the activity marking, the minimized-frame notice, the routing to the main
/// display or the chat pane (MUSH) and the display.
///
/// The chain is never re-entered: a unit that arrives while one is being processed (for
/// instance while a message box waits for the user) is queued and processed afterwards, so
/// units are shown in the order they arrived.
class LineChain {
public:
    LineChain(Program& program, IncomingMainFrame& frame);

    /// The data-in event of a world window's connection: text is what arrived, endOfLine
    /// whether it ended with the line terminator. A MUSH piece without its terminator is
    /// dropped. A unit for a world slot or site that no longer exists rebuilds the world list;
    /// any other failure ends that unit's processing.
    void DataIn(IncomingWorldWindow& window, QByteArray text, bool endOfLine);

    /// Forgets what the chain keeps for a world slot: its carried escape fragment and its units
    /// still waiting. Called when the slot is reset.
    void ResetWorld(int slot);

    /// The compiled filter lists; the log writer asks them about omissions.
    FilterMatchers& filters() { return m_filters; }

private:
    struct Unit {
        IncomingWorldWindow* window;
        QByteArray text;
        bool endOfLine;
    };

    void dispatch(IncomingWorldWindow& window, QByteArray text, bool endOfLine);
    void ProcessMushLine(QByteArray text, IncomingWorldWindow& window, const DisplaySettings& site);
    void ProcessMudChunk(QByteArray text, IncomingWorldWindow& window, const DisplaySettings& site);
    void takeCarry(int slot, QByteArray& text);
    QByteArray plainTextKeepingCarry(int slot, QByteArray& text);
    void activityNotice(IncomingWorldWindow& window);

    Program& m_program;
    IncomingMainFrame& m_frame;
    FilterMatchers m_filters;
    DisplayWriter m_writer;
    QHash<int, QByteArray> m_carries; // by world slot
    std::deque<Unit> m_waiting;
    bool m_running = false;
};

} // namespace lanthorn
