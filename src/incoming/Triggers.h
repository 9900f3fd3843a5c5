#pragma once

#include "core/ProgramState.h"

#include <QByteArray>

namespace lanthorn {

class FilterMatchers;
class IncomingWorldWindow;
class Program;

/// The text a trigger sends for a received text (without the line end): its reaction with
/// every "|" replaced by the stack word, when it has one. The word loses its control
/// characters (CR and LF among them), so a world can never make the client send an extra line.
QByteArray TriggerReaction(const TriggerEntry& trigger, const QByteArray& text);

/// Sends the reaction of the first trigger the text matches, plus CR LF, to the window's
/// world. A failed send is reported with the trigger error message.
void RunTriggers(Program& program, FilterMatchers& filters, const QByteArray& text, IncomingWorldWindow& window);

} // namespace lanthorn
