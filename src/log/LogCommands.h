#pragma once

#include "log/LogWriter.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace lanthorn {

class FilterMatchers;
class LanthornError;
class Program;
class UiServices;
class WorldWindows;
class frmTool;

/// The player's side of logging: starting a world's log with its questions and the file
/// dialog, stopping it, and reporting a log file that cannot be written (logging of that world
/// ends with the first failure, so it is reported once).
class LogCommands {
public:
    /// dialogParent is the window the file dialog belongs to (the main frame).
    LogCommands(Program& program, UiServices& services, FilterMatchers& filters, WorldWindows& worlds, frmTool& toolbar,
        QWidget* dialogParent);

    /// Asks whether to log the world, which file to write (again when the player will not
    /// write over an existing file), whether to word-wrap the log, and whether the text
    /// received so far goes in first.
    void StartLogging(int slot);
    /// Asks, then ends the world's log.
    void StopLogging(int slot);
    /// One unit of a logged world, from the line chain.
    void LogLine(const QByteArray& plain, int slot);
    /// The world's slot was released: its log ends without a word and its file is closed.
    void WorldReleased(int slot);

    LogWriter& writer() { return m_writer; }

    /// Gives the keyboard back to the input box.
    std::function<void()> focusInput;

private:
    std::optional<QString> chooseFile(int slot);
    bool loggedElsewhere(int slot, const QString& name) const;
    QByteArray displayedText(int slot);
    void failed(int slot, const LanthornError& error, const QString& before, const QString& after);
    void announce(int slot, const QString& text);
    QString siteName(int slot) const;
    void giveFocusBack();

    Program& m_program;
    UiServices& m_services;
    WorldWindows& m_worlds;
    frmTool& m_toolbar;
    QWidget* m_dialogParent;
    LogWriter m_writer;
};

} // namespace lanthorn
