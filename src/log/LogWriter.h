#pragma once

#include "log/LogFiles.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <map>

namespace lanthorn {

class FilterMatchers;
class Program;

/// The log files of the worlds. Each world slot logs to a file of its own, kept in its world
/// state (LogFileName, LogSize, LogPart, LogWordWrap). The file is held open while the world
/// logs and every unit goes straight into it, so the file is complete on disk at all times. Every failure to write is
/// raised as a LanthornError for the caller to report; the log stays on until the caller ends it.
class LogWriter {
public:
    /// filters answers whether a unit matches a log omission.
    LogWriter(Program& program, FilterMatchers& filters);

    /// Starts a world's log in the named file: the file is created anew (an existing one is
    /// emptied) with the date header, then logging is on with LogPart and LogSize at 0. When the file
    /// cannot be created, the error is raised and logging stays off.
    void BeginLog(int slot, const QString& name);

    /// Writes what the world received before its log started, followed by a line end: its
    /// receive buffer, or with LogWordWrap the text its main display holds (displayedText,
    /// scroll-back first). Measures the file; with SplitLogs a file now longer than the split
    /// size goes on in its next part.
    void WriteBufferToLog(int slot, const QByteArray& displayedText);

    /// One unit of a logged world, as plain text. With LogOmissionsEnabled a unit that matches
    /// a log omission is left out; with LogWordWrap it is wrapped like the site's display. The
    /// text and CR LF are appended. With SplitLogs the unit that takes the file past the split
    /// size is the last one in it: the next unit starts the next part.
    void LogLine(const QByteArray& plain, int slot);

    /// The world's log goes on under its next part name (the next unit creates that file).
    void NextLogPart(int slot);

    /// Logging of the world ends: its file is closed, Logging, LogPart and LogSize become 0
    /// and units kept back are forgotten.
    void EndLog(int slot);

    /// Keeps the world's units back instead of writing them, while the player decides whether
    /// the text received so far goes into the log first.
    void holdUnits(int slot);
    /// Writes the units kept back, in the order they came.
    void writeHeldUnits(int slot);
    /// Forgets the units kept back: they were written with the receive buffer.
    void dropHeldUnits(int slot);

private:
    Program& m_program;
    FilterMatchers& m_filters;
    QHash<int, QList<QByteArray>> m_held; // by world slot
    std::map<int, LogFileAppender> m_files; // by world slot; a node map, as files cannot move
};

} // namespace lanthorn
